// The secondary windows as the players meet them: the new-game dialog, the
// confirmations, the results with a player's card, the high scores and
// their reset, the splash and the farewell; every way out of each.

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "ClickableLabel.h"
#include "TableRig.h"
#include "ImageButton.h"
#include "frmConfirmBox.h"
#include "frmConfirmBox2.h"
#include "frmEndGame.h"
#include "frmExit.h"
#include "frmHighScores.h"
#include "frmNewGame.h"
#include "frmScoresCheck.h"
#include "frmSplash.h"

using namespace rptest;

namespace {

void key(QWidget* w, Qt::Key k) { QTest::keyClick(w, k); }
// Where the keyboard is in that window.
QWidget* focus(QWidget* window) { return TableRig::focus(window); }

QColor colour(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

const QColor Normal(255, 224, 192), Highlight(255, 255, 50), Red(255, 0, 0);

// A finished two-player three-column game that player 2 won.
void finishedGame(rp::GameState& s) {
    s.NumPlayers = 2;
    s.GameType = 1;
    s.PlayerName(1) = "Ann";
    s.PlayerName(2) = "Bob";
    s.Score(1, rp::row::Sixes, 1) = 24;
    s.Used(1, rp::row::Sixes, 1) = true;
    s.Score(2, rp::row::FullHouse, 2) = 25;
    s.Used(2, rp::row::FullHouse, 2) = true;
    s.Score(2, rp::row::UpperTotal2, 1) = 63;
    s.Used(2, rp::row::UpperTotal2, 1) = true;
    s.BonusUsed(2, 1, 1) = true;  // scratched
    s.BonusUsed(2, 2, 1) = true;  // closed with nothing in it
    s.BonusScore(2, 2, 3) = 100;
    s.BonusUsed(2, 2, 3) = true;
    s.ChipCount(2, 3) = 1;
    for (int c = 1; c <= 3; ++c) {
        s.ColumnScore(1, c) = 100 * c;
        s.ColumnScore(2, c) = 150 * c;
    }
    s.GrandTotal(1) = 600;
    s.GrandTotal(2) = 1200;
    s.Winner = 2;
}

}  // namespace

class GameWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TableRig> rig_;
    TableRig& rig() { return *rig_; }

    template <class W>
    W* window() { return rig().windows.find<W>(); }
    QWidget* table() { return rig().windows.find(rp::Windows::MainWindow); }

private slots:
    void init() { rig_ = std::make_unique<TableRig>(TableRig::Start::ThroughSplash); }
    void cleanup() {
        QVERIFY2(TableRig::TableRig::nobodyWaits(), "a window never took its way out");
        rig_.reset();
    }

    // The splash has loaded the settings (a new store: the first-start
    // table, sound on) and every window, and handed over to the table.
    // Reset asks first: Cancel changes nothing, Confirm puts the default
    // table into the window, the game and the store, sound untouched.
    void highScoresResetOnlyAfterConfirm() {
        QVERIFY(!rig().windows.isLoaded(rp::frmSplash::Name));
        QVERIFY(table()->isVisible());
        for (const char* w : {"frmNewGame", "frmHighScores", "frmConfirmBox", "frmConfirmBox2", "frmScoresCheck"})
            QVERIFY2(rig().windows.isLoaded(w), w);
        QCOMPARE(rig().sounds, QStringList{"splash.wav"});
        QCOMPARE(rig().program->store.read("Params", "Sound"), "True");
        auto* scores = window<rp::frmHighScores>();
        QCOMPARE(scores->lblNameB[6]->text(), "Wiffo");

        rig().state.GameType = 2;
        rig().state.PlayerName(1) = "Ann";
        rig().logic.RecordHighScore(1, 250);
        QCOMPARE(scores->lblNameB[1]->text(), "Ann");
        QCOMPARE(colour(scores->lblScoreB[1]), Highlight);
        rig().state.SoundOn = false;  // switched on the table, not yet stored
        const QByteArray before = rig().iniBytes();

        bool cancelled = false, confirmed = false, returned = false;
        inModal([&] {
            QCOMPARE(QApplication::activeModalWidget(), scores);
            QCOMPARE(focus(scores), scores->imgOKButton);
            key(scores->imgOKButton, Qt::Key_Backtab);
            QCOMPARE(focus(scores), scores->imgReset);
            auto* confirm = window<rp::frmConfirmBox2>();
            inModal([&] {
                QCOMPARE(QApplication::activeModalWidget(), confirm);
                QCOMPARE(confirm->lblMessage->text(), "You Are About To\nReset The High Scores");
                key(focus(confirm), Qt::Key_Escape);
                cancelled = !confirm->isVisible();
            });
            key(scores->imgReset, Qt::Key_Space);
            QCOMPARE(rig().iniBytes(), before);
            QCOMPARE(scores->lblNameB[1]->text(), "Ann");
            QCOMPARE(rig().state.BName(1), "Ann");

            inModal([&] {
                QTest::mouseClick(confirm->imgConfirm, Qt::LeftButton);
                confirmed = !confirm->isVisible();
            });
            QTest::mouseClick(scores->imgReset, Qt::LeftButton);
            // The fresh table in the window, the game and the file alike.
            QCOMPARE(scores->lblNameB[6]->text(), "Dud Ove");
            QCOMPARE(colour(scores->lblNameB[1]), Normal);
            QCOMPARE(rig().state.BName(1), "Dallox");
            QCOMPARE(rig().program->store.read("HighScores", "BName6"), "Dud Ove");
            QCOMPARE(rig().program->store.read("HighScores", "AScore3"), "7");
            QCOMPARE(scores->lblNameA[1]->text(), "Pewlin");
            QCOMPARE(rig().program->store.read("HighScores", "AName1"), "Pewlin");
            QCOMPARE(rig().program->store.read("Params", "Sound"), "True");
            QVERIFY(scores->isVisible());
            key(focus(scores), Qt::Key_Escape);
            returned = !scores->isVisible();
        });
        rig().windows.showModal(rp::frmHighScores::Name);
        QVERIFY(cancelled);
        QVERIFY(confirmed);
        QVERIFY(returned);
        QVERIFY(table()->isVisible());
        QVERIFY(TableRig::nobodyWaits());
    }

    // What the players chose is offered again next time, through either way
    // into the dialog; Enter and Escape both start the game.
    void newGameChoicesSurviveFromGameToGame() {
        auto* dlg = window<rp::frmNewGame>();
        bool started = false;
        inModal([&] {
            QCOMPARE(focus(dlg), dlg->txtPlayers[1]);
            QVERIFY(checked(dlg, "1 player"));
            QVERIFY(unchecked(dlg, "2 players"));
            QVERIFY(checked(dlg, "One column"));
            QVERIFY(unchecked(dlg, "Three columns"));
            QVERIFY(accessible(dlg, "Name of player 1"));
            QVERIFY(!dlg->txtPlayers[2]->isVisible());

            QCOMPARE(accessible(dlg, "Done")->role(), QAccessible::Button);
            QTest::mouseClick(dlg->imgPlayerCheck[3], Qt::LeftButton);
            QCOMPARE(focus(dlg), dlg->txtPlayers[3]);
            QTRY_COMPARE(dlg->txtPlayers[3]->selectedText(), "Player 3");
            QTest::keyClicks(dlg->txtPlayers[3], "Carol");
            dlg->txtPlayers[1]->setFocus();
            dlg->txtPlayers[1]->selectAll();
            QTest::keyClicks(dlg->txtPlayers[1], "Ann");
            // From name 1, Tab reaches who plays seat 1, then check 2: Space chooses two players.
            key(dlg->txtPlayers[1], Qt::Key_Tab);
            QCOMPARE(focus(dlg), dlg->imgSeat[1]);
            QCOMPARE(accessible(dlg, "Player 1: Person")->role(), QAccessible::Button);
            key(focus(dlg), Qt::Key_Tab);
            QCOMPARE(focus(dlg), dlg->imgPlayerCheck[2]);
            key(focus(dlg), Qt::Key_Space);
            QVERIFY(checked(dlg, "2 players"));
            QVERIFY(unchecked(dlg, "3 players"));
            QVERIFY(!dlg->txtPlayers[3]->isVisible());
            QCOMPARE(focus(dlg), dlg->txtPlayers[2]);
            dlg->txtPlayers[2]->selectAll();
            QTest::keyClicks(dlg->txtPlayers[2], "Bartholomew the Great");
            QCOMPARE(dlg->txtPlayers[2]->text(), "Bartholome");
            // Name 2, seat 2, check 3, check 4, then the three-column check.
            for (int i = 0; i < 4; ++i) key(focus(dlg), Qt::Key_Tab);
            QCOMPARE(focus(dlg), dlg->imgGameTypeCheck[1]);
            key(focus(dlg), Qt::Key_Space);
            QVERIFY(checked(dlg, "Three columns"));
            QVERIFY(unchecked(dlg, "One column"));
            key(dlg->txtPlayers[2], Qt::Key_Return);
            started = !dlg->isVisible();
        });
        rig().windows.showModal(rp::frmNewGame::Name);
        QVERIFY(started);
        QCOMPARE(rig().state.NumPlayers, 2);
        QCOMPARE(rig().state.GameType, 1);
        QCOMPARE(rig().state.PlayerName(1), "Ann");
        QCOMPARE(rig().state.PlayerName(2), "Bartholome");
        QCOMPARE(rig().state.PlayerName(3), "Player 3");  // not taking part: not copied
        QVERIFY(rig().state.GameInProgress);
        QCOMPARE(rig().state.CurrentPlayer, 1);
        for (int c = 1; c <= 3; ++c) {
            QVERIFY(!rig().state.ColumnDone(2, c));
            QVERIFY(rig().state.ColumnDone(3, c) && rig().state.ColumnDone(4, c));
        }
        QVERIFY(table()->isVisible());
        const QStringList pops = rig().sounds.filter("pop.wav");
        QCOMPARE(pops.size(), 3);

        // During the game the table asks first; Cancel leaves the game be.
        auto* ask = window<rp::frmConfirmBox>();
        rig().state.ConfirmText = "The Current Game\r\nWill Be Lost";
        rig().state.Score(1, 1, 1) = 3;
        inModal([&] {
            QCOMPARE(ask->lblMessage->text(), "The Current Game\nWill Be Lost");
            QCOMPARE(focus(ask), ask->imgCancel);
            QAccessibleInterface* cancel = accessible(ask, "Cancel");
            QCOMPARE(cancel->role(), QAccessible::Button);
            QVERIFY(accessible(ask, "Confirm"));
            cancel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        rig().windows.showModal(rp::frmConfirmBox::Name);
        QVERIFY(rig().state.GameInProgress);
        QCOMPARE(rig().state.Score(1, 1, 1), 3);
        QVERIFY(table()->isVisible());

        // Confirm: the table goes, the dialog comes back as it was left, and
        // only its done clears the old game.
        bool offered = false;
        inModal([&] {
            inModal([&] {
                QCOMPARE(QApplication::activeModalWidget(), dlg);
                QVERIFY(!table()->isVisible());
                QVERIFY(!rig().state.GameInProgress);
                QCOMPARE(rig().state.Score(1, 1, 1), 3);
                QVERIFY(checked(dlg, "2 players") && unchecked(dlg, "3 players"));
                QVERIFY(checked(dlg, "Three columns"));
                QCOMPARE(dlg->txtPlayers[2]->text(), "Bartholome");
                QVERIFY(!dlg->txtPlayers[3]->isVisible());
                QCOMPARE(dlg->txtPlayers[3]->text(), "Carol");
                offered = true;
                key(focus(dlg), Qt::Key_Escape);
            });
            key(ask->imgCancel, Qt::Key_Backtab);
            key(focus(ask), Qt::Key_Space);
        });
        rig().windows.showModal(rp::frmConfirmBox::Name);
        QVERIFY(offered);
        QVERIFY(rig().state.GameInProgress);
        QCOMPARE(rig().state.Score(1, 1, 1), 0);
        QCOMPARE(rig().state.NumPlayers, 2);
        QCOMPARE(rig().state.GameType, 1);
        QVERIFY(table()->isVisible());
        QVERIFY(!ask->isVisible() && !dlg->isVisible());
        QVERIFY(TableRig::nobodyWaits());
    }

    // The window manager's close takes each window's own way out: never a
    // process with nothing on screen, never two windows waiting on each other.
    void aWindowManagerCloseTakesTheWindowsWayOut() {
        auto closeInModal = [&](const char* name, std::function<void()> after) {
            inModal([&] { rig().windows.find(name)->close(); });
            rig().windows.showModal(name);
            QVERIFY2(!rig().windows.find(name)->isVisible(), name);
            QVERIFY(TableRig::nobodyWaits());
            after();
        };
        rig().state.GameInProgress = true;
        rig().state.Score(1, 1, 1) = 3;
        closeInModal("frmConfirmBox", [&] { QVERIFY(rig().state.GameInProgress && rig().state.Score(1, 1, 1) == 3); });
        closeInModal("frmConfirmBox2", [&] { QCOMPARE(rig().state.AName(1), "Vessa"); });
        rig().windows.hide(rp::Windows::MainWindow);
        closeInModal("frmNewGame", [&] {
            QVERIFY(rig().state.GameInProgress && rig().state.Score(1, 1, 1) == 0);
            QVERIFY(table()->isVisible());
        });
        rig().windows.hide(rp::Windows::MainWindow);
        closeInModal("frmHighScores", [&] { QVERIFY(table()->isVisible()); });

        finishedGame(rig().state);
        rig().windows.hide(rp::Windows::MainWindow);
        rig().windows.show(rp::frmEndGame::Name);
        closeInModal("frmScoresCheck", [&] { QVERIFY(window<rp::frmEndGame>()->isVisible()); });
        window<rp::frmEndGame>()->close();
        QVERIFY(!rig().windows.isLoaded(rp::frmEndGame::Name));
        QVERIFY(window<rp::frmHighScores>()->isVisible());
        window<rp::frmHighScores>()->close();
        QVERIFY(table()->isVisible());

        // The farewell, closed early, still ends the program.
        rig().windows.show(rp::frmExit::Name);
        for (const char* w : {"frmHighScores", "frmNewGame", "frmConfirmBox", "frmConfirmBox2", "frmScoresCheck",
                              "frmMain"})
            rig().windows.unload(w);
        QVERIFY(!rig().programEnded);
        window<rp::frmExit>()->close();
        QVERIFY(rig().programEnded);
    }

    // A splash closed early hands over at once.
    void aSplashClosedEarlyHandsOver() {
        rig_ = std::make_unique<TableRig>(TableRig::Start::SplashShowing);
        QVERIFY(!table() || !table()->isVisible());
        rig().windows.find(rp::frmSplash::Name)->close();
        QVERIFY(!rig().windows.isLoaded(rp::frmSplash::Name));
        QVERIFY(table() && table()->isVisible());
    }
};

QTEST_MAIN(GameWindowsTest)
#include "test_game_windows.moc"
