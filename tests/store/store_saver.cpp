// Saves the settings again and again until killed, one generation after the
// one found in the file, and prints each generation once it is saved.

#include <QCoreApplication>
#include <cstdio>

#include "IniSettingsStore.h"
#include "Saver.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    rp::IniSettingsStore store(QString::fromLocal8Bit(argv[1]));
    long gen = std::atol(store.read("Saver", "Gen").c_str());
    for (;;) {
        const std::string n = std::to_string(++gen);
        store.write("Saver", "Gen", n);
        store.write("Saver", "Blob", rp::test::saverBlob(gen));
        store.write("Saver", "End", n);
        if (!store.flush()) return 1;
        std::printf("%ld\n", gen);
        std::fflush(stdout);
    }
}
