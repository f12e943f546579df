// The program from its splash to its goodbye, as players go through it,
// and what it keeps in its settings file from one start to the next.

#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <csignal>

#include "Signals.h"
#include "TableRig.h"
#include "frmConfirmBox.h"
#include "frmEndGame.h"
#include "frmExit.h"
#include "frmNewGame.h"
#include "frmScoresCheck.h"

using rptest::inModal;
using rptest::TableRig;

class JourneyTest : public QObject {
    Q_OBJECT

    // Sets up a game in the new-game dialog while the table waits on it.
    static void setUpGame(TableRig& rig, QStringList names, int type) {
        inModal([&rig, names, type] {
            auto* dialog = rig.windows.find<rp::frmNewGame>();
            QVERIFY(dialog && dialog->isVisible());
            dialog->imgPlayerCheck_Click(static_cast<int>(names.size()));
            for (int i = 0; i < names.size(); ++i) dialog->txtPlayers[i + 1]->setText(names[i]);
            dialog->imgGameTypeCheck_Click(type);
            QTest::keyClick(dialog->txtPlayers[1], Qt::Key_Return);  // Enter is done
        });
    }

    // One turn of the current player: roll these dice, enter them there.
    static void turn(TableRig& rig, std::vector<int> faces, int column, int row) {
        rig.roll(std::move(faces));
        if (row > 0) rig.box(column, row);
        else rig.bonus(column, 1);  // row 0: the Pentaro box, given up
        if (rig.table->tmrNext->isActive()) rig.table->tmrNext_Timer();
    }

private slots:
    void fromSplashToTheHighScoresAndBack() {
        TableRig rig(TableRig::Start::ThroughSplash);
        QVERIFY(rig.table->isVisible());
        QVERIFY(!rig.windows.isLoaded<rp::frmSplash>());
        QCOMPARE(rig.sounds.first(), QString("splash.wav"));
        QCOMPARE(rig.stored("Params", "Sound"), std::string("True"));  // a first start
        QCOMPARE(rig.stored("HighScores", "AName1"), std::string("Vessa"));

        setUpGame(rig, {"Ada", "Bob"}, 1);
        TableRig::click(rig.table->imgNewGameButton);
        QCOMPARE(rig.table->lblPlayer->text(), QString("Ada"));

        // Every box of both cards, in turn: Ada rolls 1-5 throughout, Bob 2-6.
        std::vector<std::pair<int, int>> order;
        for (int c = 1; c <= 3; ++c) {
            for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16}) order.push_back({c, r});
            order.push_back({c, 0});
        }
        for (auto [c, r] : order) {
            QCOMPARE(rig.table->lblPlayer->text(), QString("Ada"));
            turn(rig, {1, 2, 3, 4, 5}, c, r);
            QCOMPARE(rig.table->lblPlayer->text(), QString("Bob"));
            turn(rig, {2, 3, 4, 5, 6}, c, r);
        }
        QVERIFY(rig.table->tmrEndGame->isActive());
        rig.table->tmrEndGame_Timer();
        QVERIFY(!rig.table->isVisible());

        auto* results = rig.windows.find<rp::frmEndGame>();
        QVERIFY(results && results->isVisible());
        QCOMPARE(results->windowTitle(), QString("Game Over"));
        QCOMPARE(results->lblWinner->text(), QString("The Winner is:  Bob"));
        QCOMPARE(results->lblScoreGrid(1, 1)->text(), QString("100"));
        QCOMPARE(results->lblScoreGrid(1, 5)->text(), QString("300"));
        QCOMPARE(results->lblScoreGrid(2, 7)->text(), QString("660"));
        QCOMPARE(rig.sounds.last(), QString("newhigh.wav"));
        // A new high score: the flash pictures take turns.
        QVERIFY(results->imgRight->isVisible() && !results->imgLeft->isVisible());
        results->Timer1_Timer();
        QVERIFY(results->imgLeft->isVisible() && !results->imgRight->isVisible());
        results->Timer2_Timer();
        QVERIFY(results->imgRight->isVisible() && results->Timer1->isActive());

        // Bob's card from the keyboard: Tab from done wraps to the names.
        QCOMPARE(TableRig::focus(results), results->imgDone);
        QTest::keyClick(results->imgDone, Qt::Key_Tab);
        QTest::keyClick(TableRig::focus(results), Qt::Key_Tab);
        inModal([&rig] {
            auto* card = rig.windows.find<rp::frmScoresCheck>();
            QCOMPARE(card->lblPlayer->text(), QString("Bob"));
            auto* box = rptest::accessible(card, "Game 2, Large Straight", true);
            QVERIFY(box);
            QCOMPARE(box->text(QAccessible::Name), QString("40"));
            QTest::keyClick(TableRig::focus(card), Qt::Key_Escape);
        });
        QTest::keyClick(TableRig::focus(results), Qt::Key_Return);
        QVERIFY(!rig.windows.find<rp::frmScoresCheck>()->isVisible());

        inModal([&rig] {
            auto* card = rig.windows.find<rp::frmScoresCheck>();
            QVERIFY(card && card->isVisible());
            QCOMPARE(card->lblPlayer->text(), QString("Ada"));
            QCOMPARE(card->lblGame(3, 20)->text(), QString("100"));
            QCOMPARE(card->lblGameY(2, 1)->text(), QString("0"));
            card->imgDoneButton_MouseUp();
        });
        results->lblPlayer_Click(1);
        QVERIFY(results->isVisible());

        results->imgDone_MouseUp();
        auto* scores = rig.windows.find<rp::frmHighScores>();
        QVERIFY(scores->isVisible());
        QCOMPARE(scores->lblNameA[1]->text(), QString("Bob"));
        QCOMPARE(scores->lblNameA[2]->text(), QString("Ada"));
        QCOMPARE(scores->lblNameA[1]->palette().color(QPalette::WindowText), QColor(255, 255, 50));
        QCOMPARE(scores->lblNameA[3]->palette().color(QPalette::WindowText), QColor(255, 224, 192));
        QCOMPARE(rig.stored("HighScores", "AScore1"), std::string("660"));
        QCOMPARE(rig.stored("HighScores", "BScore1"), std::string("7"));  // the other table untouched

        scores->imgOKButton_MouseUp();
        QVERIFY(rig.table->isVisible());
        rig.roll({6, 6, 6, 6, 6});  // nothing rolls until the next new game
        QVERIFY(!rig.logic.DiceTumbling());
        QCOMPARE(rig.at(1, 1), QString());
    }

    void theSoundSwitchOutlivesEveryWayOut() {
        auto settings = std::make_shared<QTemporaryDir>();
        {
            TableRig rig(TableRig::Start::ThroughSplash, settings);
            TableRig::click(rig.table->imgSoundButton);
            TableRig::click(rig.table->lblExit);
            QVERIFY(rig.windows.find<rp::frmExit>()->isVisible());
            QCOMPARE(rig.windows.loadedCount(), 1);
            rig.windows.find<rp::frmExit>()->Timer1_Timer();
            QVERIFY(rig.programEnded);
        }
        {
            TableRig rig(TableRig::Start::ThroughSplash, settings);
            QVERIFY(!rig.state.SoundOn);
            QVERIFY(!rig.sounds.contains("splash.wav"));
            // Switched on again, then a real SIGTERM: saved before the end.
            QTest::keyClick(rig.table->cmdGhostEnter, Qt::Key_M);
            rp::onTerminationSignal(&rig.windows, [&rig] { rig.program->terminate(); });
            std::raise(SIGTERM);
            QTRY_COMPARE_WITH_TIMEOUT(rig.stored("Params", "Sound"), std::string("True"), 10000);
        }
        QSettings ini(settings->filePath("RealPentaro.ini"), QSettings::IniFormat);
        QCOMPARE(ini.value("Params/Sound").toString(), QString("True"));
        QCOMPARE(ini.value("HighScores/BName6").toString(), QString("Wiffo"));
    }
};

QTEST_MAIN(JourneyTest)
#include "test_journey.moc"
