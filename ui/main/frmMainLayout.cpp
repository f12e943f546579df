// The table's controls at their places: every number here is the layout's
// own, in twips.

#include <QPainter>
#include <QTimer>

#include "Layout.h"
#include "Texts.h"
#include "frmMain.h"

namespace rp {

namespace {

QFont tableFont(qreal points, bool bold = false) {
    QFont f;
    // Asked for by name; fontconfig offers Liberation Serif as its metric twin.
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

const QColor Navy(0, 0, 128);

// Box tops of rows 1..20; row 15 has no visible box and lies below the window.
constexpr std::array<int, 21> RowTop = {0,    1500, 1740, 1980, 2220, 2460, 2700, 2940,
                                        3180, 3405, 3900, 4140, 4380, 4620, 4860, 7800,
                                        5340, 5580, 6060, 6300, 6540};
constexpr std::array<int, 4> ColumnLeft = {0, 2055, 3135, 4215};
constexpr std::array<std::array<int, 4>, 4> BonusLeft = {
    {{}, {0, 2055, 2415, 2775}, {0, 3135, 3495, 3840}, {0, 4215, 4560, 4875}}};
constexpr std::array<int, 6> DieTop = {0, 1740, 2370, 3000, 3630, 4260};

int captionWidth(int row) {
    switch (row) {
        case 8: return 1575;
        case 13: return 1215;
        case 14:
        case 15: return 1275;
        default: return 1035;
    }
}

QString boxDescription(int column, int row) {
    QString name = QString::fromUtf8(text::RowCaptions[row - 1].data(),
                                     static_cast<qsizetype>(text::RowCaptions[row - 1].size()));
    // Rows 18 and 19 repeat the captions of rows 9 and 17.
    if (row == 18 || row == 19) name += QStringLiteral(" (row %1)").arg(row);
    return QStringLiteral("Game %1, %2").arg(column).arg(name);
}

// The score grid: the frame of the card and its rules, drawn over the paper.
class CardGrid : public QWidget {
public:
    explicit CardGrid(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("CardGrid"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        auto line = [&p](int x1, int y1, int x2, int y2, int width) {
            p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(px(x1), px(y1), px(x2), px(y2));
        };
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(px(315), px(1485), px(4935), px(5295));
        for (int k = 0; k <= 20; ++k) {
            const bool heavy = k == 5 || k == 8 || k == 9 || k == 16 || k == 17 || k == 18;
            line(315, 1725 + 240 * k, 5235, 1725 + 240 * k, heavy ? 2 : 1);
        }
        for (int x : {2055, 3135, 4215}) {
            line(x, 1485, x, 3645, 1);
            line(x, 3885, x, 5805, 1);
            line(x, 6045, x, 6765, 1);
        }
        for (int x : {2415, 2775, 3495, 3855, 4560, 4890}) line(x, 5085, x, 5325, 1);
    }
};

}  // namespace

void frmMain::buildCard() {
    imgPaper = new QLabel(this);
    imgPaper->setObjectName(QStringLiteral("imgPaper"));
    imgPaper->setScaledContents(true);
    imgPaper->setFrameShape(QFrame::Box);
    imgPaper->setLineWidth(1);
    placeTwips(*imgPaper, 195, 945, 5175, 6375);

    auto* grid = new CardGrid(this);
    grid->setGeometry(rect());

    auto label = [this](const QString& name, int l, int t, int w, int h, const QFont& font,
                        Qt::Alignment align, const QString& caption = {}) {
        auto* lbl = new TableLabel(this, name);
        placeTwips(*lbl, l, t, w, h);
        lbl->setFont(font);
        lbl->setAlignment(align | Qt::AlignVCenter);
        lbl->setCaption(caption);
        return lbl;
    };

    QFont heading;
    heading.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    heading.setPointSizeF(8.25);
    lblPlayer = label(QStringLiteral("lblPlayer"), 315, 1065, 1815, 375, tableFont(14.25, true),
                      Qt::AlignLeft, QStringLiteral("Proverbs 27:17"));
    Label4 = label(QStringLiteral("Label4"), 2295, 1245, 615, 195, heading, Qt::AlignHCenter,
                   QStringLiteral("Game 1"));
    Label5 = label(QStringLiteral("Label5"), 3375, 1245, 615, 195, heading, Qt::AlignHCenter,
                   QStringLiteral("Game 2"));
    Label6 = label(QStringLiteral("Label6"), 4455, 1245, 615, 195, heading, Qt::AlignHCenter,
                   QStringLiteral("Game 3"));

    for (int r = 1; r <= Rows; ++r) {
        const auto& caption = text::RowCaptions[r - 1];
        Label1[r - 1] = label(QStringLiteral("Label1(%1)").arg(r - 1), 435,
                              r == row::Pentaro ? 5100 : RowTop[r], captionWidth(r), 195,
                              tableFont(9.75, r == row::Score), Qt::AlignLeft,
                              QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
        for (int c = 1; c <= Columns; ++c) {
            auto* box = new TableLabel(this, QStringLiteral("lblGame%1(%2)").arg(c).arg(r),
                                       QAccessible::Cell);
            placeTwips(*box, ColumnLeft[c], RowTop[r], 1095, 195);
            box->setFont(tableFont(9.75, r == row::UpperTotal || r == row::Score));
            box->setTextColour(Navy);
            box->setAlignment(Qt::AlignCenter);
            box->setAccessibleDescription(boxDescription(c, r));
            connect(box, &TableLabel::clicked, this, [this, c, r] { lblGame_Click(c, r); });
            lblGame_[c][r] = box;
        }
    }
    for (int c = 1; c <= Columns; ++c) {
        for (int b = 1; b <= BonusBoxes; ++b) {
            auto* box = new TableLabel(this, QStringLiteral("lblGame%1Y(%2)").arg(c).arg(b),
                                       QAccessible::Cell);
            placeTwips(*box, BonusLeft[c][b], 5100, 375, 195);
            box->setFont(tableFont(9.75));
            box->setTextColour(Navy);
            box->setAlignment(Qt::AlignCenter);
            box->setAccessibleDescription(QStringLiteral("Game %1, Pentaro box %2").arg(c).arg(b));
            connect(box, &TableLabel::clicked, this, [this, c, b] { lblGameY_Click(c, b); });
            lblGameY_[c][b] = box;
        }
    }
    Label2 = label(QStringLiteral("Label2"), 1110, 5100, 930, 195, tableFont(8.25), Qt::AlignLeft,
                   QStringLiteral("(50,100,100)"));
    Label3 = label(QStringLiteral("Label3"), 300, 6885, 1575, 315, tableFont(12, true),
                   Qt::AlignLeft, QStringLiteral("Pentaro Chips:"));
    constexpr std::array<int, 4> chipLeft = {0, 2220, 3300, 4380}, totalLeft = {0, 2760, 3840, 4920};
    for (int c = 1; c <= Columns; ++c) {
        imgPentaroChip[c] = new TableLabel(this, QStringLiteral("imgPentaroChip(%1)").arg(c),
                                           QAccessible::Graphic);
        imgPentaroChip[c]->setScaledContents(true);
        imgPentaroChip[c]->setAccessibleName(QStringLiteral("Chip, Game %1").arg(c));
        placeTwips(*imgPentaroChip[c], chipLeft[c], 6810, 450, 450);
        lblChipTotal[c] = label(QStringLiteral("lblChipTotal(%1)").arg(c), totalLeft[c], 6900, 195,
                                255, tableFont(12, true), Qt::AlignHCenter);
    }
    AA_Version = label(QStringLiteral("AA_Version"), 300, 7110, 735, 195, tableFont(8.25),
                       Qt::AlignHCenter, QStringLiteral("ver. 1.0.2"));
}

void frmMain::buildDiceAndButtons() {
    for (int i = 1; i <= DiceCount; ++i) {
        auto die = [this, i](const char* name, int left, const char* tip) {
            auto* d = new TableLabel(this, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i),
                                     QAccessible::Button);
            placeTwips(*d, left, DieTop[i], size::Die);
            d->setToolTip(QStringLiteral("%1 (key %2)").arg(QLatin1String(tip)).arg(i));
            return d;
        };
        imgKeepDice[i] = die("imgKeepDice", 5835, "Click to put back");
        imgRollingDice[i] = die("imgRollingDice", 6795, "Click to keep");
        connect(imgKeepDice[i], &TableLabel::clicked, this, [this, i] { imgKeepDice_Click(i); });
        connect(imgRollingDice[i], &TableLabel::clicked, this, [this, i] { imgRollingDice_Click(i); });
    }
    lblRollCount = new TableLabel(this, QStringLiteral("lblRollCount"));
    placeTwips(*lblRollCount, 6495, 3120, 195, 375);
    lblRollCount->setFont(tableFont(15.75, true));
    lblRollCount->setTextColour(QColor(255, 192, 128));
    lblRollCount->setAlignment(Qt::AlignCenter);

    auto button = [this](const char* name, const char* word, int top, const char* tip) {
        auto* b = new ImageButton(pictures(), sound(), QString::fromLatin1(word), this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(*b, 5835, top, size::ImageButton);
        b->setTip(QString::fromLatin1(tip));
        return b;
    };
    imgRollButton = button("imgRollButton", "Roll", 4980, "Click to roll dice (Enter)");
    imgNewGameButton = button("imgNewGameButton", "New Game", 5760, "Click to begin new game (N)");
    imgHighScoresButton = button("imgHighScoresButton", "High Scores", 6180, "Click to show high scores (S)");
    imgSoundButton = button("imgSoundButton", "Sound On", 6600, "Enable/Disable Sound (M)");
    imgHelpButton = button("imgHelpButton", "Help", 7020, "Click for help (F1)");

    lblExit = new TableLabel(this, QStringLiteral("lblExit"), QAccessible::Button);
    placeTwips(*lblExit, 7650, 45, 255, 315);
    lblExit->setFont(tableFont(11.25, true));
    lblExit->setText(QStringLiteral("X"));
    lblExit->setAccessibleName(QStringLiteral("Exit The Program"));
    lblExit->setToolTip(QStringLiteral("Exit The Program (Ctrl+Q)"));
    lblExit->setMouseTracking(true);

    // Over the dice and the roll counter while the turn passes.
    imgNext = new QLabel(this);
    imgNext->setObjectName(QStringLiteral("imgNext"));
    imgNext->setAccessibleName(QStringLiteral("Next player"));
    placeTwips(*imgNext, 5460, 2880, size::NextPlayer);
    imgNext->hide();

    cmdGhostEnter = new QPushButton(QStringLiteral("roll"), this);
    cmdGhostEnter->setObjectName(QStringLiteral("cmdGhostEnter"));
    placeTwips(*cmdGhostEnter, 3525, 8385, 630, 435);
    // Enter clicks it as well as Space, though this is no dialog.
    cmdGhostEnter->setAutoDefault(true);

    // Below the client area beside the ghost button: heard, never seen.
    lblAnnounce = new QLabel(this);
    lblAnnounce->setObjectName(QStringLiteral("lblAnnounce"));
    placeTwips(*lblAnnounce, 4200, 8385, 3000, 435);
}

void frmMain::buildTimers() {
    tmrRollPause = addTimer(500, [this] { tmrRollPause_Timer(); });
    tmrNext = addTimer(2000, [this] { tmrNext_Timer(); });
    tmrEndGame = addTimer(2000, [this] { tmrEndGame_Timer(); });
    for (int d = 1; d <= DiceCount; ++d)
        for (int e = 1; e <= 6; ++e)
            animators_[d][e] = addTimer(50, [this, d, e] { tmrDieAnimator_Timer(d, e); });
}

}  // namespace rp
