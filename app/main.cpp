// Real Pentaro: the splash, then the table, until the close label says
// goodbye.

#include <QApplication>

#include "Program.h"
#include "QtMessages.h"
#include "Signals.h"

int main(int argc, char* argv[]) {
    rp::quietQtMessages();
    QApplication app(argc, argv);
    rp::Program program;
    if (!program.start()) return 1;
    rp::onTerminationSignal(&program.windows, [&program] { program.terminate(); });
    return QApplication::exec();
}
