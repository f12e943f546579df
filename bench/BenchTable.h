#pragma once
// The whole game with its table window shown, as the benchmarks drive it:
// its own settings file (a benchmark must not touch the player's), every
// picture checked, the sound opened and the high scores loaded.

#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "Program.h"
#include "frmHighScores.h"
#include "frmMain.h"

namespace rp::bench {

struct BenchTable {
    QTemporaryDir settings;
    std::unique_ptr<Program> program;
    frmMain* main = nullptr;

    // False, with a line on standard error, when the pictures are missing.
    bool open() {
        ProgramParts parts;
        parts.settingsPath = settings.filePath("RealPentaro.ini");
        program = std::make_unique<Program>(std::move(parts));
        if (!program->pictures.loadAll().isEmpty()) {
            std::fprintf(stderr, "pictures missing beside %s: build the assets first\n", qPrintable(programFolder()));
            return false;
        }
        program->sound.start();
        program->windows.load<frmHighScores>();
        program->logic.LoadSettings();
        main = program->windows.load<frmMain>();
        program->windows.show<frmMain>();
        return true;
    }
};

}  // namespace rp::bench
