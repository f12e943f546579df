// The table window played as a player plays it: clicks on its pictures and
// boxes, Enter for the roll, its timers run by hand, the dice scripted.

#include <QTest>

#include "TableRig.h"
#include "Texts.h"

using rptest::TableRig;

class TableTest : public QObject {
    Q_OBJECT

    static QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

private slots:
    void controlsSitAtTheirPlaces() {
        TableRig rig;
        struct Place { const char* name; int l, t, w, h; };
        const Place places[] = {
            {"imgPaper", 195, 945, 5175, 6375},     {"lblPlayer", 315, 1065, 1815, 375},
            {"Label4", 2295, 1245, 615, 195},       {"Label6", 4455, 1245, 615, 195},
            {"Label1(0)", 435, 1500, 1035, 195},    {"Label1(7)", 435, 3180, 1575, 195},
            {"Label1(12)", 435, 4620, 1215, 195},   {"Label1(19)", 435, 6540, 1035, 195},
            {"lblGame1(1)", 2055, 1500, 1095, 195}, {"lblGame2(9)", 3135, 3405, 1095, 195},
            {"lblGame3(10)", 4215, 3900, 1095, 195}, {"lblGame1(16)", 2055, 5340, 1095, 195},
            {"lblGame2(17)", 3135, 5580, 1095, 195}, {"lblGame3(18)", 4215, 6060, 1095, 195},
            {"lblGame1(20)", 2055, 6540, 1095, 195}, {"lblGame1Y(1)", 2055, 5100, 375, 195},
            {"lblGame2Y(3)", 3840, 5100, 375, 195},  {"lblGame3Y(3)", 4875, 5100, 375, 195},
            {"Label2", 1110, 5100, 930, 195},       {"Label3", 300, 6885, 1575, 315},
            {"lblChipTotal(2)", 3840, 6900, 195, 255}, {"imgPentaroChip(3)", 4380, 6810, 450, 450},
            {"AA_Version", 300, 7110, 735, 195},    {"lblExit", 7650, 45, 255, 315},
            {"imgKeepDice(1)", 5835, 1740, 525, 525}, {"imgRollingDice(5)", 6795, 4260, 525, 525},
            {"lblRollCount", 6495, 3120, 195, 375}, {"imgNext", 5460, 2880, 2250, 750},
            {"imgRollButton", 5835, 4980, 1545, 375}, {"imgHelpButton", 5835, 7020, 1545, 375},
            {"cmdGhostEnter", 3525, 8385, 630, 435}};
        for (const Place& p : places) {
            auto* w = rig.table->findChild<QWidget*>(QString::fromLatin1(p.name));
            QVERIFY2(w, p.name);
            QCOMPARE(w->geometry(), QRect(p.l / 15, p.t / 15, p.w / 15, p.h / 15));
        }
        QCOMPARE(rig.table->size(), QSize(531, 503));
        // Also run at QT_SCALE_FACTOR=2: the pictures then come from their
        // @2x artwork, and every place above stays where it is.
        const qreal ratio = rig.table->devicePixelRatio() > 1 ? 2 : 1;
        for (QLabel* picture : {rig.table->imgNext, static_cast<QLabel*>(rig.table->imgRollButton)}) {
            QCOMPARE(picture->pixmap().devicePixelRatio(), ratio);
            QCOMPARE(picture->pixmap().size(), picture->size() * ratio);
        }
        QCOMPARE(rig.program->pictures.get("bgnd.jpg").deviceIndependentSize(), QSizeF(rig.table->size()));
        // Row 15 has no box of its own on the card; the ghost button is never seen.
        QVERIFY(rig.table->lblGame(1, 15)->y() >= rig.table->height());
        QVERIFY(rig.table->cmdGhostEnter->y() >= rig.table->height());
        QCOMPARE(rig.table->windowTitle(), QString("Real Pentaro"));
        QCOMPARE(rig.table->Label1[7]->text(), QString("Bonus (if 63)  35pts"));
        QCOMPARE(rig.table->lblRollCount->text(), QString(QChar(0x2020)));
    }

    void aOneColumnGameWithEveryKindOfFiveOfAKind() {
        TableRig rig;
        // Before any game: the roll button rolls nothing and only clicks.
        rig.state.SoundOn = true;
        TableRig::click(rig.table->imgRollButton);
        QCOMPARE(rig.sounds, QStringList{"button.wav"});
        QVERIFY(!rig.table->tmrDieAnimator(1, 1)->isActive());

        rig.newGame(1, 2);
        rig.roll({5, 5, 5, 5, 5});
        QVERIFY(rig.windows.isLoaded<rp::frmPentaro>());
        QVERIFY(rig.state.PentaroShowing);
        rig.box(1, 4);  // must go to a Pentaro box first
        QCOMPARE(rig.messages, QStringList{qs(rp::text::UpperRefusedOneColumn)});
        QCOMPARE(rig.sounds.last(), QString("error.wav"));
        QCOMPARE(rig.at(1, 4), QString());
        rig.bonus(1, 1);
        QCOMPARE(rig.table->lblGameY(1, 1)->text(), QString("50"));

        rig.roll({4, 4, 4, 4, 4});
        rig.box(1, 16);  // no joker before the like upper box
        QCOMPARE(rig.messages.last(), qs(rp::text::LowerRefusedOneColumn));
        rig.box(1, 4);   // admitted, with a chip
        QCOMPARE(rig.at(1, 4), QString("20"));
        QCOMPARE(rig.table->lblChipTotal[1]->text(), QString("1"));
        QVERIFY(!rig.table->imgPentaroChip[1]->pixmap().isNull());

        rig.roll({3, 3, 3, 3, 3});
        rig.sounds.clear();
        rig.bonus(1, 3);  // out of order: a pop, nothing else
        QCOMPARE(rig.sounds, QStringList{"pop.wav"});
        QCOMPARE(rig.table->lblGameY(1, 3)->text(), QString());
        rig.bonus(1, 2);
        QCOMPARE(rig.table->lblGameY(1, 2)->text(), QString("100"));
        QCOMPARE(rig.table->lblChipTotal[1]->text(), QString("2"));

        // Broken up by a later roll, the five of a kind still serves as a joker
        // of die 1's number: die 1 is kept at 4, whose upper box is filled.
        rig.roll({4, 4, 4, 4, 4});
        TableRig::click(rig.table->imgRollingDice[1]);
        rig.roll({2, 3, 5, 6});
        rig.box(1, 14);
        QCOMPARE(rig.at(1, 14), QString("40"));
        QCOMPARE(rig.table->lblChipTotal[1]->text(), QString("3"));

        const std::pair<int, std::vector<int>> turns[] = {
            {1, {1, 1, 1, 2, 3}}, {2, {2, 2, 2, 1, 1}}, {3, {3, 3, 3, 1, 1}},
            {5, {5, 5, 5, 1, 1}}, {6, {6, 6, 6, 1, 1}}, {11, {2, 2, 2, 2, 5}},
            {12, {3, 3, 3, 5, 5}}, {13, {1, 2, 3, 4, 6}}};
        for (const auto& [row, faces] : turns) {
            rig.roll(faces);
            rig.box(1, row);
        }
        QCOMPARE(rig.at(1, 7), QString("71"));
        QCOMPARE(rig.at(1, 8), QString("35"));
        QCOMPARE(rig.at(1, 18), QString("106"));

        // Three of a kind over three rolls, two sixes kept from the first.
        rig.roll({6, 6, 2, 3, 4});
        TableRig::click(rig.table->imgRollingDice[1]);
        TableRig::click(rig.table->imgRollingDice[2]);
        QCOMPARE(TableRig::name(rig.table->imgKeepDice[1]), QString("Die 1: 6, kept"));
        QCOMPARE(TableRig::name(rig.table->imgRollingDice[1]), QString("Die 1"));
        rig.roll({1, 1, 1});
        rig.roll({6, 1, 5});
        QCOMPARE(rig.state.RollCount, 3);
        rig.roll({});  // a fourth roll rolls nothing
        QCOMPARE(rig.table->lblRollCount->text(), QString("3"));
        rig.box(1, 10);
        QCOMPARE(rig.at(1, 10), QString("24"));

        rig.roll({6, 6, 5, 5, 4});
        rig.box(1, 16);
        // 24+13+25+30+40+26 and boxes 50+100; box 3 closes with the column.
        QCOMPARE(rig.at(1, 17), QString("308"));
        QCOMPARE(rig.at(1, 20), QString("414"));
        QCOMPARE(rig.state.GrandTotal(1), 714);
        QVERIFY(rig.table->tmrEndGame->isActive());
        rig.roll({6, 6, 6, 6, 6});  // the end-of-game pause rolls nothing
        QVERIFY(!rig.state.PentaroShowing);
        QCOMPARE(rig.table->lblRollCount->text(), QString("1"));
        rig.table->tmrEndGame_Timer();
        QVERIFY(!rig.table->isVisible());
        QVERIFY(rig.windows.find(QStringLiteral("frmEndGame"))->isVisible());
    }

    void aThreeColumnGameWithEarlyLowerTotals() {
        TableRig rig;
        rig.newGame(1, 1, false);
        const std::vector<int> straight{1, 2, 3, 4, 5};
        // Column 1 gives up its Pentaro box last, column 2 first, column 3 between.
        auto lower = [&](int c) {
            for (int r : {10, 11, 12, 13, 14, 16}) {
                rig.roll(straight);
                rig.box(c, r);
            }
        };
        auto giveUp = [&](int c) {
            rig.roll(straight);
            rig.bonus(c, 1);
            QCOMPARE(rig.table->lblGameY(c, 1)->text(), QString("0"));
        };
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 6; ++r) {
                rig.roll(straight);
                rig.box(c, r);
            }
        lower(1);
        QCOMPARE(rig.at(1, 17), QString());
        giveUp(1);
        giveUp(2);
        lower(2);
        rig.roll(straight);
        rig.box(3, 10);
        giveUp(3);
        QCOMPARE(rig.at(2, 19), QString("85"));
        for (int r : {11, 12, 13, 14}) {
            rig.roll(straight);
            rig.box(3, r);
        }
        QVERIFY(!rig.table->tmrEndGame->isActive());
        rig.roll(straight);
        rig.box(3, 16);
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(rig.at(c, 9), QString("15"));
            QCOMPARE(rig.at(c, 19), QString("85"));
            QCOMPARE(rig.at(c, 20), QString("100"));
        }
        QCOMPARE(rig.state.GrandTotal(1), 600);
        QVERIFY(rig.sounds.isEmpty());  // sound off: not one sound in a whole game
        QVERIFY(rig.table->tmrEndGame->isActive());
    }

    void twoPlayersPassTheTurnThroughTheNextPlayerPause() {
        TableRig rig;
        rig.newGame(2, 2);
        QCOMPARE(rig.table->lblPlayer->text(), QString("Player 1"));
        rig.roll({6, 6, 6, 5, 5});
        rig.box(1, 16);
        QVERIFY(rig.table->imgNext->isVisible());
        QVERIFY(!rig.table->lblGame(1, 1)->isEnabled());
        rig.roll({1, 1, 1, 1, 1});  // nothing rolls while the turn passes
        QCOMPARE(rig.state.Dice(1), 6);
        QVERIFY(!rig.windows.isLoaded<rp::frmPentaro>());
        TableRig::click(rig.table->imgRollingDice[1]);
        QVERIFY(!rig.state.DieKept(1));

        rig.table->tmrNext_Timer();
        QVERIFY(!rig.table->imgNext->isVisible());
        QCOMPARE(rig.table->lblPlayer->text(), QString("Player 2"));
        QCOMPARE(rig.at(1, 16), QString());
        QCOMPARE(rig.at(1, 15), QString("0"));
        QCOMPARE(TableRig::name(rig.table->imgRollingDice[1]), QString("Die 1: 6"));
        rig.roll({2, 2, 3, 3, 3});
        rig.box(1, 12);
        rig.table->tmrNext_Timer();
        QCOMPARE(rig.table->lblPlayer->text(), QString("Player 1"));
        QCOMPARE(rig.at(1, 16), QString("28"));
        QCOMPARE(rig.at(1, 12), QString());
    }

    void refusalsSoundAndSilence() {
        TableRig rig;
        rig.newGame(1, 2);
        rig.roll({1, 2, 3, 4, 5});
        rig.sounds.clear();
        for (auto [c, r] : {std::pair{1, 7}, {1, 17}, {1, 15}, {2, 1}, {3, 16}}) rig.box(c, r);
        rig.bonus(2, 1);
        QCOMPARE(rig.sounds, QStringList(6, "nolabel.wav"));
        QVERIFY(rig.messages.isEmpty());

        rig.state.SoundOn = false;
        rig.box(1, 7);
        TableRig::click(rig.table->imgRollingDice[3]);
        QCOMPARE(rig.sounds.size(), 6);
        QVERIFY(rig.state.DieKept(3));

        // A die in the air cannot be kept, and the card waits for the landing.
        rig.script = {6, 6, 6, 6};
        QTest::keyClick(rig.table->cmdGhostEnter, Qt::Key_Space);
        rig.table->tmrDieAnimator_Timer(1, 1);
        QCOMPARE(TableRig::name(rig.table->imgRollingDice[1]), QString("Die 1: 1"));  // tumbling
        TableRig::click(rig.table->imgRollingDice[1]);
        QVERIFY(!rig.state.DieKept(1));
        rig.landDice();
        QCOMPARE(rig.state.RollCount, 2);
        QVERIFY(!rig.table->lblGame(1, 1)->isEnabled());
        rig.table->tmrRollPause_Timer();
        QVERIFY(rig.table->lblGame(1, 1)->isEnabled());
    }

    void theTableReadsAloud() {
        TableRig rig;
        auto* t = rig.table;
        QCOMPARE(TableRig::name(t->imgRollButton), QString("Roll"));
        QCOMPARE(TableRig::name(t->imgHighScoresButton), QString("High Scores"));
        QCOMPARE(TableRig::name(t->imgNewGameButton), QString("New Game"));
        QCOMPARE(TableRig::name(t->imgHelpButton), QString("Help"));
        QCOMPARE(TableRig::name(t->imgSoundButton), rig.state.SoundOn ? QString("Sound On") : QString("Sound Off"));
        TableRig::click(t->imgSoundButton);
        QCOMPARE(TableRig::name(t->imgSoundButton), rig.state.SoundOn ? QString("Sound On") : QString("Sound Off"));
        QCOMPARE(TableRig::name(t->lblExit), QString("Exit The Program"));
        QCOMPARE(TableRig::name(t->imgPentaroChip[1]), QString("Chip, Game 1"));
        QCOMPARE(TableRig::description(t->lblGame(2, 12)), QString("Game 2, Full House"));
        QCOMPARE(TableRig::description(t->lblGame(1, 18)), QString("Game 1, Upper Total (row 18)"));
        QCOMPARE(TableRig::description(t->lblGame(1, 19)), QString("Game 1, Lower Total (row 19)"));
        QCOMPARE(TableRig::description(t->lblGameY(3, 2)), QString("Game 3, Pentaro box 2"));
        QVERIFY(QAccessible::queryAccessibleInterface(t->lblGame(1, 1))->state().disabled);
        QVERIFY(QAccessible::queryAccessibleInterface(t->imgNext)->state().invisible);

        rig.newGame(1, 2);
        rig.roll({3, 1, 4, 1, 5});
        QCOMPARE(TableRig::name(t->imgRollingDice[3]), QString("Die 3: 4"));
        QCOMPARE(TableRig::name(t->imgKeepDice[3]), QString("Die 3, kept"));
        QCOMPARE(TableRig::name(t->lblRollCount), QString("Rolls: 1"));
        // Operated through the accessibility interface, as a screen reader does.
        auto* box = QAccessible::queryAccessibleInterface(t->lblGame(1, 16));
        QVERIFY(!box->state().disabled);
        box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(TableRig::name(t->lblGame(1, 16)), QString("14"));
        QVERIFY(box->state().disabled);
    }

    void aWholeGameByKeyboardAlone() {
        TableRig rig;
        rig.newGame(1, 2);
        auto* t = rig.table;
        auto key = [&](int k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(t->cmdGhostEnter, Qt::Key(k), m); };
        auto focused = [] {
            for (QWidget* w : QApplication::allWidgets())
                if (auto* a = QAccessible::queryAccessibleInterface(w); a && a->state().focused &&
                                                                       qobject_cast<rp::TableLabel*>(w))
                    return TableRig::description(w);
            return QString();
        };
        key(Qt::Key_Down);  // selects the first open box
        QCOMPARE(focused(), QString("Game 1, Ones"));
        key(Qt::Key_Return);  // nothing rolled yet: the box is closed, nothing happens
        QVERIFY(rig.sounds.isEmpty());
        key(Qt::Key_Escape);
        QCOMPARE(focused(), QString());

        // Each turn: Space rolls, die 2 is kept and put back, Tab selects the
        // first open box, Enter enters it. The last turn gives up box 1.
        int turns = 0;
        while (!t->tmrEndGame->isActive() && turns++ < 20) {
            rig.script = {2, 2, 3, 4, 5};
            key(Qt::Key_Space);
            rig.landDice();
            key(Qt::Key_2);
            QCOMPARE(TableRig::name(t->imgKeepDice[2]), QString("Die 2: 2, kept"));
            key(Qt::Key_2);
            QVERIFY(!rig.state.DieKept(2));
            rig.script = {2, 2, 3, 4, 5};
            key(Qt::Key_Return);  // no selection yet: Enter rolls (the dice are in the air)
            QCOMPARE(rig.state.RollCount, 2);
            rig.landDice();
            t->tmrRollPause_Timer();
            key(Qt::Key_Tab);
            key(Qt::Key_Return);
            QVERIFY(rig.state.RollCount == 0 || t->tmrEndGame->isActive());
        }
        QCOMPARE(turns, 13);
        QCOMPARE(rig.at(1, 2), QString("4"));
        QCOMPARE(rig.at(1, 13), QString("30"));
        QCOMPARE(rig.at(1, 19), QString("46"));  // a small straight and the chance
        QCOMPARE(rig.at(1, 20), QString("62"));
        QVERIFY(TableRig::name(t->lblAnnounce).startsWith("Game 1, Pentaro box 1"));
    }

    void commandKeysTakeTheButtonsWay() {
        TableRig rig;
        auto* t = rig.table;
        const bool before = rig.state.SoundOn;
        QTest::keyClick(t->cmdGhostEnter, Qt::Key_M);
        QCOMPARE(rig.state.SoundOn, !before);
        QCOMPARE(TableRig::name(t->imgSoundButton), rig.state.SoundOn ? QString("Sound On") : QString("Sound Off"));
        QVERIFY(t->imgRollButton->toolTip().contains("(Enter)"));
        QTest::keyClick(t->cmdGhostEnter, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!rig.windows.isLoaded<rp::frmMain>());  // the close label's way out
        QCOMPARE(rig.stored("Params", "Sound"), rig.state.SoundOn ? std::string("True") : std::string("False"));
    }

    void theCloseLabelGlowsUnderThePointer() {
        TableRig rig;
        auto* exit = rig.table->lblExit;
        QCOMPARE(exit->font().pointSizeF(), 11.25);
        QTest::mouseMove(exit);
        QCOMPARE(exit->font().pointSizeF(), 14.0);
        QCOMPARE(exit->palette().color(QPalette::WindowText), QColor(255, 125, 100));
        QTest::mouseMove(rig.table, QPoint(500, 250));  // the bare table
        QCOMPARE(exit->font().pointSizeF(), 11.0);
        QCOMPARE(exit->palette().color(QPalette::WindowText), QColor(225, 150, 100));
    }
};

QTEST_MAIN(TableTest)
#include "test_table.moc"
