#include "Words.h"
#include "frmEndGame.h"

#include <QFontMetrics>

#include "Zoom.h"

#include <QKeyEvent>
#include <cmath>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "ClickableLabel.h"
#include "ImageButton.h"
#include "Layout.h"
#include "SeatSettings.h"
#include "Texts.h"
#include "WindowFonts.h"
#include "frmReview.h"
#include "frmScoresCheck.h"

namespace rp {

namespace {

const QColor Navy(0, 0, 128);
const QColor WinnerRed(255, 0, 0);

// The results table, in pixels within the card panel of the background.
constexpr int WinnerTop = px(size::EndGameBodyTop) + 8, WinnerHeight = 26;
constexpr int HeadTop = WinnerTop + WinnerHeight + 6, HeadHeight = 24;
constexpr int RowTop = HeadTop + HeadHeight, RowHeight = 22;
constexpr int CaptionLeft = 24, CaptionWidth = 160;
constexpr int PlayerLeft = CaptionLeft + CaptionWidth, PlayerWidth = 82;
constexpr int GridRight = PlayerLeft + 4 * PlayerWidth;
constexpr int HintTop = RowTop + 7 * RowHeight + 4;
constexpr int WindowWidth = px(size::EndGameWindow.width);  // at 100 %

constexpr std::array<const char*, 7> RowCaptions = {
    QT_TRANSLATE_NOOP("Results", "Game 1 Total"),       QT_TRANSLATE_NOOP("Results", "Chips (x-100)"),
    QT_TRANSLATE_NOOP("Results", "Game 2 Total (x-2)"), QT_TRANSLATE_NOOP("Results", "Chips (x-200)"),
    QT_TRANSLATE_NOOP("Results", "Game 3 Total (x-3)"), QT_TRANSLATE_NOOP("Results", "Chips (x-300)"),
    QT_TRANSLATE_NOOP("Results", "Grand Total")};

void setColour(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Disabled, QPalette::WindowText, c);
    l->setPalette(p);
}

// A name wider than its column is set smaller rather than cut off.
void fitText(QLabel* l, const QString& text, qreal points) {
    QFont f = l->font();
    f.setPointSizeF(points);
    const auto wide = [&] {
        QFont zoomed = f;
        zoomed.setPointSizeF(f.pointSizeF() * zoom::factor());
        return QFontMetrics(zoomed).horizontalAdvance(text) > l->width() - 4;
    };
    while (f.pointSizeF() > 7 && wide()) f.setPointSizeF(f.pointSizeF() - 0.5);
    zoom::setFont(*l, f);
    l->setText(text);
}

}  // namespace

frmEndGame::frmEndGame(Windows& windows, mdlLogic& logic)
    : Window(windows, Name, size::EndGameWindow, Placement::Screen), logic_(logic) {
    setWindowTitle(translate("Results", "Game Over"));

    auto label = [this](const QString& name, QRect r, const QFont& font, Qt::Alignment align,
                        const QString& caption = {}) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        placePixels(*l, r);
        l->setFont(font);
        l->setAlignment(align | Qt::AlignVCenter);
        l->setAttribute(Qt::WA_TranslucentBackground);
        return l;
    };

    lblWinner = label(QStringLiteral("lblWinner"), QRect(CaptionLeft, WinnerTop, WindowWidth - 2 * CaptionLeft, WinnerHeight),
                      serifFont(15, true), Qt::AlignHCenter);
    setColour(lblWinner, QColor(90, 20, 20));

    for (int r = 1; r <= 7; ++r) {
        Label1[r - 1] = label(QStringLiteral("Label1(%1)").arg(r - 1),
                              QRect(CaptionLeft + 6, RowTop + (r - 1) * RowHeight, CaptionWidth - 8, RowHeight),
                              serifFont(11, r == 7), Qt::AlignLeft, translate("Results", RowCaptions[r - 1]));
    }
    QWidget* previous = nullptr;
    for (int p = 1; p <= MaxPlayers; ++p) {
        const int left = PlayerLeft + (p - 1) * PlayerWidth;
        auto* head = new ClickableLabel(this, QStringLiteral("lblPlayer(%1)").arg(p));
        placePixels(*head, QRect(left, HeadTop, PlayerWidth, HeadHeight));
        head->setFont(serifFont(11, true));
        head->setAlignment(Qt::AlignCenter);
        setColour(head, Navy);
        head->setEnabled(false);
        connect(head, &ClickableLabel::clicked, this, [this, p] { lblPlayer_Click(p); });
        lblPlayer[p] = head;
        if (previous) setTabOrder(previous, head);
        previous = head;
        for (int r = 1; r <= 7; ++r) {
            QLabel* cell = label(QStringLiteral("lblScoreGrid%1(%2)").arg(p).arg(r),
                                 QRect(left, RowTop + (r - 1) * RowHeight, PlayerWidth, RowHeight),
                                 serifFont(11, r == 7), Qt::AlignHCenter);
            setColour(cell, Navy);
            cell->setAccessibleDescription(QStringLiteral("%1, %2").arg(translate("Results", RowCaptions[r - 1]))
                                               .arg(translate("Results", "player %1").arg(p)));
            grid_[p][r] = cell;
        }
    }
    Label2 = label(QStringLiteral("Label2"), QRect(CaptionLeft, HintTop, WindowWidth - 2 * CaptionLeft, 18),
                   serifFont(10), Qt::AlignHCenter, translate("Results", "Click On Names To See Scorecard"));
    Label2->setToolTip(translate("Results", "Or Tab to a name and press Enter"));
    lblBestPlay = label(QStringLiteral("lblBestPlay"), QRect(CaptionLeft, HintTop + 10, WindowWidth - 2 * CaptionLeft, 13),
                        serifFont(9), Qt::AlignHCenter);
    lblBestPlay->hide();

    imgLeft = new QLabel(this);
    imgLeft->setObjectName(QStringLiteral("imgLeft"));
    placeTwips(*imgLeft, size::EndGameFlashLeft.left, size::EndGameFlashLeft.top, size::EndGameFlashLeft.box());
    imgRight = new QLabel(this);
    imgRight->setObjectName(QStringLiteral("imgRight"));
    placeTwips(*imgRight, size::EndGameFlashRight.left, size::EndGameFlashRight.top, size::EndGameFlashRight.box());
    for (QLabel* flash : {imgLeft, imgRight}) {
        flash->setScaledContents(true);
        flash->setAccessibleName(translate("Results", "A new high score!"));
    }
    Timer1 = addTimer(700, [this] { Timer1_Timer(); });
    Timer2 = addTimer(700, [this] { Timer2_Timer(); });

    imgDone = new ImageButton(pictures(), sound(), translate("Results", "Done"), this);
    imgDone->setObjectName(QStringLiteral("imgDone"));
    placeTwips(*imgDone, size::EndGameDone.left, size::EndGameDone.top, size::EndGameDone.box());
    imgDone->setKeyboardFocusable(true);
    imgDone->setToolTip(translate("Results", "On to the high scores (Enter or Escape)"));
    imgDone->setAction([this] { imgDone_MouseUp(); });
    imgReview = new ImageButton(pictures(), sound(), translate("Results", "Review"), this);
    imgReview->setObjectName(QStringLiteral("imgReview"));
    placeTwips(*imgReview, size::EndGameReview.left, size::EndGameReview.top, size::EndGameReview.box());
    imgReview->setKeyboardFocusable(true);
    imgReview->setToolTip(translate("Results", "How far each decision was from best play, and the luck of the dice"));
    imgReview->setAction([this] { imgReview_MouseUp(); });
    imgReview->hide();
    // Tab goes from the names to the review and done, then round again.
    setTabOrder(previous, imgReview);
    setTabOrder(imgReview, imgDone);
}

void frmEndGame::Form_Load() {
    const GameState& s = state();
    imgDone->setPictures("doneup.jpg", "donedn.jpg");
    if (s.NewHighScore) {
        sound().play(file::NewHighSound);
        setBackground("endgamewin.jpg");
        imgLeft->setPixmap(pictures().get("leftflash.jpg"));
        imgRight->setPixmap(pictures().get("rightflash.jpg"));
        imgLeft->hide();
        imgRight->show();
        Timer1->start();
    } else {
        setBackground("endgamebgnd.jpg");
        sound().play(file::EndGameSound);
    }
    const bool winnerKnown = s.Winner >= 1 && s.Winner <= s.NumPlayers;
    if (winnerKnown) {
        lblWinner->setText(translate("Results", "The Winner is:  ") + qstr(s.PlayerName(s.Winner)));
        setColour(lblPlayer[s.Winner], WinnerRed);
        for (int r = 1; r <= 7; ++r) setColour(grid_[s.Winner][r], WinnerRed);
    }
    for (int p = 1; p <= s.NumPlayers && p <= MaxPlayers; ++p) {
        ClickableLabel* head = lblPlayer[p];
        head->setEnabled(true);
        fitText(head, qstr(s.PlayerName(p)), 11);
        const bool computer = seats && seats->isComputer(p);
        const QString level = computer ? translate("Seats", seatWord(seats->kind(p))) : QString();
        head->setAccessibleDescription(
            computer ? translate("Results", "Player %1, computer, %2: press Enter to see the score card").arg(p).arg(level)
                     : translate("Results", "Player %1: press Enter to see the score card").arg(p));
        if (computer) {
            // The name stays the name; the strength sits small in its corner.
            auto* mark = new QLabel(translate("Results", "computer, %1").arg(level), this);
            mark->setObjectName(QStringLiteral("lblSeat(%1)").arg(p));
            mark->setFont(serifFont(7, false));
            mark->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            // As tall as its letters at the zoom, resting on the heading.
            const int tall = QFontMetrics(serifFont(7 * zoom::factor())).height();
            mark->setGeometry(head->x(), head->y() - tall + 1, head->width(), tall);
            setColour(mark, QColor(70, 70, 110));
            mark->setAccessibleName(translate("Results", "%1: computer, %2").arg(head->text(), level));
            mark->show();
            lblSeat[p] = mark;
        }
        head->setToolTip(translate("Results", "%1's score card (Enter)").arg(head->text()));
        auto show = [this, p](int r, int value) { grid_[p][r]->setText(QString::number(value)); };
        show(1, s.ColumnScore(p, 1));
        show(2, s.ChipCount(p, 1) * 100);
        if (s.GameType == 1) {
            show(3, s.ColumnScore(p, 2));
            show(4, s.ChipCount(p, 2) * 200);
            show(5, s.ColumnScore(p, 3));
            show(6, s.ChipCount(p, 3) * 300);
        }
        show(7, s.GrandTotal(p));
    }
    showBestPlay();
    imgReview->setPictures("reviewup.jpg", "reviewdn.jpg");
    for (int p = 1; p <= s.NumPlayers && p <= MaxPlayers; ++p)
        if (reviewOffered(windows(), p)) imgReview->show();
}

void frmEndGame::imgReview_MouseUp() {
    for (int p = 1; p <= state().NumPlayers && p <= MaxPlayers; ++p)
        if (reviewOffered(windows(), p)) return openReview(windows(), p);
}

void frmEndGame::showBestPlay() {
    const GameState& s = state();
    if (s.GameType != 2 || s.NumPlayers != 1 || !bestPlay || (seats && seats->isComputer(1))) return;
    const std::optional<double> best = bestPlay();
    if (!best) return;
    const double diff = s.GrandTotal(1) - *best;
    const QString text = translate("Results", "Best play averages %1 points a game: your %2 is %3 %4 it.")
                             .arg(decimal(*best, 1))
                             .arg(s.GrandTotal(1))
                             .arg(decimal(std::abs(diff), 1))
                             .arg(diff < 0 ? translate("Results", "below") : translate("Results", "above"));
    // Two lines share the room above the button.
    placePixels(*Label2, QRect(CaptionLeft, HintTop - 5, WindowWidth - 2 * CaptionLeft, 14));
    lblBestPlay->setText(text);
    lblBestPlay->setAccessibleName(text);
    lblBestPlay->show();
}

void frmEndGame::Timer1_Timer() {
    imgLeft->show();
    imgRight->hide();
    Timer2->start();
    Timer1->stop();
}

void frmEndGame::Timer2_Timer() {
    imgLeft->hide();
    imgRight->show();
    Timer1->start();
    Timer2->stop();
}

void frmEndGame::lblPlayer_Click(int p) {
    if (p < 1 || p > MaxPlayers || !lblPlayer[p]->isEnabled()) return;
    auto* card = static_cast<frmScoresCheck*>(windows().load(frmScoresCheck::Name));
    card->ShowScoresCheck(p);
    // Back from the card: the keyboard carries on where it left.
    if (windows().isLoaded(Name)) lblPlayer[p]->setFocus(Qt::OtherFocusReason);
}

void frmEndGame::imgDone_MouseUp() {
    logic_.StartNewGame();
    state().GameInProgress = false;
    state().RollCount = 3;  // no roll until a new game is set up
    unloadMe();
    windows().show(QStringLiteral("frmHighScores"));
}

void frmEndGame::closeRequested() {
    if (windows().isLoaded(Name)) imgDone->click();
}

void frmEndGame::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        Window::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) closeRequested();
}

void frmEndGame::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    if (!focusWidget() || !focusWidget()->isEnabled()) imgDone->setFocus(Qt::OtherFocusReason);
}

// The results grid over the card panel of the background.
void frmEndGame::paintEvent(QPaintEvent* event) {
    Window::paintEvent(event);
    QPainter p(this);
    p.scale(zoom::factor(), zoom::factor());
    p.setPen(QPen(QColor(60, 40, 20), 1));
    const int top = HeadTop, bottom = RowTop + 7 * RowHeight;
    p.drawRect(CaptionLeft, top, GridRight - CaptionLeft, bottom - top);
    for (int r = 0; r < 7; ++r) p.drawLine(CaptionLeft, RowTop + r * RowHeight, GridRight, RowTop + r * RowHeight);
    for (int c = 0; c < 4; ++c) p.drawLine(PlayerLeft + c * PlayerWidth, top, PlayerLeft + c * PlayerWidth, bottom);
    p.setPen(QPen(QColor(60, 40, 20), 2));
    p.drawLine(CaptionLeft, RowTop + 6 * RowHeight, GridRight, RowTop + 6 * RowHeight);
}

}  // namespace rp
