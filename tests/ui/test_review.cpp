// The game review on the real program: a two-person game played through the
// table's keys and clicks, then each person's review from the results and
// from a score card, its sentence agreeing with its list and its card.

#include <QComboBox>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "ImageButton.h"
#include "ReviewCard.h"
#include "ReviewChart.h"
#include "ReviewText.h"
#include "TableRig.h"
#include "frmEndGame.h"
#include "frmReview.h"
#include "frmScoresCheck.h"

using rptest::inModal;
using rptest::TableRig;

namespace {

// "… cost 18.4 points and the dice gave you +5.7: 251." -> {start, cost, luck, final}
std::array<double, 4> numbersOf(QString sentence) {
    sentence.replace(QChar(0x2212), u'-');
    static const QRegularExpression number(QStringLiteral("[-+]?\\d+(\\.\\d+)?"));
    std::array<double, 4> out{};
    auto it = number.globalMatch(sentence);
    for (std::size_t i = 0; i < out.size() && it.hasNext(); ++i) out[i] = it.next().captured().toDouble();
    return out;
}

}  // namespace

class ReviewTest : public QObject {
    Q_OBJECT

    // Checks the review on screen for `name`, whose game ended on `final`.
    int reviewsSeen_ = 0;
    void checkReview(TableRig& rig, const QString& name, int final) {
        ++reviewsSeen_;
        auto* w = rig.windows.find<rp::frmReview>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->cboPlayer->currentText(), name);
        QVERIFY2(w->review().available, w->review().message.c_str());
        const auto [start, cost, luck, shownFinal] = numbersOf(w->lblSummary->text());
        QVERIFY(w->lblSummary->text().startsWith("Best play from the start expects 263.7. Your decisions cost "));
        QCOMPARE(shownFinal, double(final));
        QVERIFY(std::abs(start - cost + luck - final) <= 0.151);
        // The list: every decision with a choice, most costly first, adding up to the sentence.
        QTableWidget* list = w->lstDecisions;
        QVERIFY(list->rowCount() > 0);
        double listed = 0, previous = 1e9;
        for (int r = 0; r < list->rowCount(); ++r) {
            const double c = -numbersOf(list->item(r, 5)->text())[0];
            QVERIFY(c <= previous);
            previous = c;
            listed += c;
            QVERIFY(list->item(r, 0)->data(Qt::AccessibleTextRole).toString().startsWith(
                QStringLiteral("Turn %1, roll %2: ").arg(list->item(r, 0)->text(), list->item(r, 1)->text())));
        }
        QVERIFY(std::abs(listed - cost) <= 0.05 * list->rowCount() + 0.05);
        // Selecting a row shows its position on the card.
        const int last = list->rowCount() - 1;
        list->setFocus();
        list->setCurrentCell(last, 0);
        const auto& shown = w->cardPosition->decision();
        QVERIFY(shown.has_value());
        QCOMPARE(QString::number(shown->turn), list->item(last, 0)->text());
        QCOMPARE(rp::review::sentence(*shown), list->item(last, 3)->data(Qt::AccessibleTextRole).toString());
        QVERIFY(w->cardPosition->accessibleDescription().contains(rp::review::dice(shown->position)));
        QVERIFY(w->chartCourse->accessibleDescription().contains(
            QStringLiteral("Turn 13: expected %1.0, banked %1").arg(final)));
    }

private slots:
    // An entry's points as its box shows them, a chip or the upper bonus it
    // also earned said apart.
    void entriesSayThePointsTheCardShows() {
        rp::advisor::ReviewedDecision d;
        rp::advisor::Position& p = d.position;
        p.player = p.numPlayers = 1;
        p.gameType = 2;
        p.rollCount = 2;
        p.used[1][rp::row::Pentaro] = true;
        for (int r = 1; r <= 5; ++r) p.used[1][r] = true, p.score[1][r] = static_cast<rp::Int16>(3 * r);  // 45
        p.dice = {0, 6, 6, 6, 6, 1};
        d.made = {rp::advisor::Choice::Kind::ScoreBox, 0, 1, 6, 59};
        QCOMPARE(rp::review::made(d), QStringLiteral("entered Sixes (24) + the 35 bonus"));
        p.dice = {0, 3, 3, 3, 3, 3};
        p.pentaro = true;
        p.bonusUsed[1][1] = true;
        p.bonusScore[1][1] = 50;
        d.made = {rp::advisor::Choice::Kind::BonusBox, 0, 1, 2, 200};
        QCOMPARE(rp::review::made(d), QStringLiteral("entered Pentaro box 2 (100) + a chip"));
        d.made = {rp::advisor::Choice::Kind::ScoreBox, 0, 1, 12, 25};
        QCOMPARE(rp::review::made(d), QStringLiteral("entered Full House (25)"));
    }

    void eachPersonsReviewFromTheResults() {
        TableRig rig;
        rig.newGame(2, 2);
        rig.state.PlayerName(1) = "Ada";
        rig.state.PlayerName(2) = "Bob";
        // Ada keeps what she is dealt; Bob keeps two dice and rolls the rest again.
        const std::vector<int> rows = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16, 0};
        for (int row : rows) {
            for (int p = 1; p <= 2; ++p) {
                rig.roll({1, 2, 3, 4, 5});
                if (p == 2) {
                    TableRig::click(rig.table->imgRollingDice[4]);
                    TableRig::click(rig.table->imgRollingDice[5]);
                    rig.roll({6, 6, 6});
                }
                if (row > 0) rig.box(1, row);
                else rig.bonus(1, 1);
                if (rig.table->tmrNext->isActive()) rig.table->tmrNext_Timer();
            }
        }
        QVERIFY(rig.table->tmrEndGame->isActive());
        rig.table->tmrEndGame_Timer();
        auto* results = rig.windows.find<rp::frmEndGame>();
        QVERIFY(results && results->imgReview->isVisible());
        const int ada = rig.state.GrandTotal(1), bob = rig.state.GrandTotal(2);

        // From the results: the first person, then the other from the review's own choice.
        inModal([&] {
            checkReview(rig, "Ada", ada);
            auto* w = rig.windows.find<rp::frmReview>();
            QCOMPARE(w->cboPlayer->count(), 2);
            w->cboPlayer->setCurrentIndex(1);
            emit w->cboPlayer->activated(1);
            checkReview(rig, "Bob", bob);
            QTest::keyClick(w, Qt::Key_Escape);
        });
        results->imgReview->click();
        QVERIFY(!rig.windows.find<rp::frmReview>()->isVisible());

        // From Bob's card, over it; then a computer in his seat has none.
        inModal([&] {
            auto* card = rig.windows.find<rp::frmScoresCheck>();
            QVERIFY(card->imgReviewButton->isVisible());
            inModal([&] {
                checkReview(rig, "Bob", bob);
                rig.windows.find<rp::frmReview>()->imgDoneButton_MouseUp();
            });
            card->imgReviewButton->click();
            card->imgDoneButton_MouseUp();
        });
        results->lblPlayer_Click(2);
        QCOMPARE(reviewsSeen_, 3);
        rig.program->seats.kind(2) = rp::SeatKind::Hard;
        inModal([&] {
            auto* card = rig.windows.find<rp::frmScoresCheck>();
            QVERIFY(!card->imgReviewButton->isVisible());
            card->imgDoneButton_MouseUp();
        });
        results->lblPlayer_Click(2);

        // The way out leaves no review loaded to keep the program alive.
        results->imgDone_MouseUp();
        rig.windows.find<rp::frmHighScores>()->imgOKButton_MouseUp();
        TableRig::click(rig.table->lblExit);
        QCOMPARE(rig.windows.loadedCount(), 1);
    }
};

QTEST_MAIN(ReviewTest)
#include "test_review.moc"
