#pragma once
// The whole program over the generated pictures, with scripted dice, sounds
// written down instead of played, and a settings file of its own. Timers
// are driven by calling their handlers; a notice closes as soon as it shows.

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>
#include <random>

#include "Program.h"
#include "frmHighScores.h"
#include "frmMain.h"
#include "frmMessageBox.h"
#include "frmPentaro.h"
#include "frmSplash.h"

namespace rptest {

struct SoundLog : rp::SoundBackend {
    QStringList* played;
    explicit SoundLog(QStringList* log) : played(log) {}
    bool prepare(const QString&) override { return true; }
    void start(const QString& path) override { *played << path.section(u'/', -1); }
    void stop(const QString&) override {}
};

// Runs f once the event loop turns again: inside the modal wait that the
// next call opens.
inline void inModal(std::function<void()> f) { QTimer::singleShot(0, std::move(f)); }

// The control of a window that assistive tools know by this name (or, with
// byDescription, by this description).
inline QAccessibleInterface* accessible(QWidget* window, const QString& text, bool byDescription = false) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; root && i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child && child->text(byDescription ? QAccessible::Description : QAccessible::Name) == text)
            return child;
    }
    return nullptr;
}

inline bool checkState(QWidget* window, const QString& name, bool on) {
    QAccessibleInterface* a = accessible(window, name);
    return a && a->role() == QAccessible::CheckBox && a->state().checked == on &&
           a->text(QAccessible::Description) == (on ? QLatin1String("checked") : QLatin1String("unchecked"));
}
inline bool checked(QWidget* window, const QString& name) { return checkState(window, name, true); }
inline bool unchecked(QWidget* window, const QString& name) { return checkState(window, name, false); }

struct TableRig {
    std::shared_ptr<QTemporaryDir> dir;
    QStringList sounds, messages;
    std::deque<int> script;
    // Dice once the script runs out: seeded faces, or else ones.
    std::optional<std::mt19937> randomDice;
    bool programEnded = false;
    std::unique_ptr<rp::Program> program;
    rp::GameState& state;
    rp::Windows& windows;
    rp::mdlLogic& logic;
    rp::frmMain* table = nullptr;

    enum class Start { AtTable, ThroughSplash, SplashShowing };

    // ThroughSplash starts as a player does; AtTable goes straight to the table.
    explicit TableRig(Start how = Start::AtTable, std::shared_ptr<QTemporaryDir> settings = {})
        : dir(settings ? settings : std::make_shared<QTemporaryDir>()),
          program(makeProgram()),
          state(program->state),
          windows(program->windows),
          logic(program->logic) {
        windows.setOnLastUnloaded([this] { programEnded = true; });
        auto announce = program->services.onNotice;
        program->services.onNotice = [this, announce](std::string_view text) {
            messages << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            announce(text);
            inModal([this] {
                if (auto* m = windows.find<rp::frmMessageBox>()) m->Timer1_Timer();
            });
        };
        if (how != Start::AtTable) {
            program->start();
            program->finishStart();
            if (how == Start::SplashShowing) return;
            windows.find<rp::frmSplash>()->Timer1_Timer();
        } else {
            program->sound.start();
            windows.load<rp::frmHighScores>();
            logic.LoadSettings();
            windows.show<rp::frmMain>();
        }
        table = windows.find<rp::frmMain>();
    }

    std::unique_ptr<rp::Program> makeProgram() {
        rp::ProgramParts parts;
        parts.root = QStringLiteral(RP_OUTPUT_DIR);
        parts.settingsPath = dir->filePath(QStringLiteral("RealPentaro.ini"));
        parts.soundBackend = std::make_unique<SoundLog>(&sounds);
        parts.opponentSeed = 20261207;
        parts.dice = [this] {
            if (script.empty()) return randomDice ? std::uniform_int_distribution<int>(1, 6)(*randomDice) : 1;
            const int v = script.front();
            script.pop_front();
            return v;
        };
        return std::make_unique<rp::Program>(std::move(parts));
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
        state.GameInProgress = true;
        logic.StartNewGame();
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
    std::string stored(const char* section, const char* key) { return program->store.read(section, key); }

    // Where the keyboard is in that window.
    static QWidget* focus(QWidget* window) { return window->focusWidget(); }
    static bool nobodyWaits() { return QApplication::activeModalWidget() == nullptr; }
    QByteArray iniBytes() const {
        QFile f(dir->filePath(QStringLiteral("RealPentaro.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QString name(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
    static QString description(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }
};

}  // namespace rptest
