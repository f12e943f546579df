// The hint on the table: a whole solo game played by following it, with
// nothing but what the table shows, and what it says when it cannot help.

#include <QLabel>
#include <QTest>
#include <random>

#include "TableHint.h"
#include "TableRig.h"
#include "frmEndGame.h"

using rptest::TableRig;

namespace {

// Everything a hint must leave as it found it.
std::string snapshot(const rp::GameState& s) {
    std::string out = std::to_string(s.CurrentPlayer) + '/' + std::to_string(s.RollCount) + '/' +
                      std::to_string(s.PentaroShowing) + '/';
    for (int d = 1; d <= rp::DiceCount; ++d) out += std::to_string(s.Dice(d)) + (s.DieKept(d) ? "k" : "r");
    for (int c = 1; c <= rp::Columns; ++c) {
        for (int r = 1; r <= rp::Rows; ++r) out += ',' + std::to_string(s.Used(1, r, c)) + std::to_string(s.Score(1, r, c));
        for (int b = 1; b <= rp::BonusBoxes; ++b)
            out += ';' + std::to_string(s.BonusUsed(1, b, c)) + std::to_string(s.BonusScore(1, b, c));
        out += '#' + std::to_string(s.ChipCount(1, c));
    }
    return out;
}

// The label that shows die d now: its row depends on whether it is kept.
rp::TableLabel* shown(rp::frmMain* t, const rp::GameState& s, int d) {
    return s.DieKept(d) ? t->imgKeepDice[d] : t->imgRollingDice[d];
}

std::vector<rp::TableLabel*> suggestedBoxes(rp::frmMain* t) {
    std::vector<rp::TableLabel*> boxes;
    for (int c = 1; c <= rp::Columns; ++c) {
        for (int r = 1; r <= rp::Rows; ++r)
            if (t->lblGame(c, r)->isSuggested()) boxes.push_back(t->lblGame(c, r));
        for (int b = 1; b <= rp::BonusBoxes; ++b)
            if (t->lblGameY(c, b)->isSuggested()) boxes.push_back(t->lblGameY(c, b));
    }
    return boxes;
}

}  // namespace

class HintTest : public QObject {
    Q_OBJECT

    static void askForHint(TableRig& rig) { QTest::keyClick(rig.table->cmdGhostEnter, Qt::Key_H); }

private slots:
    // Random dice, and at every step only the marks decide: what to keep,
    // what to roll, where to enter. The results then compare the score
    // with best play from the start.
    void aSoloGamePlayedByTheHintAlone() {
        TableRig rig;
        rig.newGame(1, 2, false);
        QVERIFY(rig.table->imgHintButton->isVisible());
        std::mt19937 rng(2026);
        for (int i = 0; i < 1000; ++i) rig.script.push_back(std::uniform_int_distribution(1, 6)(rng));
        // An empty high-score table: only the hints keep this game out of it.
        for (int place = 1; place <= rp::Places; ++place) rig.state.BScore(place) = 0;
        int entries = 0, steps = 0, notices = 0;
        while (!rig.windows.isLoaded<rp::frmEndGame>() && ++steps < 60) {
            const std::string before = snapshot(rig.state);
            const QByteArray ini = rig.iniBytes();
            askForHint(rig);
            QCOMPARE(snapshot(rig.state), before);
            QCOMPARE(rig.iniBytes(), ini);
            const QString said = TableRig::name(rig.table->lblHint);
            QVERIFY2(said.contains(QLatin1String("With best play: ")), qPrintable(said));
            notices += said.endsWith(QLatin1String("Hints keep this game out of the high scores."));
            QVERIFY2(rig.messages.isEmpty(), "following the hint is never refused");

            const auto boxes = suggestedBoxes(rig.table);
            if (!boxes.empty()) {
                QCOMPARE(boxes.size(), size_t(1));
                QVERIFY(said.startsWith(QLatin1String("Take Game 1, ")));
                QVERIFY(TableRig::description(boxes[0]).endsWith(QLatin1String("suggested")));
                TableRig::click(boxes[0]);
                QVERIFY2(!boxes[0]->isSuggested(), "an entry clears the hint");
                ++entries;
                if (rig.table->tmrNext->isActive()) rig.table->tmrNext_Timer();
                if (rig.table->tmrEndGame->isActive()) rig.table->tmrEndGame_Timer();
                continue;
            }
            if (rig.state.RollCount > 0) {
                // Move the dice as marked; each mark follows its die to the other row.
                for (int d = 1; d <= rp::DiceCount; ++d) {
                    const bool keep = shown(rig.table, rig.state, d)->isSuggested();
                    QCOMPARE(TableRig::description(shown(rig.table, rig.state, d)) == "suggested", keep);
                    if (keep != rig.state.DieKept(d)) TableRig::click(shown(rig.table, rig.state, d));
                    QCOMPARE(rig.state.DieKept(d), keep);
                    QCOMPARE(shown(rig.table, rig.state, d)->isSuggested(), keep);
                }
            }
            QTest::keyClick(rig.table->cmdGhostEnter, Qt::Key_Return);
            rig.landDice();
            if (rig.table->tmrRollPause->isActive()) rig.table->tmrRollPause_Timer();
            for (int d = 1; d <= rp::DiceCount; ++d) QVERIFY2(!shown(rig.table, rig.state, d)->isSuggested(), "a roll clears the hint");
        }
        QCOMPARE(entries, 13);
        QCOMPARE(notices, 1);
        QVERIFY(!rig.state.NewHighScore);
        QCOMPARE(rig.state.BScore(1), 0);

        auto* results = rig.windows.find<rp::frmEndGame>();
        QVERIFY(results && results->lblBestPlay->isVisible());
        const QString line = results->lblBestPlay->text();
        QVERIFY2(line.startsWith(QLatin1String("Best play averages 263.7 points a game: your ")), qPrintable(line));
        QVERIFY2(line.contains(QStringLiteral("your %1 is").arg(rig.state.GrandTotal(1))), qPrintable(line));
    }

    // No table to ask, a three-column card, and the quiet moments: the hint
    // says why or how much it knows, and marks nothing it cannot stand by.
    void theHintSaysWhatItKnows() {
        TableRig rig;
        rig.newGame(2, 1, false);
        rig.roll({6, 6, 6, 6, 6});
        askForHint(rig);
        QString said = TableRig::name(rig.table->lblHint);
        QVERIFY2(said.startsWith(QLatin1String("Take Game ")) && said.contains(QLatin1String(", Pentaro box 1: 50 points.")) &&
                     said.endsWith(QLatin1String("(heuristic). Hints keep this game out of the high scores.")),
                 qPrintable(said));
        QCOMPARE(suggestedBoxes(rig.table).size(), size_t(1));
        rig.table->findChild<rp::TableHint*>()->tmrHint_Timer();
        QVERIFY(suggestedBoxes(rig.table).empty());
        QCOMPARE(TableRig::name(rig.table->lblHint), QString("Hint"));

        // The turn passing to the next player: nothing to advise on.
        rig.bonus(1, 1);
        QVERIFY(rig.table->tmrNext->isActive());
        rig.table->findChild<rp::TableHint*>()->show();  // a key would end the pause
        QCOMPARE(TableRig::name(rig.table->lblHint), QString("No turn to advise on."));

        TableRig lost;
        lost.program->advisor = rp::LazyAdvisor("/nonexistent/advisor.bin");
        lost.newGame(1, 2, false);
        lost.roll({1, 2, 3, 4, 5});
        const std::string before = snapshot(lost.state);
        askForHint(lost);
        askForHint(lost);
        said = TableRig::name(lost.table->lblHint);
        QVERIFY2(said.startsWith(QLatin1String("The hint is off: ")) && said.contains("/nonexistent/advisor.bin"),
                 qPrintable(said));
        QVERIFY(suggestedBoxes(lost.table).empty());
        QCOMPARE(snapshot(lost.state), before);
    }
};

QTEST_MAIN(HintTest)
#include "test_hint.moc"
