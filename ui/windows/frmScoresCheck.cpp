#include "Words.h"
#include "frmScoresCheck.h"

#include "CardLayout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "ImageButton.h"
#include "Layout.h"
#include "Texts.h"
#include "WindowFonts.h"
#include "frmReview.h"

namespace rp {

namespace {

const QColor Navy(0, 0, 128);

// The card of the table, twip for twip: box tops of rows 1..20 (row 15 has
// no box of its own; its labels sit out of sight below the window).
}  // namespace

frmScoresCheck::frmScoresCheck(Windows& windows)
    : Window(windows, Name, size::ScoresCheckWindow, Placement::Screen) {
    setWindowTitle(translate("ScoreCard", "Score Card"));

    imgPaper = new QLabel(this);
    imgPaper->setObjectName(QStringLiteral("imgPaper"));
    imgPaper->setFrameShape(QFrame::Box);
    const auto& paper = size::ScoresCheckPaper;
    placeTwips(*imgPaper, paper.left, paper.top, paper.box());
    placeTwips(*new card::CardGrid(this), card::CardGrid::Left, card::CardGrid::Top, card::CardGrid::Width,
               card::CardGrid::Height);

    auto label = [this](const QString& name, int l, int t, int w, int h, const QFont& font,
                        Qt::Alignment align, const QString& caption = {}) {
        auto* lbl = new QLabel(caption, this);
        lbl->setObjectName(name);
        placeTwips(*lbl, l, t, w, h);
        lbl->setFont(font);
        lbl->setAlignment(align | Qt::AlignVCenter);
        lbl->setAttribute(Qt::WA_TranslucentBackground);
        return lbl;
    };
    auto navy = [](QLabel* l) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Navy);
        l->setPalette(p);
        return l;
    };

    lblPlayer = label(QStringLiteral("lblPlayer"), 315, 1065, 1815, 375, serifFont(14.25, true), Qt::AlignLeft);
    QFont heading;
    heading.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    heading.setPointSizeF(8.25);
    Label4 = label(QStringLiteral("Label4"), 2295, 1245, 615, 195, heading, Qt::AlignHCenter, translate("Table", "Game 1"));
    Label5 = label(QStringLiteral("Label5"), 3375, 1245, 615, 195, heading, Qt::AlignHCenter, translate("Table", "Game 2"));
    Label6 = label(QStringLiteral("Label6"), 4455, 1245, 615, 195, heading, Qt::AlignHCenter, translate("Table", "Game 3"));

    for (int r = 1; r <= Rows; ++r) {
        Label1[r - 1] = label(QStringLiteral("Label1(%1)").arg(r - 1), 435,
                              (r == row::Pentaro ? 5100 : card::RowTop[r]) - card::CaptionRaise,
                              card::captionWidth(r), card::CaptionHeight, serifFont(9.75, r == row::Score), Qt::AlignLeft,
                              rowCaption(r));
        for (int c = 1; c <= Columns; ++c) {
            QLabel* box = navy(label(QStringLiteral("lblGame%1(%2)").arg(c).arg(r), card::ColumnLeft[c], card::RowTop[r], 1095,
                                     195, serifFont(9.75, r == row::UpperTotal || r == row::Score),
                                     Qt::AlignHCenter));
            box->setAccessibleDescription(card::boxDescription(c, r));
            // Row 15 is shown by the bonus boxes.
            if (r == row::Pentaro) box->hide();
            lblGame_[c][r] = box;
        }
    }
    for (int c = 1; c <= Columns; ++c) {
        for (int b = 1; b <= BonusBoxes; ++b) {
            QLabel* box = navy(label(QStringLiteral("lblGame%1Y(%2)").arg(c).arg(b), card::BonusLeft[c][b], 5100, 375,
                                     195, serifFont(9.75), Qt::AlignHCenter));
            box->setAccessibleDescription(translate("ScoreCard", "Game %1, Pentaro box %2").arg(c).arg(b));
            lblGameY_[c][b] = box;
        }
    }
    Label2 = label(QStringLiteral("Label2"), 1110, 5100, 930, 195, serifFont(8.25), Qt::AlignLeft,
                   QStringLiteral("(50,100,100)"));
    Label3 = label(QStringLiteral("Label3"), 300, 6885, 1575, 315, serifFont(12, true), Qt::AlignLeft,
                   translate("ScoreCard", "Pentaro Chips:"));
    for (int c = 1; c <= Columns; ++c) {
        auto* chip = new QLabel(this);
        chip->setObjectName(QStringLiteral("imgPentaroChip(%1)").arg(c));
        chip->setScaledContents(true);
        chip->setAccessibleName(translate("ScoreCard", "Chip, Game %1").arg(c));
        placeTwips(*chip, card::ChipLeft[c], 6810, 450, 450);
        imgPentaroChip[c] = chip;
        lblChipTotal[c] = label(QStringLiteral("lblChipTotal(%1)").arg(c), card::ChipTotalLeft[c], 6900, 195, 255,
                                serifFont(12, true), Qt::AlignHCenter);
        lblChipTotal[c]->setAccessibleDescription(translate("ScoreCard", "Chips, Game %1").arg(c));
    }

    imgDoneButton = new ImageButton(pictures(), sound(), translate("ScoreCard", "Done"), this);
    imgDoneButton->setObjectName(QStringLiteral("imgDoneButton"));
    const auto& d = size::ScoresCheckDone;
    placeTwips(*imgDoneButton, d.left, d.top, d.box());
    imgDoneButton->setKeyboardFocusable(true);
    imgDoneButton->setToolTip(translate("ScoreCard", "Back to the results (Enter or Escape)"));
    imgDoneButton->setAction([this] { imgDoneButton_MouseUp(); });

    imgReviewButton = new ImageButton(pictures(), sound(), translate("ScoreCard", "Review"), this);
    imgReviewButton->setObjectName(QStringLiteral("imgReviewButton"));
    const auto& rv = size::ScoresCheckReview;
    placeTwips(*imgReviewButton, rv.left, rv.top, rv.box());
    imgReviewButton->setKeyboardFocusable(true);
    imgReviewButton->setToolTip(translate("ScoreCard", "How far each decision was from best play, and the luck of the dice"));
    imgReviewButton->setAction([this] { openReview(this->windows(), shown_); });
    imgReviewButton->hide();
}

void frmScoresCheck::Form_Load() {
    showFitted(*imgPaper, "paper.jpg");
    setBackground("scorescheckbgnd.jpg");
    imgDoneButton->setPictures("doneup.jpg", "donedn.jpg");
    imgReviewButton->setPictures("reviewup.jpg", "reviewdn.jpg");
}

void frmScoresCheck::setChip(int column, bool shown) {
    if (shown)
        imgPentaroChip[column]->setPixmap(pictures().get(file::Chip[column]));
    else
        imgPentaroChip[column]->clear();
    imgPentaroChip[column]->setAccessibleDescription(shown ? translate("ScoreCard", "shown") : QString());
}

void frmScoresCheck::fillColumn(int p, int column) {
    const GameState& s = state();
    for (int r = 1; r <= Rows; ++r) {
        if (r == row::Pentaro) continue;
        if (s.Used(p, r, column)) lblGame_[column][r]->setText(QString::number(s.Score(p, r, column)));
    }
}

// Box 1 shows its value once closed, a scratch as "0"; boxes 2 and 3 only
// when they hold something.
void frmScoresCheck::fillBonusBoxes(int p, int column) {
    const GameState& s = state();
    for (int b = 1; b <= BonusBoxes; ++b) {
        const bool shown = s.BonusUsed(p, b, column) && (b == 1 || s.BonusScore(p, b, column) > 0);
        if (shown) lblGameY_[column][b]->setText(QString::number(s.BonusScore(p, b, column)));
    }
}

void frmScoresCheck::ShowScoresCheck(int p) {
    if (p < 1 || p > MaxPlayers) return;
    const GameState& s = state();
    lblPlayer->clear();
    for (int c = 1; c <= Columns; ++c) {
        for (int r = 1; r <= Rows; ++r)
            if (r != row::Pentaro) lblGame_[c][r]->clear();
        for (int b = 1; b <= BonusBoxes; ++b) lblGameY_[c][b]->clear();
        setChip(c, false);
        lblChipTotal[c]->clear();
    }
    lblPlayer->setText(qstr(s.PlayerName(p)));
    shown_ = p;
    imgReviewButton->setVisible(reviewOffered(windows(), p));
    fillColumn(p, 1);
    fillBonusBoxes(p, 1);
    for (int c = 1; c <= Columns; ++c) {
        if (s.ChipCount(p, c) <= 0) continue;
        setChip(c, true);
        lblChipTotal[c]->setText(QString::number(s.ChipCount(p, c)));
    }
    if (s.GameType == 1) {
        fillColumn(p, 2);
        fillColumn(p, 3);
        fillBonusBoxes(p, 2);
        fillBonusBoxes(p, 3);
    }
    windows().showModal(Name);
}

void frmScoresCheck::imgDoneButton_MouseUp() { windows().hide(Name); }

void frmScoresCheck::closeRequested() {
    if (isVisible()) imgDoneButton->click();
}

void frmScoresCheck::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        Window::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) closeRequested();
}

void frmScoresCheck::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    imgDoneButton->setFocus(Qt::OtherFocusReason);
}

}  // namespace rp
