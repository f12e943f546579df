// The whole program playing a seeded game by itself, as the resume test
// kills and restarts it (resume_killed.py). Its dice follow from the position
// (who is on turn, how many boxes are filled, which roll), and its moves from
// what the table shows, so a game resumed from its file goes on exactly as
// the uninterrupted one. Prints the finished game on standard output.
//   resume_player CONFIG_DIR

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "Program.h"
#include "frmHighScores.h"
#include "frmMain.h"
#include "frmMessageBox.h"
#include "frmResumeGame.h"

namespace {

struct Silent : rp::SoundBackend {
    bool prepare(const QString&) override { return true; }
    void start(const QString&) override {}
    void stop(const QString&) override {}
};

std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

int filled(const rp::GameState& s) {
    int n = 0;
    for (int p = 1; p <= rp::MaxPlayers; ++p)
        for (int c = 1; c <= rp::Columns; ++c) {
            for (int r = 1; r <= rp::Rows; ++r) n += s.Used(p, r, c);
            for (int b = 1; b <= rp::BonusBoxes; ++b) n += s.BonusUsed(p, b, c);
        }
    return n;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString config = QString::fromLocal8Bit(argv[1]);
    rp::Program* program = nullptr;
    std::uint64_t lastKey = 0;
    int drawn = 0;

    rp::ProgramParts parts;
    parts.root = QStringLiteral(RP_OUTPUT_DIR);
    parts.settingsPath = config + QStringLiteral("/RealPentaro/RealPentaro.ini");
    parts.soundBackend = std::make_unique<Silent>();
    parts.dice = [&] {
        const rp::GameState& s = program->state;
        const std::uint64_t key = mix(std::uint64_t(filled(s)) * 64 + s.CurrentPlayer * 4 + s.RollCount);
        if (key != lastKey) lastKey = key, drawn = 0;
        return int(mix(key + std::uint64_t(++drawn)) % 6) + 1;
    };
    rp::Program prog(std::move(parts));
    program = &prog;
    rp::GameState& s = prog.state;
    prog.services.onNotice = [&](std::string_view) {
        QTimer::singleShot(0, [&] {
            if (auto* m = prog.windows.find<rp::frmMessageBox>()) m->Timer1_Timer();
        });
    };
    prog.windows.setOnLastUnloaded([] {});
    prog.sound.start();
    prog.windows.load<rp::frmHighScores>();
    prog.logic.LoadSettings();
    auto* table = prog.windows.load<rp::frmMain>();
    // The table's timers are run here, one step at a time, in a fixed order.
    for (QTimer* t : table->findChildren<QTimer*>()) t->setInterval(24 * 3600 * 1000);
    prog.windows.show<rp::frmMain>();
    bool started = false;

    QTimer step;
    QObject::connect(&step, &QTimer::timeout, [&] {
        // Asked at the table's first show: always play on.
        if (auto* q = prog.windows.find<rp::frmResumeGame>(); q && q->isVisible()) return q->imgConfirm->click();
        if (!started) {
            started = true;
            if (!s.GameInProgress) {
                s.NumPlayers = 2;
                s.GameType = 1;
                s.PlayerName(1) = "Ada";
                s.PlayerName(2) = "Bo";
                for (int p = 1; p <= rp::MaxPlayers; ++p)
                    for (int c = 1; c <= rp::Columns; ++c) s.ColumnDone(p, c) = p > 2;
                s.CurrentPlayer = 1;
                prog.logic.StartNewGame();
                s.GameInProgress = true;
                std::printf("start new\n");
            } else {
                std::printf("start resumed %d\n", filled(s));
            }
            std::fflush(stdout);
            return;
        }
        if (s.Winner != 0) {
            for (int p = 1; p <= 2; ++p) {
                std::printf("player %d total %d chips", p, s.GrandTotal(p));
                for (int c = 1; c <= 3; ++c) std::printf(" %d", s.ChipCount(p, c));
                std::printf(" card");
                for (int c = 1; c <= 3; ++c)
                    for (int r = 1; r <= rp::Rows; ++r) std::printf(" %d", s.Score(p, r, c));
                std::printf("\n");
            }
            for (int i = 1; i <= rp::Places; ++i) std::printf("high %s %d\n", s.AName(i).c_str(), s.AScore(i));
            std::printf("file left %d\n", int(prog.gameFile.exists()));
            std::fflush(stdout);
            std::_Exit(0);
        }
        if (table->tmrNext->isActive()) return table->tmrNext_Timer();
        for (int d = 1; d <= rp::DiceCount; ++d)
            for (int e = 1; e <= 6; ++e)
                if (table->tmrDieAnimator(d, e)->isActive()) {
                    table->tmrDieAnimator_Timer(d, e);
                    return;
                }
        if (table->tmrRollPause->isActive()) return table->tmrRollPause_Timer();
        if (s.RollCount == 0) return table->imgRollButton_MouseUp();
        int count[7] = {};
        for (int d = 1; d <= 5; ++d) ++count[s.Dice(d)];
        const int best = int(std::max_element(count + 1, count + 7) - count);
        if (s.RollCount < 2) {
            // Keep the most frequent face, one die a step; then roll.
            for (int d = 1; d <= 5; ++d) {
                if ((s.Dice(d) == best) != s.DieKept(d)) {
                    if (s.DieKept(d)) table->imgKeepDice_Click(d);
                    else table->imgRollingDice_Click(d);
                    return;
                }
            }
            return table->imgRollButton_MouseUp();
        }
        const int p = s.CurrentPlayer;
        auto taken = [&] { return table->tmrNext->isActive() || s.Winner != 0; };
        for (int c = 1; c <= 3 && s.PentaroShowing; ++c)
            for (int b = 1; b <= 3; ++b)
                if (table->lblGameY_Click(c, b), taken()) return;
        for (int c = 1; c <= 3; ++c)
            if (!s.Used(p, best, c) && (table->lblGame_Click(c, best), taken())) return;
        for (int c = 1; c <= 3; ++c)
            for (int r : {10, 11, 12, 13, 14, 16, 1, 2, 3, 4, 5, 6})
                if (!s.Used(p, r, c) && (table->lblGame_Click(c, r), taken())) return;
        for (int c = 1; c <= 3; ++c)
            if (table->lblGameY_Click(c, 1), taken()) return;
        std::printf("stuck\n");
        std::_Exit(3);
    });
    step.start(0);
    return QApplication::exec();
}
