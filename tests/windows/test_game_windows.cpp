// The secondary windows as the players meet them: the new-game dialog, the
// confirmations, the results with a player's card, the high scores and
// their reset, the splash and the farewell; every way out of each.

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "ClickableLabel.h"
#include "GameRig.h"
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
using rp::GameState;

namespace {

void key(QWidget* w, Qt::Key k) { QTest::keyClick(w, k); }
// Where the keyboard is in that window.
QWidget* focus(QWidget* window) { return window->focusWidget(); }

QColor colour(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

const QColor Normal(255, 224, 192), Highlight(255, 255, 50), Red(255, 0, 0);

// A finished two-player three-column game that player 2 won.
void finishedGame(GameState& s) {
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

    GameRig rig;
    GameState& state = rig.media.state;

    template <class W>
    W* window() { return rig.windows().find<W>(); }
    QWidget* table() { return rig.windows().find(rp::Windows::MainWindow); }
    bool nobodyWaits() { return QApplication::activeModalWidget() == nullptr; }

private slots:
    void init() {
        QVERIFY(rig.start());
        rig.startThroughSplash<rp::frmSplash>();
    }
    void cleanup() {
        QVERIFY2(!rig.stuck, "a window never took its way out");
        rig.stop();
    }

    // The splash has loaded the settings (a new store: the first-start
    // table, sound on) and every window, and handed over to the table.
    // Reset asks first: Cancel changes nothing, Confirm puts the default
    // table into the window, the game and the store, sound untouched.
    void highScoresResetOnlyAfterConfirm() {
        QVERIFY(!rig.windows().isLoaded(rp::frmSplash::Name));
        QVERIFY(table()->isVisible());
        for (const char* w : {"frmNewGame", "frmHighScores", "frmConfirmBox", "frmConfirmBox2", "frmScoresCheck"})
            QVERIFY2(rig.windows().isLoaded(w), w);
        QCOMPARE(rig.sounds(), QStringList{"start splash.wav"});
        QCOMPARE(rig.store.read("Params", "Sound"), "True");
        auto* scores = window<rp::frmHighScores>();
        QCOMPARE(scores->lblNameB[6]->text(), "Wiffo");

        state.GameType = 2;
        state.PlayerName(1) = "Ann";
        rig.logic->RecordHighScore(1, 250);
        QCOMPARE(scores->lblNameB[1]->text(), "Ann");
        QCOMPARE(colour(scores->lblScoreB[1]), Highlight);
        state.SoundOn = false;  // switched on the table, not yet stored
        const auto before = rig.store.values;

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
            QCOMPARE(rig.store.values, before);
            QCOMPARE(scores->lblNameB[1]->text(), "Ann");
            QCOMPARE(state.BName(1), "Ann");

            inModal([&] {
                QTest::mouseClick(confirm->imgConfirm, Qt::LeftButton);
                confirmed = !confirm->isVisible();
            });
            QTest::mouseClick(scores->imgReset, Qt::LeftButton);
            const char* namesB[] = {"Dallox", "Elsra", "Quorinth", "Dallox", "Tazzo", "Dud Ove"};
            for (int i = 1; i <= 6; ++i) {
                const std::string n = std::to_string(i);
                QCOMPARE(scores->lblNameB[i]->text(), namesB[i - 1]);
                QCOMPARE(scores->lblScoreA[i]->text(), "7");
                QCOMPARE(colour(scores->lblNameB[i]), Normal);
                QCOMPARE(scores->lblNameB[i]->font().pointSizeF(), 10.0);
                QCOMPARE(state.BName(i), namesB[i - 1]);
                QCOMPARE(state.AScore(i), 7);
                QCOMPARE(rig.store.read("HighScores", "BName" + n), namesB[i - 1]);
                QCOMPARE(rig.store.read("HighScores", "AScore" + n), "7");
            }
            QCOMPARE(scores->lblNameA[1]->text(), "Pewlin");
            QCOMPARE(rig.store.read("HighScores", "AName1"), "Pewlin");
            QCOMPARE(rig.store.read("Params", "Sound"), "True");
            QVERIFY(scores->isVisible());
            key(focus(scores), Qt::Key_Escape);
            returned = !scores->isVisible();
        });
        rig.windows().showModal(rp::frmHighScores::Name);
        QVERIFY(cancelled);
        QVERIFY(confirmed);
        QVERIFY(returned);
        QVERIFY(table()->isVisible());
        QVERIFY(nobodyWaits());
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
            // From name 1, Tab reaches check 2: Space chooses two players.
            key(dlg->txtPlayers[1], Qt::Key_Tab);
            QCOMPARE(focus(dlg), dlg->imgPlayerCheck[2]);
            key(focus(dlg), Qt::Key_Space);
            QVERIFY(checked(dlg, "2 players"));
            QVERIFY(unchecked(dlg, "3 players"));
            QVERIFY(!dlg->txtPlayers[3]->isVisible());
            QCOMPARE(focus(dlg), dlg->txtPlayers[2]);
            dlg->txtPlayers[2]->selectAll();
            QTest::keyClicks(dlg->txtPlayers[2], "Bartholomew the Great");
            QCOMPARE(dlg->txtPlayers[2]->text(), "Bartholome");
            // Name 2, check 3, check 4, then the three-column check.
            for (int i = 0; i < 3; ++i) key(focus(dlg), Qt::Key_Tab);
            QCOMPARE(focus(dlg), dlg->imgGameTypeCheck[1]);
            key(focus(dlg), Qt::Key_Space);
            QVERIFY(checked(dlg, "Three columns"));
            QVERIFY(unchecked(dlg, "One column"));
            key(dlg->txtPlayers[2], Qt::Key_Return);
            started = !dlg->isVisible();
        });
        rig.windows().showModal(rp::frmNewGame::Name);
        QVERIFY(started);
        QCOMPARE(state.NumPlayers, 2);
        QCOMPARE(state.GameType, 1);
        QCOMPARE(state.PlayerName(1), "Ann");
        QCOMPARE(state.PlayerName(2), "Bartholome");
        QCOMPARE(state.PlayerName(3), "Player 3");  // not taking part: not copied
        QVERIFY(state.GameInProgress);
        QCOMPARE(state.CurrentPlayer, 1);
        for (int c = 1; c <= 3; ++c) {
            QVERIFY(!state.ColumnDone(2, c));
            QVERIFY(state.ColumnDone(3, c) && state.ColumnDone(4, c));
        }
        QVERIFY(table()->isVisible());
        const QStringList pops = rig.sounds().filter("start pop.wav");
        QCOMPARE(pops.size(), 3);

        // During the game the table asks first; Cancel leaves the game be.
        auto* ask = window<rp::frmConfirmBox>();
        state.ConfirmText = "The Current Game\r\nWill Be Lost";
        state.Score(1, 1, 1) = 3;
        inModal([&] {
            QCOMPARE(ask->lblMessage->text(), "The Current Game\nWill Be Lost");
            QCOMPARE(focus(ask), ask->imgCancel);
            QAccessibleInterface* cancel = accessible(ask, "Cancel");
            QCOMPARE(cancel->role(), QAccessible::Button);
            QVERIFY(accessible(ask, "Confirm"));
            cancel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        rig.windows().showModal(rp::frmConfirmBox::Name);
        QVERIFY(state.GameInProgress);
        QCOMPARE(state.Score(1, 1, 1), 3);
        QVERIFY(table()->isVisible());

        // Confirm: the table goes, the dialog comes back as it was left, and
        // only its done clears the old game.
        bool offered = false;
        inModal([&] {
            inModal([&] {
                QCOMPARE(QApplication::activeModalWidget(), dlg);
                QVERIFY(!table()->isVisible());
                QVERIFY(!state.GameInProgress);
                QCOMPARE(state.Score(1, 1, 1), 3);
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
        rig.windows().showModal(rp::frmConfirmBox::Name);
        QVERIFY(offered);
        QVERIFY(state.GameInProgress);
        QCOMPARE(state.Score(1, 1, 1), 0);
        QCOMPARE(state.NumPlayers, 2);
        QCOMPARE(state.GameType, 1);
        QVERIFY(table()->isVisible());
        QVERIFY(!ask->isVisible() && !dlg->isVisible());
        QVERIFY(nobodyWaits());
    }

    // The results of a game that set a high score: winner, rows, the flash
    // pictures taking turns, any player's card from the keyboard, then done
    // clears the game and leads through the high scores back to the table.
    void endOfGameShowsResultsAndCards() {
        finishedGame(state);
        state.GameInProgress = true;
        rig.logic->RecordHighScore(2, 1200);
        QVERIFY(state.NewHighScore);
        rig.windows().hide(rp::Windows::MainWindow);
        rig.windows().show(rp::frmEndGame::Name);
        auto* end = window<rp::frmEndGame>();
        QVERIFY(end->isVisible() && !end->isModal());
        QCOMPARE(end->windowTitle(), "Game Over");
        QCOMPARE(end->background(), "endgamewin.jpg");
        QVERIFY(rig.sounds().contains("start newhigh.wav"));
        QCOMPARE(end->lblWinner->text(), "The Winner is:  Bob");
        QVERIFY(accessible(end, "The Winner is:  Bob"));
        const char* rows[][8] = {{"", "100", "0", "200", "0", "300", "0", "600"},
                                 {"", "150", "0", "300", "0", "450", "300", "1200"}};
        for (int p = 1; p <= 2; ++p) {
            QCOMPARE(end->lblPlayer[p]->text(), state.PlayerName(p).c_str());
            for (int r = 1; r <= 7; ++r) QCOMPARE(end->lblScoreGrid(p, r)->text(), rows[p - 1][r]);
        }
        QCOMPARE(colour(end->lblPlayer[2]), Red);
        QCOMPARE(colour(end->lblScoreGrid(2, 7)), Red);
        QVERIFY(colour(end->lblScoreGrid(1, 7)) != Red);
        QVERIFY(!end->lblPlayer[3]->isEnabled() && end->lblPlayer[3]->text().isEmpty());
        QVERIFY(end->lblScoreGrid(3, 7)->text().isEmpty());

        QVERIFY(end->imgRight->isVisible() && !end->imgLeft->isVisible());
        QVERIFY(end->Timer1->isActive() && end->Timer1->interval() == 700);
        for (int i = 0; i < 2; ++i) {
            end->Timer1_Timer();
            QVERIFY(end->imgLeft->isVisible() && !end->imgRight->isVisible());
            QVERIFY(end->Timer2->isActive() && !end->Timer1->isActive());
            end->Timer2_Timer();
            QVERIFY(end->imgRight->isVisible() && !end->imgLeft->isVisible());
            QVERIFY(end->Timer1->isActive() && !end->Timer2->isActive());
        }

        // Tab from done wraps to the first name, then the second; Enter opens.
        auto* card = window<rp::frmScoresCheck>();
        QCOMPARE(focus(end), end->imgDone);
        key(end->imgDone, Qt::Key_Tab);
        key(focus(end), Qt::Key_Tab);
        QCOMPARE(focus(end), end->lblPlayer[2]);
        bool seen = false;
        inModal([&] {
            QCOMPARE(QApplication::activeModalWidget(), card);
            QCOMPARE(card->lblPlayer->text(), "Bob");
            auto box = [&](const char* d) {
                QAccessibleInterface* a = accessible(card, d, true);
                return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
            };
            QCOMPARE(box("Game 2, Full House"), "25");
            QCOMPARE(box("Game 1, Upper Total (row 18)"), "63");
            QCOMPARE(box("Game 1, Sixes"), "");
            QCOMPARE(box("Game 1, Pentaro box 1"), "0");
            QCOMPARE(box("Game 1, Pentaro box 2"), "");
            QCOMPARE(box("Game 3, Pentaro box 2"), "100");
            QCOMPARE(accessible(card, "Chip, Game 3")->text(QAccessible::Description), "shown");
            QCOMPARE(accessible(card, "Chip, Game 1")->text(QAccessible::Description), "");
            QCOMPARE(card->lblChipTotal[3]->text(), "1");
            seen = true;
            key(focus(card), Qt::Key_Escape);
        });
        key(end->lblPlayer[2], Qt::Key_Return);
        QVERIFY(seen);
        QVERIFY(!card->isVisible() && end->isVisible());
        QCOMPARE(focus(end), end->lblPlayer[2]);

        // Player 1's card by mouse shows nothing of player 2's.
        inModal([&] {
            QCOMPARE(card->lblPlayer->text(), "Ann");
            QCOMPARE(card->lblGame(1, rp::row::Sixes)->text(), "24");
            QVERIFY(card->lblGame(2, rp::row::FullHouse)->text().isEmpty());
            QVERIFY(card->lblGameY(1, 1)->text().isEmpty());
            QVERIFY(card->lblChipTotal[3]->text().isEmpty() && card->imgPentaroChip[3]->pixmap().isNull());
            QTest::mouseClick(card->imgDoneButton, Qt::LeftButton);
        });
        QTest::mouseClick(end->lblPlayer[1], Qt::LeftButton);
        QVERIFY(!card->isVisible());

        QTest::mouseClick(end->imgDone, Qt::LeftButton);
        QVERIFY(!rig.windows().isLoaded(rp::frmEndGame::Name));
        QVERIFY(!state.GameInProgress);
        QCOMPARE(state.RollCount, 3);
        QCOMPARE(state.GrandTotal(2), 0);
        auto* scores = window<rp::frmHighScores>();
        QVERIFY(scores->isVisible() && !scores->isModal());
        QVERIFY(!table()->isVisible());
        QCOMPARE(scores->lblNameA[1]->text(), "Bob");
        QCOMPARE(colour(scores->lblNameA[1]), Highlight);
        QCOMPARE(scores->lblScoreA[1]->font().pointSizeF(), 12.0);
        QTest::mouseClick(scores->imgOKButton, Qt::LeftButton);
        QVERIFY(!scores->isVisible() && table()->isVisible());
        QCOMPARE(colour(scores->lblNameA[1]), Normal);
        QCOMPARE(scores->lblScoreA[1]->font().pointSizeF(), 10.0);
        QVERIFY(!state.AHighlight(1));
        QVERIFY(nobodyWaits());
    }

    // The window manager's close takes each window's own way out: never a
    // process with nothing on screen, never two windows waiting on each other.
    void aWindowManagerCloseTakesTheWindowsWayOut() {
        auto closeInModal = [&](const char* name, std::function<void()> after) {
            inModal([&] { rig.windows().find(name)->close(); });
            rig.windows().showModal(name);
            QVERIFY2(!rig.windows().find(name)->isVisible(), name);
            QVERIFY(nobodyWaits());
            after();
        };
        state.GameInProgress = true;
        state.Score(1, 1, 1) = 3;
        closeInModal("frmConfirmBox", [&] { QVERIFY(state.GameInProgress && state.Score(1, 1, 1) == 3); });
        closeInModal("frmConfirmBox2", [&] { QCOMPARE(state.AName(1), "Vessa"); });
        rig.windows().hide(rp::Windows::MainWindow);
        closeInModal("frmNewGame", [&] {
            QVERIFY(state.GameInProgress && state.Score(1, 1, 1) == 0);
            QVERIFY(table()->isVisible());
        });
        rig.windows().hide(rp::Windows::MainWindow);
        closeInModal("frmHighScores", [&] { QVERIFY(table()->isVisible()); });

        finishedGame(state);
        rig.windows().hide(rp::Windows::MainWindow);
        rig.windows().show(rp::frmEndGame::Name);
        closeInModal("frmScoresCheck", [&] { QVERIFY(window<rp::frmEndGame>()->isVisible()); });
        window<rp::frmEndGame>()->close();
        QVERIFY(!rig.windows().isLoaded(rp::frmEndGame::Name));
        QVERIFY(window<rp::frmHighScores>()->isVisible());
        window<rp::frmHighScores>()->close();
        QVERIFY(table()->isVisible());

        // The farewell, closed early, still ends the program.
        rig.windows().show(rp::frmExit::Name);
        for (const char* w : {"frmHighScores", "frmNewGame", "frmConfirmBox", "frmConfirmBox2", "frmScoresCheck",
                              "frmMain"})
            rig.windows().unload(w);
        QVERIFY(!rig.programEnded);
        window<rp::frmExit>()->close();
        QVERIFY(rig.programEnded);
    }

    // A splash closed early hands over at once.
    void aSplashClosedEarlyHandsOver() {
        QVERIFY(rig.start());
        rig.windows().show(rp::frmSplash::Name);
        QVERIFY(!table());
        rig.windows().find(rp::frmSplash::Name)->close();
        QVERIFY(!rig.windows().isLoaded(rp::frmSplash::Name));
        QVERIFY(table() && table()->isVisible());
    }
};

QTEST_MAIN(GameWindowsTest)
#include "test_game_windows.moc"
