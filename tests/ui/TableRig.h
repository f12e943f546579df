#pragma once
// The real table window over the generated pictures, wired to the real rules
// with scripted dice. Sounds and notices are written down, not played; the
// timers are driven by calling their handlers.

#include <QAccessible>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>

#include "Rig.h"
#include "SoundPlayer.h"
#include "TableForwarder.h"
#include "WindowedServices.h"
#include "frmMain.h"
#include "frmPentaro.h"

namespace rptest {

struct SoundLog : rp::SoundBackend {
    QStringList* played;
    explicit SoundLog(QStringList* log) : played(log) {}
    bool prepare(const QString&) override { return true; }
    void start(const QString& path) override { *played << path.section(u'/', -1); }
    void stop(const QString&) override {}
};

// Sound through the real player (so the switch is honoured), notices noted.
struct NotingServices : rp::GameServices {
    NotingServices(rp::Windows& w, rp::SoundSink& s, const rp::GameState& st)
        : windows(w), sound(s), state(st) {}
    rp::Windows& windows;
    rp::SoundSink& sound;
    const rp::GameState& state;
    QStringList messages;
    void play(std::string_view name) override { sound.play(name); }
    void showMessage() override { messages << QString::fromStdString(state.MessageText); }
    void openCelebration() override { windows.show<rp::frmPentaro>(); }
};

struct TableRig {
    rp::GameState state;
    rp::Pictures pictures{QStringLiteral(RP_OUTPUT_DIR "/images")};
    QStringList sounds;
    rp::SoundPlayer player{state.SoundOn, QStringLiteral(RP_OUTPUT_DIR "/sounds"),
                           std::make_unique<SoundLog>(&sounds)};
    rp::Windows windows{{state, pictures, player}};
    NotingServices services{windows, player, state};
    rp::TableForwarder forwarder{windows};
    rp::test::FakeBoard board;
    rp::test::MapStore store;
    std::deque<int> script;
    rp::mdlLogic logic{state, forwarder, services, board, store, [this] {
                           if (script.empty()) return 1;
                           const int v = script.front();
                           script.pop_front();
                           return v;
                       }};
    rp::frmMain* table = nullptr;

    TableRig() {
        rp::installAccessibleControls();
        windows.define<rp::frmPentaro>();
        windows.define(rp::frmMain::Name, [this](rp::Windows& ws) { return new rp::frmMain(ws, logic); });
        windows.setOnLastUnloaded({});
        table = windows.load<rp::frmMain>();
        windows.show<rp::frmMain>();
    }

    // Players set up as the new-game dialog leaves them.
    void newGame(int players, int gameType, bool sound = true) {
        state.SoundOn = sound;
        state.NumPlayers = static_cast<rp::Int16>(players);
        state.GameType = static_cast<rp::Int16>(gameType);
        for (int p = 1; p <= rp::MaxPlayers; ++p) {
            state.PlayerName(p) = "Player " + std::to_string(p);
            for (int c = 1; c <= rp::Columns; ++c) state.ColumnDone(p, c) = p > players;
        }
        state.CurrentPlayer = 1;
        logic.StartNewGame();
        state.GameInProgress = true;
    }

    // Runs every tumbling die's timers until all have landed.
    void landDice() {
        for (bool ticked = true; ticked;) {
            ticked = false;
            for (int d = 1; d <= rp::DiceCount; ++d)
                for (int e = 1; e <= 6; ++e)
                    if (table->tmrDieAnimator(d, e)->isActive()) {
                        table->tmrDieAnimator_Timer(d, e);
                        ticked = true;
                        break;
                    }
        }
    }

    // Enter rolls; the dice not kept land on faces in die order; the pause ends.
    void roll(std::vector<int> faces) {
        script.assign(faces.begin(), faces.end());
        QTest::keyClick(table->cmdGhostEnter, Qt::Key_Return);
        landDice();
        if (table->tmrRollPause->isActive()) table->tmrRollPause_Timer();
    }

    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void box(int column, int row) { click(table->lblGame(column, row)); }
    void bonus(int column, int b) { click(table->lblGameY(column, b)); }
    QString at(int column, int row) const { return table->lblGame(column, row)->text(); }

    static QString name(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
    static QString description(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }
};

}  // namespace rptest
