// What the table tells a player: every player's standing, what each box
// would score, why a click did nothing, the columns not played, waits cut
// short, settings trouble and the help window.

#include <QTest>

#include <QTextBrowser>
#include <random>

#include "TableRig.h"
#include "Texts.h"
#include "Version.h"
#include "Zoom.h"
#include "frmHelp.h"
#include "frmScoresCheck.h"

using rptest::TableRig;

class TableTellsTest : public QObject {
    Q_OBJECT

    static QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

private slots:
    // A seeded two-player game of three columns: at every turn the standings
    // match the cards as the entries built them, each box shows what a click
    // then enters, and the refused clicks say why.
    void twoPlayersSeeStandingsPreviewsAndReasons() {
        TableRig rig;
        auto* t = rig.table;
        auto* status = t->findChild<QLabel*>(QStringLiteral("lblStatus"));
        auto standing = [&](int p) { return TableRig::name(t->findChild<rp::TableLabel*>(QStringLiteral("lblStanding(%1)").arg(p))); };
        QCOMPARE(TableRig::name(status), QString("Press New Game to start."));
        QCOMPARE(t->imgRollButton->picture(), std::string("rolloff.jpg"));
        TableRig::click(t->imgRollButton);
        QCOMPARE(TableRig::name(status), QString("Start a game with New Game."));

        rig.newGame(2, 1, false);
        QCOMPARE(t->imgRollButton->picture(), std::string("rollup.jpg"));
        rig.box(2, 3);
        QCOMPARE(TableRig::name(status), QString("Roll the dice first."));
        QCOMPARE(TableRig::name(t->lblAnnounce), QString("Roll the dice first."));

        std::mt19937 rng(17);
        auto die = [&rng] { return int(rng() % 6) + 1; };
        int expected[3] = {0, 0, 0};
        for (int turn = 0; !t->tmrEndGame->isActive(); ++turn) {
            QVERIFY(turn < 100);
            const int p = rig.state.CurrentPlayer;
            QCOMPARE(standing(p), QString::fromStdString(rig.state.PlayerName(p)) + QStringLiteral(": %1").arg(expected[p]));
            QCOMPARE(TableRig::description(t->findChild<rp::TableLabel*>(QStringLiteral("lblStanding(%1)").arg(p))), QString("on turn"));
            const int rolls = 1 + int(rng() % 3);
            for (int r = 0; r < rolls; ++r) {
                const int f = die();
                rig.roll(turn % 7 == 3 && r == 0 ? std::vector<int>{f, f, f, f, f}
                                                 : std::vector<int>{die(), die(), die(), die(), die()});
            }
            if (rolls == 3) {
                QCOMPARE(t->imgRollButton->picture(), std::string("rolloff.jpg"));
                TableRig::click(t->imgRollButton);  // refused with its look alone
            }
            // Every box with a preview; a box without one is refused when clicked.
            std::vector<rp::TableLabel*> previewed, silent;
            for (int c = 1; c <= 3; ++c) {
                for (int row = 1; row <= 20; ++row) {
                    auto* box = t->lblGame(c, row);
                    (box->preview().isEmpty() ? silent : previewed).push_back(box);
                    if (!box->preview().isEmpty())
                        QVERIFY(TableRig::description(box).endsWith(", would score " + box->preview()));
                }
                for (int b = 1; b <= 3; ++b) (t->lblGameY(c, b)->preview().isEmpty() ? silent : previewed).push_back(t->lblGameY(c, b));
            }
            QVERIFY(!previewed.empty());
            auto* refused = silent[rng() % silent.size()];
            const int used = refused->text().isEmpty() ? 0 : 1;
            TableRig::click(refused);
            QVERIFY(!t->tmrNext->isActive() && !t->tmrEndGame->isActive());
            if (used) QCOMPARE(TableRig::name(status), QString("That box is filled."));

            auto* chosen = previewed[rng() % previewed.size()];
            const QString preview = chosen->preview();
            int column = 0;
            for (int c = 1; c <= 3; ++c)
                if (chosen->objectName().startsWith(QStringLiteral("lblGame%1").arg(c))) column = c;
            const int chipsBefore = rig.state.ChipCount(p, column);
            const QString bonusBefore = rig.at(column, 8);
            TableRig::click(chosen);
            QCOMPARE(chosen->text(), preview);
            QVERIFY(chosen->preview().isEmpty());
            expected[p] += (preview.toInt() + (rig.state.ChipCount(p, column) - chipsBefore) * 100) * column;
            if (bonusBefore.isEmpty()) expected[p] += rig.at(column, 8).toInt() * column;
            QCOMPARE(standing(p), QString::fromStdString(rig.state.PlayerName(p)) + QStringLiteral(": %1").arg(expected[p]));
            if (t->tmrNext->isActive()) t->tmrNext_Timer();
        }
        rig.roll({1, 2, 3, 4, 5});
        QCOMPARE(TableRig::name(status), QString("Wait for the next player."));
        for (int p = 1; p <= 2; ++p) QCOMPARE(expected[p], int(rig.state.GrandTotal(p)));
        QCOMPARE(standing(1), QStringLiteral("Player 1: %1").arg(expected[1]));

        // A player's card at any moment, from the standings, by click or key.
        bool shown = false;
        rptest::inModal([&] {
            auto* card = rig.windows.find<rp::frmScoresCheck>();
            shown = card->isVisible() && card->lblPlayer->text() == "Player 2";
            card->imgDoneButton_MouseUp();
        });
        QTest::keyClick(t->cmdGhostEnter, Qt::Key_2, Qt::ControlModifier);
        QVERIFY(shown);
    }

    // The one-column game: columns 2 and 3 are dimmed, say so, and refuse with a reason.
    void aOneColumnGameDimsTheOtherColumns() {
        TableRig rig;
        auto* t = rig.table;
        auto* veil = t->findChild<QWidget*>(QStringLiteral("TableOneColumn"));
        QVERIFY(!veil->isVisible());
        rig.newGame(1, 2, false);
        QVERIFY(veil->isVisible());
        QCOMPARE(TableRig::description(t->lblGame(2, 4)), QString("Game 2, Fours, not played"));
        QCOMPARE(TableRig::description(t->lblGameY(3, 1)), QString("Game 3, Pentaro box 1, not played"));
        QVERIFY(!TableRig::description(t->lblGame(1, 4)).contains("not played"));
        rig.roll({4, 4, 4, 2, 1});
        QCOMPARE(t->lblGame(1, 4)->preview(), QString("12"));
        QCOMPARE(t->lblGame(2, 4)->preview(), QString());
        rig.box(3, 4);
        QCOMPARE(TableRig::name(t->findChild<QLabel*>(QStringLiteral("lblStatus"))),
                 QString("Game 3 is not played in a one-column game."));
        // P turns the previews off, and the choice is kept.
        QTest::keyClick(t->cmdGhostEnter, Qt::Key_P);
        QCOMPARE(t->lblGame(1, 4)->preview(), QString());
        QCOMPARE(rig.stored("Params", "Preview"), std::string("False"));
        rig.box(1, 4);
        QCOMPARE(rig.at(1, 4), QString("12"));
        QVERIFY(!veil->isVisible() || rig.state.GameType == 2);
    }

    // The waits a player may cut short: the next-player sign by a click or a
    // key (a roll key then rolls for the next player), the splash and the goodbye.
    void waitsCutShort() {
        TableRig rig;
        rig.newGame(2, 2);
        rig.roll({6, 6, 6, 5, 5});
        rig.box(1, 16);
        QVERIFY(rig.table->imgNext->isVisible());
        TableRig::click(rig.table->imgRollingDice[1]);  // ends the sign, keeps no die
        QVERIFY(!rig.table->imgNext->isVisible());
        QVERIFY(!rig.table->tmrNext->isActive());
        QVERIFY(!rig.state.DieKept(1));
        QCOMPARE(rig.table->lblPlayer->text(), QString("Player 2"));
        QCOMPARE(rig.at(1, 16), QString());
        QCOMPARE(TableRig::name(rig.table->imgRollingDice[1]), QString("Die 1: 6"));
        rig.roll({2, 2, 3, 3, 3});
        rig.box(1, 12);
        rig.roll({4, 4, 4, 1, 2});  // Enter ends the sign and rolls for player 1
        QCOMPARE(rig.table->lblPlayer->text(), QString("Player 1"));
        QCOMPARE(rig.at(1, 16), QString("28"));
        QCOMPARE(rig.state.RollCount, 1);
        QCOMPARE(rig.state.Dice(1), 4);

        TableRig start(TableRig::Start::SplashShowing);
        QVERIFY(start.windows.isLoaded<rp::frmSplash>());
        TableRig::click(start.windows.find<rp::frmSplash>());
        QVERIFY(!start.windows.isLoaded<rp::frmSplash>());
        QVERIFY(start.windows.find<rp::frmMain>()->isVisible());
        start.table = start.windows.find<rp::frmMain>();
        start.table->lblExit_Click();
        QVERIFY(!start.programEnded);
        QTest::keyClick(start.windows.find(QStringLiteral("frmExit")), Qt::Key_Space);
        QVERIFY(start.programEnded);
    }

    // Hand-edited settings: the readable values stay, the player is told on the table.
    void settingsTroubleIsToldOnTheTable() {
        auto dir = std::make_shared<QTemporaryDir>();
        QFile ini(dir->filePath(QStringLiteral("RealPentaro.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Params]\nSound=0\n[HighScores]\nAScore1=900\nAName1=Ann\n");
        ini.close();
        TableRig rig(TableRig::Start::ThroughSplash, dir);
        QTRY_COMPARE(rig.messages, QStringList{"Some settings could not be read: defaults are used."});
        QCOMPARE(rig.state.AScore(1), 900);
        QCOMPARE(rig.state.AName(1), std::string("Ann"));
        QVERIFY(rig.state.SoundOn);
        QVERIFY(QFile::exists(ini.fileName() + ".bad"));
        QCOMPARE(rig.stored("Params", "Sound"), std::string("True"));
    }

    // Help in the game's own window, read from readme.txt beside the program.
    void helpShowsTheReadmeOrSaysWhyNot() {
        TableRig rig;
        QTest::keyClick(rig.table->cmdGhostEnter, Qt::Key_F1);
        auto* help = rig.windows.find<rp::frmHelp>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Real Pentaro Help"));
        const QString text = help->txtHelp->toPlainText();
        QVERIFY(text.startsWith("REAL PENTARO - HOW TO PLAY"));
        QVERIFY(!text.contains("====="));
        QVERIFY(help->txtHelp->toHtml().contains("<h2"));
        QVERIFY(text.contains("Real Pentaro, version " RP_VERSION));
        QCOMPARE(help->focusWidget(), static_cast<QWidget*>(help->txtHelp));
        QTest::keyClick(help->txtHelp, Qt::Key_Escape);
        QVERIFY(!help->isVisible());

        help->helpFile = QStringLiteral("/nonexistent/readme.txt");
        TableRig::click(rig.table->imgHelpButton);
        QVERIFY(help->isVisible());
        QVERIFY(help->txtHelp->toPlainText().contains("The help file cannot be read: /nonexistent/readme.txt"));
        help->imgDoneButton->click();
        QVERIFY(!help->isVisible());
    }
};

QTEST_MAIN(TableTellsTest)
#include "test_table_tells.moc"
