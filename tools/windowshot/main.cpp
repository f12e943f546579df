// windowshot WINDOW: shows one of the game's secondary windows over a
// sample three-player game, with the game's own pictures, and stays open.
// WINDOW is newgame, endgame, highscores, confirm, confirm2, scorescheck,
// splash or exit. A second argument "focus" puts the keyboard focus on a
// check mark or a name heading, to see how it shows.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <map>

#include "GameWindows.h"
#include "Language.h"
#include "Logic.h"
#include "NullTable.h"
#include "SoundPlayer.h"
#include "Texts.h"
#include "WindowBoard.h"
#include "WindowedServices.h"
#include "SolvedTable.h"
#include "frmEndGame.h"
#include "frmNewGame.h"
#include "ClickableLabel.h"
#include "frmScoresCheck.h"

namespace {

struct MemoryStore : rp::SettingsStore {
    std::map<std::string, std::string> values;
    std::string read(std::string_view s, std::string_view k) override {
        auto it = values.find(std::string(s) + '/' + std::string(k));
        return it == values.end() ? std::string() : it->second;
    }
    void write(std::string_view s, std::string_view k, std::string_view v) override {
        values[std::string(s) + '/' + std::string(k)] = std::string(v);
    }
    bool flush() override { return true; }
    void setAside(std::string_view) override {}
};

class Table : public rp::Window {
public:
    static constexpr const char* Name = "frmMain";
    explicit Table(rp::Windows& w) : Window(w, Name, rp::size::MainClient, Placement::Screen) {}
};

// Player 2's card full, the others' totals only.
void sampleGame(rp::GameState& s) {
    s.NumPlayers = 3;
    s.GameType = 1;
    s.PlayerName(1) = "Ann";
    s.PlayerName(2) = "Bartholome";
    s.PlayerName(3) = "Cleo";
    const int column[][21] = {
        {0, 3, 6, 9, 12, 15, 24, 69, 35, 104, 22, 26, 25, 30, 40, 0, 23, 166, 104, 166, 270},
        {0, 2, 8, 12, 16, 20, 18, 76, 35, 111, 25, 0, 25, 30, 0, 0, 21, 101, 111, 101, 424},
        {0, 4, 6, 6, 8, 10, 30, 64, 35, 99, 19, 24, 0, 30, 40, 0, 17, 130, 99, 130, 687}};
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 20; ++r) {
            s.Score(2, r, c) = static_cast<rp::Int16>(column[c - 1][r]);
            s.Used(2, r, c) = r != rp::row::Pentaro;
        }
    s.BonusUsed(2, 1, 1) = true;
    s.BonusScore(2, 1, 1) = 50;
    s.BonusUsed(2, 2, 1) = true;
    s.BonusScore(2, 2, 1) = 100;
    s.BonusUsed(2, 1, 2) = true;
    s.ChipCount(2, 1) = 1;
    const int totals[][4] = {{0, 212, 388, 561}, {0, 420, 202, 1311}, {0, 305, 498, 790}};
    for (int p = 1; p <= 3; ++p) {
        int grand = 0;
        for (int c = 1; c <= 3; ++c) {
            s.ColumnScore(p, c) = static_cast<rp::Int16>(totals[p - 1][c]);
            grand += totals[p - 1][c] + s.ChipCount(p, c) * 100 * c;
        }
        s.GrandTotal(p) = static_cast<rp::Int16>(grand);
    }
    s.Winner = 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("newgame");
    const bool focus = argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("focus");
    const QString root = rp::programFolder();
    rp::Pictures pictures(rp::imagesFolder(root));
    // In the desktop's language (LANGUAGE=de ...), as the game starts.
    rp::language::Translations translations(root + QStringLiteral("/translations"));
    translations.apply(rp::language::desktop());
    pictures.setLanguage(translations.current());
    rp::GameState state;
    rp::NullTable table;
    MemoryStore store;
    rp::SoundPlayer sound(state.SoundOn, rp::soundsFolder(root));
    rp::Windows windows({state, pictures, sound});
    rp::WindowedServices services(windows, sound);
    rp::WindowBoard board(windows);
    rp::mdlLogic logic(state, table, services, board, store, [] { return 6; });
    rp::Seats seats;
    store.write("Players", "Seat3", "Hard");
    rp::defineGameWindows(windows, logic, {seats, store}, [&root]() -> std::optional<double> {
        std::string error;
        const auto solved = rp::advisor::SolvedTable::load((root + "/advisor.bin").toStdString(), error);
        return solved ? std::optional<double>(solved->startValue()) : std::nullopt;
    });
    windows.define<Table>();
    windows.setOnLastUnloaded([] {});
    // "zoom150" as the second argument: the window at that zoom.
    if (argc > 2 && QByteArray(argv[2]).startsWith("zoom")) windows.setZoom(QByteArray(argv[2]).mid(4).toInt());

    windows.load("frmHighScores");
    logic.LoadSettings();
    state.SoundOn = false;
    for (const char* w : {"frmNewGame", "frmConfirmBox", "frmConfirmBox2", "frmScoresCheck"}) windows.load(w);

    if (which == "splash") {
        windows.show("frmSplash");
    } else if (which == "exit") {
        windows.show("frmExit");
    } else if (which == "newgame") {
        auto* dlg = windows.find<rp::frmNewGame>();
        dlg->SelectPlayerCount(3);
        dlg->txtPlayers[1]->setText("Ann");
        dlg->txtPlayers[2]->setText("Bartholome");
        dlg->txtPlayers[3]->setText("Eva");
        dlg->imgGameTypeCheck_Click(1);
        windows.show("frmNewGame");
        if (focus) dlg->imgPlayerCheck[2]->setFocus();
    } else if (which == "confirm") {
        state.ConfirmText = rp::text::ConfirmNewGame;
        windows.show("frmConfirmBox");
    } else if (which == "confirm2") {
        windows.find("frmConfirmBox2")->findChild<QLabel*>("lblMessage")->setText(
            "You Are About To\nReset The High Scores");
        windows.show("frmConfirmBox2");
    } else {
        sampleGame(state);
        if (which == "endgamesolo") {
            // One player, one column: the results add the line on best play.
            state.NumPlayers = 1;
            state.GameType = 2;
            state.PlayerName(1) = "Bartholome";
            state.GrandTotal(1) = 251;
            state.ColumnScore(1, 1) = 251;
            state.Winner = 1;
        }
        for (int p = 1; p <= 3; ++p) logic.RecordHighScore(p, state.GrandTotal(p));
        if (which == "highscores") {
            windows.show("frmHighScores");
        } else if (which == "endgame" || which == "endgamesolo") {
            windows.show("frmEndGame");
            if (focus) windows.find<rp::frmEndGame>()->lblPlayer[2]->setFocus();
        } else if (which == "scorescheck") {
            QTimer::singleShot(0, [&] { windows.find<rp::frmScoresCheck>()->ShowScoresCheck(2); });
        } else {
            std::fprintf(stderr, "windowshot: no window \"%s\"\n", qPrintable(which));
            return 2;
        }
    }
    // Where the window landed, for cropping the screenshot to it.
    QTimer::singleShot(500, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            const QRect g = w->frameGeometry();
            std::printf("%dx%d+%d+%d\n", g.width(), g.height(), g.x(), g.y());
            std::fflush(stdout);
            break;
        }
    });
    return QApplication::exec();
}
