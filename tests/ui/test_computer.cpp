// Computer players on the real program: set up through the new-game dialog,
// played through the table's own handlers, kept out of the high scores, and
// deaf to whatever a person does meanwhile.

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <random>

#include "Advisor.h"
#include "ClickableLabel.h"
#include "TableComputer.h"
#include "TableRig.h"
#include "frmEndGame.h"
#include "frmNewGame.h"

using rptest::TableRig;

namespace {

rp::TableComputer* computerOf(TableRig& rig) { return rig.table->findChild<rp::TableComputer*>(); }

// One turn of the table's clock: the first timer that is due, as the event
// loop would fire it. False when nothing is waiting (a person's turn, or the end).
bool tick(TableRig& rig) {
    rp::frmMain* t = rig.table;
    for (int d = 1; d <= rp::DiceCount; ++d)
        for (int e = 1; e <= 6; ++e)
            if (t->tmrDieAnimator(d, e)->isActive()) {
                t->tmrDieAnimator_Timer(d, e);
                return true;
            }
    if (t->tmrRollPause->isActive()) return t->tmrRollPause_Timer(), true;
    if (t->tmrNext->isActive()) return t->tmrNext_Timer(), true;
    if (rp::TableComputer* c = computerOf(rig); c->tmrComputer->isActive()) return c->tmrComputer_Timer(), true;
    return false;
}

std::string cards(const rp::GameState& s) {
    std::string out;
    for (int p = 1; p <= s.NumPlayers; ++p) {
        out += std::to_string(s.GrandTotal(p)) + ':';
        for (int c = 1; c <= rp::Columns; ++c) {
            for (int r = 1; r <= rp::Rows; ++r) out += std::to_string(s.Score(p, r, c)) + ',';
            for (int b = 1; b <= rp::BonusBoxes; ++b) out += std::to_string(s.BonusScore(p, b, c)) + ';';
            out += std::to_string(s.ChipCount(p, c)) + '|';
        }
    }
    return out;
}

// A game of computers only, on seeded dice; with chaos, a person clicks and
// presses keys at random between every step. Returns the finished cards.
std::string watchGame(bool chaos) {
    TableRig rig;
    rig.randomDice.emplace(77);
    rig.program->seats.kind(1) = rp::SeatKind::Hard;
    rig.program->seats.kind(2) = rp::SeatKind::Medium;
    rig.newGame(2, 2, false);
    std::mt19937 monkey(5);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(monkey); };
    const int keys[] = {Qt::Key_1, Qt::Key_3, Qt::Key_5, Qt::Key_Return, Qt::Key_Space,
                        Qt::Key_Down, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_H};
    int steps = 0;
    while (tick(rig) && ++steps < 20000) {
        if (!chaos || pick(3) != 0) continue;
        switch (pick(4)) {
            case 0: TableRig::click(rig.table->imgRollingDice[1 + pick(5)]); break;
            case 1: rig.box(1, 1 + pick(16)); break;
            case 2: TableRig::click(rig.table->imgRollButton); break;
            default: QTest::keyClick(rig.table->cmdGhostEnter, Qt::Key(keys[pick(9)])); break;
        }
    }
    if (!rig.state.TurnPassing || rig.state.Winner == 0) return "unfinished";
    if (!rig.messages.isEmpty() || rig.sounds.contains(QStringLiteral("nolabel.wav"))) return "refused";
    return cards(rig.state);
}

}  // namespace

class ComputerTest : public QObject {
    Q_OBJECT

private slots:
    // A person against Easy and Hard, set up through the dialog with the
    // mouse, to the results and the high scores.
    void aPersonPlaysTwoComputersToTheHighScores() {
        TableRig rig;
        rig.randomDice.emplace(2026);
        rig.state.SoundOn = true;
        auto* dialog = rig.windows.load<rp::frmNewGame>();
        rptest::inModal([&] {
            TableRig::click(dialog->imgPlayerCheck[3]);
            dialog->txtPlayers[1]->setText(QStringLiteral("Zoe"));
            TableRig::click(dialog->imgSeat[2]);  // Easy
            for (int i = 0; i < 3; ++i) TableRig::click(dialog->imgSeat[3]);  // Hard
            QCOMPARE(TableRig::name(dialog->imgSeat[2]), QStringLiteral("Player 2: Computer, Easy"));
            QCOMPARE(TableRig::name(dialog->imgSeat[3]), QStringLiteral("Player 3: Computer, Hard"));
            QCOMPARE(dialog->txtPlayers[2]->text(), QStringLiteral("Bo"));  // suggested
            TableRig::click(dialog->imgOKButton);
        });
        TableRig::click(rig.table->imgNewGameButton);
        QCOMPARE(rig.state.NumPlayers, 3);
        QCOMPARE(rig.stored("Players", "Seat3"), std::string("Hard"));

        // An empty table: any total would enter it, were it allowed to.
        for (int place = 1; place <= rp::Places; ++place) rig.state.BScore(place) = 0;
        std::string error;
        rp::advisor::Advisor advisor(*rig.program->advisor.get(error));
        QStringList said;
        connect(rig.table, &rp::frmMain::turnChanged, this, [&] { said << rig.table->lblAnnounce->text(); });
        int personTurns = 0;
        while (rig.state.Winner == 0) {
            while (tick(rig)) {}
            if (rig.state.TurnPassing) break;  // the end of the game
            QCOMPARE(rig.state.CurrentPlayer, 1);
            // The person: one roll, then the best box there is.
            rig.roll({});
            const auto advice = advisor.advise(rig.state, 1);
            for (const auto& c : advice.choices) {
                if (!c.isEntry()) continue;
                if (c.kind == rp::advisor::Choice::Kind::BonusBox) rig.bonus(c.column, c.row);
                else rig.box(c.column, c.row);
                break;
            }
            ++personTurns;
            QVERIFY(personTurns <= 13);
        }
        QCOMPARE(personTurns, 13);
        QVERIFY(said.filter(QRegularExpression(QStringLiteral("^Bo rolls [1-6 ]+$"))).size() >= 13);
        QVERIFY(!said.filter(QRegularExpression(QStringLiteral("^Eva enters \\d+ in .+, Game 1$"))).isEmpty());
        QVERIFY(rig.messages.isEmpty());  // nobody was refused

        rig.table->tmrEndGame_Timer();
        auto* results = rig.windows.find<rp::frmEndGame>();
        QVERIFY(results);
        QCOMPARE(results->lblSeat[3]->text(), QStringLiteral("computer, Hard"));
        QVERIFY(!results->lblSeat[1]);
        QVERIFY(TableRig::description(results->lblPlayer[2]).contains(QStringLiteral("computer, Easy")));
        // Only the person's total can enter the table.
        for (int place = 1; place <= rp::Places; ++place) {
            QVERIFY(rig.state.BName(place) != "Bo");
            QVERIFY(rig.state.BName(place) != "Eva");
        }
        QCOMPARE(QString::fromStdString(rig.state.BName(1)), QStringLiteral("Zoe"));
        QCOMPARE(rig.state.BScore(1), rig.state.GrandTotal(1));
        QCOMPARE(rig.state.BScore(2), 0);
    }

    // A person against Hard at Instant, with Space held down from the
    // person's entry through the computer's turn (auto-repeat) and the roll
    // button pressed in one turn and let go in the next: the person always
    // starts with 0 rolls. Ctrl+Z after a reply takes back both entries; the
    // game goes on to its end.
    void keysHeldThroughAComputersTurnNeverLeak() {
        TableRig rig;
        rig.randomDice.emplace(4242);
        rig.program->seats.kind(2) = rp::SeatKind::Hard;
        rig.program->seats.pace = rp::Pace::Instant;
        rig.newGame(2, 2, false);
        rp::GameState& s = rig.state;
        QWidget* ghost = rig.table->cmdGhostEnter;
        auto space = [&](QEvent::Type type, bool repeat) {
            QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
            QApplication::sendEvent(ghost, &e);
        };
        auto* status = rig.table->findChild<QLabel*>(QStringLiteral("lblStatus"));
        int turns = 0;
        bool undone = false;
        while (s.Winner == 0) {
            QVERIFY(++turns <= 14);
            QCOMPARE(s.CurrentPlayer, 1);
            QCOMPARE(s.RollCount, 0);
            rig.roll({});
            if (turns == 7) {
                QTest::keyClick(rig.table, Qt::Key_Z, Qt::ControlModifier);
                QCOMPARE(status->text(), QStringLiteral("You have rolled since."));
            }
            int column = 1, row = 0;
            for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16})
                if (!row && !s.Used(1, r, 1)) row = r;
            const std::string before = cards(s);
            if (row) rig.box(column, row);
            else rig.bonus(column, 1);
            if (s.Winner != 0) break;
            QVERIFY(s.TurnPassing);
            // Space goes down on the sign and repeats through the computer's turn.
            space(QEvent::KeyPress, false);
            const bool mouse = turns % 2 == 0;
            int steps = 0;
            while (tick(rig)) {
                QVERIFY(++steps < 2000);
                if (mouse && steps == 2) QTest::mousePress(rig.table->imgRollButton, Qt::LeftButton);
                // On the sign that hands back, Space is pressed afresh once.
                const bool afresh = rig.table->tmrNext->isActive() && s.CurrentPlayer == 1;
                space(QEvent::KeyRelease, !afresh);
                space(QEvent::KeyPress, !afresh);
            }
            space(QEvent::KeyRelease, false);
            if (mouse) QTest::mouseRelease(rig.table->imgRollButton, Qt::LeftButton);
            if (s.Winner != 0) break;
            QCOMPARE(s.RollCount, 0);
            QCOMPARE(s.CurrentPlayer, 1);
            QVERIFY(status->text().contains(QRegularExpression(QStringLiteral("^Player 2 enters \\d+ in .+, Game 1$"))));
            if (turns == 5 && !undone) {
                undone = true;
                QTest::keyClick(rig.table, Qt::Key_Z, Qt::ControlModifier);
                QCOMPARE(cards(s), before);  // the person's entry and the reply, both gone
                QCOMPARE(status->text(), QStringLiteral("Entry taken back"));
                QCOMPARE(s.RollCount, 1);
                rig.roll({});
                QTest::keyClick(rig.table, Qt::Key_Z, Qt::ControlModifier);
                QCOMPARE(status->text(), QStringLiteral("Nothing to take back."));  // once only
                if (row) rig.box(column, row);
                else rig.bonus(column, 1);
                while (tick(rig)) {}
            }
        }
        QVERIFY(undone);
        QCOMPARE(turns, 13);
        QVERIFY(s.Winner != 0);
        for (int p = 1; p <= 2; ++p)
            for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16}) QVERIFY(s.Used(p, r, 1));
        QVERIFY(rig.messages.isEmpty());
    }

    // Clicks on dice, boxes and the roll button and random keys during the
    // computers' turns only hurry them: the game ends as it would have.
    void aPersonCannotReachAComputersTurn() {
        const std::string calm = watchGame(false);
        QVERIFY(calm != "unfinished" && calm != "refused");
        QCOMPARE(watchGame(true), calm);
    }

    // The high scores opened mid-turn hold the computer; closed, it goes on.
    void aModalWindowHoldsTheTurn() {
        TableRig rig;
        rig.randomDice.emplace(9);
        rig.program->seats.kind(1) = rp::SeatKind::Easy;
        rig.newGame(1, 1, false);
        rp::TableComputer* computer = computerOf(rig);
        while (rig.state.RollCount == 0 && tick(rig)) {}
        while (rig.table->tmrRollPause->isActive() && tick(rig)) {}
        const std::string before = cards(rig.state) + std::to_string(rig.state.RollCount);
        rptest::inModal([&] {
            for (int i = 0; i < 50; ++i) {
                QVERIFY(computer->tmrComputer->isActive());
                computer->tmrComputer_Timer();
            }
            QCOMPARE(cards(rig.state) + std::to_string(rig.state.RollCount), before);
            rig.windows.hide(QStringLiteral("frmHighScores"));
        });
        QTest::keyClick(rig.table->cmdGhostEnter, Qt::Key_S);
        int entries = 0;
        for (int guard = 0; guard < 2000 && entries < 2; ++guard) {
            const int used = rig.state.RollCount;
            QVERIFY(tick(rig));
            if (used > 0 && rig.state.RollCount == 0) ++entries;  // a box taken, the next turn begun
        }
        QCOMPARE(entries, 2);
    }

    // The seats come back after a restart; a damaged value leaves a person
    // there and the high scores as they were.
    void seatsSurviveARestart() {
        auto dir = std::make_shared<QTemporaryDir>();
        {
            TableRig rig(TableRig::Start::AtTable, dir);
            auto* dialog = rig.windows.load<rp::frmNewGame>();
            for (int i = 0; i < 2; ++i) TableRig::click(dialog->imgSeat[1]);  // Medium
            TableRig::click(dialog->imgPace);                                 // Fast
            TableRig::click(dialog->imgPlayerCheck[2]);
            dialog->txtPlayers[2]->setText(QStringLiteral("Zed"));
            TableRig::click(dialog->imgGameTypeCheck[1]);
            dialog->imgOKButton_MouseUp();
            rig.table->lblExit_Click();
        }
        {
            TableRig rig(TableRig::Start::AtTable, dir);
            auto* dialog = rig.windows.load<rp::frmNewGame>();
            QCOMPARE(TableRig::name(dialog->imgSeat[1]), QStringLiteral("Player 1: Computer, Medium"));
            QCOMPARE(TableRig::name(dialog->imgPace), QStringLiteral("Computer pace: Fast"));
            QCOMPARE(dialog->txtPlayers[1]->text(), QStringLiteral("Ada"));
            // The last game again, names, players and type: a rematch is one press of Done.
            QCOMPARE(dialog->txtPlayers[2]->text(), QStringLiteral("Zed"));
            QVERIFY(dialog->txtPlayers[2]->isEnabled() && !dialog->txtPlayers[3]->isEnabled());
            QCOMPARE(rig.state.GameType, 1);
        }
        const QString ini = dir->filePath(QStringLiteral("RealPentaro.ini"));
        QString highName;
        {
            QSettings s(ini, QSettings::IniFormat);
            highName = s.value(QStringLiteral("HighScores/BName1")).toString();
            s.setValue(QStringLiteral("Players/Seat1"), QStringLiteral("Robot"));
        }
        TableRig rig(TableRig::Start::AtTable, dir);
        auto* dialog = rig.windows.load<rp::frmNewGame>();
        QCOMPARE(TableRig::name(dialog->imgSeat[1]), QStringLiteral("Player 1: Person"));
        QCOMPARE(QString::fromStdString(rig.state.BName(1)), highName);
        QVERIFY(!highName.isEmpty());
    }
};

QTEST_MAIN(ComputerTest)
#include "test_computer.moc"
