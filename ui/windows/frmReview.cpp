#include "Words.h"
#include "frmReview.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>

#include "Advisor.h"
#include "ImageButton.h"
#include "Layout.h"
#include "ReviewCard.h"
#include "ReviewChart.h"
#include "ReviewText.h"
#include "Texts.h"
#include "WindowFonts.h"

namespace rp {

namespace {

const QColor Navy(0, 0, 128);
constexpr int Margin = 20, PaperTop = 12;
constexpr int ChartTop = 92, ChartHeight = 250, CardWidth = 270;
constexpr int ListTop = ChartTop + ChartHeight + 10, ListHeight = 196;
enum Column { Turn, Roll, Dice, Done, BestPlay, Cost, ColumnCount };

// Holds what the review is made from beside the window registry, so the
// results can offer a review without loading its window.
class ReviewOffer : public QObject {
public:
    ReviewOffer(Windows& windows, ReviewSource s) : QObject(&windows), source(std::move(s)) {
        setObjectName(QStringLiteral("reviewOffer"));
    }
    ReviewSource source;
};

ReviewOffer* offerOf(Windows& windows) {
    return windows.findChild<ReviewOffer*>(QStringLiteral("reviewOffer"), Qt::FindDirectChildrenOnly);
}

// The dice of a position as one small picture, die by die.
QPixmap dicePicture(Pictures& pictures, const advisor::Position& p) {
    constexpr int Die = 16, Gap = 2;
    QPixmap strip(DiceCount * (Die + Gap), Die);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int d = 1; d <= DiceCount; ++d) {
        const int face = p.dice[static_cast<std::size_t>(d)];
        if (face >= 1 && face <= 6)
            painter.drawPixmap(QRect((d - 1) * (Die + Gap), 0, Die, Die), pictures.get(file::DieFace[static_cast<std::size_t>(face)]));
    }
    return strip;
}

}  // namespace

void defineReviewWindow(Windows& windows, ReviewSource source) {
    new ReviewOffer(windows, source);
    windows.define(frmReview::Name, [source](Windows& ws) -> Window* { return new frmReview(ws, source); });
}

bool reviewOffered(Windows& windows, int p) {
    const ReviewOffer* offer = offerOf(windows);
    return offer && offer->source.isPerson && offer->source.isPerson(p);
}

void openReview(Windows& windows, int p) {
    if (!reviewOffered(windows, p)) return;
    static_cast<frmReview*>(windows.load(frmReview::Name))->ShowReview(p);
}

frmReview::frmReview(Windows& windows, ReviewSource source)
    : Window(windows, Name, size::ReviewWindow, Placement::Screen), source_(std::move(source)) {
    setWindowTitle(translate("Review", "Game Review"));
    constexpr int Width = size::ReviewWindow.width / TwipsPerPixel;  // at 100 %
    const int inner = Width - 2 * Margin;

    cboPlayer = new QComboBox(this);
    cboPlayer->setObjectName(QStringLiteral("cboPlayer"));
    placePixels(*cboPlayer, {Margin + 8, PaperTop + 12, 220, 28});
    cboPlayer->setFont(serifFont(13, true));
    cboPlayer->setAccessibleName(translate("Review", "Review of"));
    connect(cboPlayer, &QComboBox::activated, this, [this](int i) { fill(cboPlayer->itemData(i).toInt()); });

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    placePixels(*lblSummary, {Margin + 8, PaperTop + 42, inner - 16, 40});
    lblSummary->setFont(serifFont(12));
    lblSummary->setWordWrap(true);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lblSummary->setFocusPolicy(Qt::StrongFocus);
    QPalette navy = lblSummary->palette();
    navy.setColor(QPalette::WindowText, Navy);
    lblSummary->setPalette(navy);

    chartCourse = new ReviewChart(this);
    placePixels(*chartCourse, {Margin + 4, ChartTop, inner - CardWidth - 16, ChartHeight});
    cardPosition = new ReviewCard(pictures(), this);
    placePixels(*cardPosition, {Width - Margin - 4 - CardWidth, ChartTop, CardWidth, ChartHeight});

    lstDecisions = new QTableWidget(0, ColumnCount, this);
    lstDecisions->setObjectName(QStringLiteral("lstDecisions"));
    lstDecisions->setAccessibleName(translate("Review", "Decisions, most costly first"));
    placePixels(*lstDecisions, {Margin + 4, ListTop, inner - 8, ListHeight});
    lstDecisions->setHorizontalHeaderLabels({translate("Review", "Turn"), translate("Review", "Roll"), translate("Review", "Dice"),
                                             translate("Review", "Done"), translate("Review", "Best play"), translate("Review", "Cost")});
    lstDecisions->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstDecisions->setSelectionMode(QAbstractItemView::SingleSelection);
    lstDecisions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstDecisions->setTabKeyNavigation(false);
    lstDecisions->verticalHeader()->hide();
    lstDecisions->setIconSize(QSize(DiceCount * 18, 16));
    lstDecisions->setFont(serifFont(10));
    lstDecisions->setStyleSheet(QStringLiteral("QTableWidget { background: #fffaf0; color: #000080; }"));
    auto* head = lstDecisions->horizontalHeader();
    // The sentences share what the short columns leave, at any zoom.
    for (int c : {Turn, Roll, Dice, Cost}) head->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (int c : {Done, BestPlay}) head->setSectionResizeMode(c, QHeaderView::Stretch);
    connect(lstDecisions, &QTableWidget::currentCellChanged, this, [this](int row) { selectDecision(row); });

    imgDoneButton = new ImageButton(pictures(), sound(), translate("Review", "Done"), this);
    imgDoneButton->setObjectName(QStringLiteral("imgDoneButton"));
    placePixels(*imgDoneButton, {(Width - size::ImageButton.widthPx()) / 2, ListTop + ListHeight + 10,
                                 size::ImageButton.widthPx(), size::ImageButton.heightPx()});
    imgDoneButton->setKeyboardFocusable(true);
    imgDoneButton->setToolTip(translate("Review", "Back (Enter or Escape)"));
    imgDoneButton->setAction([this] { imgDoneButton_MouseUp(); });

    setTabOrder(cboPlayer, lblSummary);
    setTabOrder(lblSummary, chartCourse);
    setTabOrder(chartCourse, lstDecisions);
    setTabOrder(lstDecisions, imgDoneButton);
}

void frmReview::Form_Load() { imgDoneButton->setPictures("doneup.jpg", "donedn.jpg"); }

void frmReview::ShowReview(int p) {
    const GameState& s = state();
    cboPlayer->clear();
    for (int q = 1; q <= s.NumPlayers && q <= MaxPlayers; ++q)
        if (source_.isPerson && source_.isPerson(q)) cboPlayer->addItem(qstr(s.PlayerName(q)), q);
    const int index = cboPlayer->findData(p);
    if (index < 0) return;
    cboPlayer->setCurrentIndex(index);
    fill(p);
    windows().showModal(Name);
}

void frmReview::fill(int p) {
    const GameState& s = state();
    player_ = p;
    std::string error;
    const advisor::SolvedTable* table = source_.table ? source_.table(error) : nullptr;
    if (!table || !source_.moves) {
        review_ = {};
        review_.message = error.empty() ? QT_TRANSLATE_NOOP("Advisor", "the solved game is not at hand.") : error;
    } else {
        advisor::Advisor advisor(*table);
        review_ = advisor::reviewGame(advisor, source_.moves->moves(), p, s.GrandTotal(p));
    }
    const QString summary = review::summary(review_);
    lblSummary->setText(summary);
    lblSummary->setAccessibleName(summary);

    chartCourse->setCourse(review_.turns, review_.estimate);
    chartCourse->setVisible(review_.available);

    listed_ = review_.decisions;
    std::stable_sort(listed_.begin(), listed_.end(),
                     [](const auto& a, const auto& b) { return a.cost > b.cost; });
    lstDecisions->clearContents();
    lstDecisions->setRowCount(static_cast<int>(listed_.size()));
    for (int r = 0; r < static_cast<int>(listed_.size()); ++r) {
        const advisor::ReviewedDecision& d = listed_[static_cast<std::size_t>(r)];
        const QString said = review::sentence(d);
        auto put = [&](int c, const QString& text, Qt::Alignment align = Qt::AlignLeft) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(align | Qt::AlignVCenter);
            // Every cell reads as the whole row's sentence.
            item->setData(Qt::AccessibleTextRole, said);
            item->setToolTip(said);
            lstDecisions->setItem(r, c, item);
            return item;
        };
        put(Turn, QString::number(d.turn), Qt::AlignHCenter);
        put(Roll, QString::number(d.roll), Qt::AlignHCenter);
        put(Dice, QString())->setData(Qt::DecorationRole, dicePicture(pictures(), d.position));
        lstDecisions->item(r, Dice)->setData(Qt::AccessibleDescriptionRole, review::dice(d.position));
        put(Done, review::made(d));
        put(BestPlay, review::best(d));
        put(Cost, review::cost(d.cost), Qt::AlignRight);
    }
    lstDecisions->setVisible(review_.available);
    cardPosition->setVisible(review_.available);
    if (!listed_.empty()) lstDecisions->setCurrentCell(0, Turn);
}

void frmReview::selectDecision(int row) {
    if (row < 0 || row >= static_cast<int>(listed_.size())) return;
    cardPosition->showDecision(listed_[static_cast<std::size_t>(row)]);
}

void frmReview::imgDoneButton_MouseUp() { windows().hide(Name); }

void frmReview::closeRequested() {
    if (isVisible()) imgDoneButton->click();
}

void frmReview::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        Window::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) closeRequested();
}

// The table's felt under a sheet of the score card's paper.
void frmReview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(29, 90, 49));
    const QRect paper = rect().adjusted(Margin - 8, PaperTop, -(Margin - 8), -8);
    p.drawPixmap(paper, pictures().get("paper.jpg"));
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.drawRect(paper);
}

}  // namespace rp
