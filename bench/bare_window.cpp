// The baseline of the start-up benchmark: a bare Qt Widgets window of the
// table's size, with nothing loaded before it shows. Not a test.

#include <QApplication>
#include <QWidget>

#include "Sizes.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(rp::size::MainClient.widthPx(), rp::size::MainClient.heightPx());
    window.show();
    return QApplication::exec();
}
