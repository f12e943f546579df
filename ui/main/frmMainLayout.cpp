// The table's controls at their places: every number here is the layout's
// own, in twips.

#include <QTimer>

#include "Words.h"
#include "CardLayout.h"
#include "Layout.h"
#include "Texts.h"
#include "Version.h"
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

constexpr std::array<int, 6> DieTop = {0, 1740, 2370, 3000, 3630, 4260};

}  // namespace

void frmMain::buildCard() {
    imgPaper = new QLabel(this);
    imgPaper->setObjectName(QStringLiteral("imgPaper"));
    imgPaper->setFrameShape(QFrame::Box);
    imgPaper->setLineWidth(1);
    placeTwips(*imgPaper, 195, 945, 5175, 6375);

    auto* grid = new card::CardGrid(this);
    placeTwips(*grid, card::CardGrid::Left, card::CardGrid::Top, card::CardGrid::Width, card::CardGrid::Height);

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
                      Qt::AlignLeft);
    Label4 = label(QStringLiteral("Label4"), 2295, 1245, 615, 195, heading, Qt::AlignHCenter);
    Label5 = label(QStringLiteral("Label5"), 3375, 1245, 615, 195, heading, Qt::AlignHCenter);
    Label6 = label(QStringLiteral("Label6"), 4455, 1245, 615, 195, heading, Qt::AlignHCenter);
    say([this] {
        // The title stands where the player's name goes until a game starts.
        if (lblPlayer->text() == title_) lblPlayer->setCaption(translate("Table", "Proverbs 27:17"));
        title_ = translate("Table", "Proverbs 27:17");
        Label4->setCaption(translate("Table", "Game 1"));
        Label5->setCaption(translate("Table", "Game 2"));
        Label6->setCaption(translate("Table", "Game 3"));
    });

    for (int r = 1; r <= Rows; ++r) {
        Label1[r - 1] = label(QStringLiteral("Label1(%1)").arg(r - 1), 435,
                              (r == row::Pentaro ? card::BonusTop : card::RowTop[r]) - card::CaptionRaise,
                              card::captionWidth(r), card::CaptionHeight,
                              tableFont(9.75, r == row::Score), Qt::AlignLeft);
        say([this, r] { Label1[r - 1]->setCaption(rowCaption(r)); });
        for (int c = 1; c <= Columns; ++c) {
            auto* box = new TableLabel(this, QStringLiteral("lblGame%1(%2)").arg(c).arg(r),
                                       QAccessible::Cell);
            placeTwips(*box, card::ColumnLeft[c], card::RowTop[r], 1095, 195);
            box->setFont(tableFont(9.75, r == row::UpperTotal || r == row::Score));
            box->setTextColour(Navy);
            box->setAlignment(Qt::AlignCenter);
            say([box, c, r] { box->setAccessibleDescription(card::boxDescription(c, r)); });
            connect(box, &TableLabel::clicked, this, [this, c, r] {
                if (!heldBack()) lblGame_Click(c, r);
            });
            lblGame_[c][r] = box;
        }
    }
    for (int c = 1; c <= Columns; ++c) {
        for (int b = 1; b <= BonusBoxes; ++b) {
            auto* box = new TableLabel(this, QStringLiteral("lblGame%1Y(%2)").arg(c).arg(b),
                                       QAccessible::Cell);
            placeTwips(*box, card::BonusLeft[c][b], card::BonusTop, 375, 195);
            box->setFont(tableFont(9.75));
            box->setTextColour(Navy);
            box->setAlignment(Qt::AlignCenter);
            say([box, c, b] { box->setAccessibleDescription(translate("Table", "Game %1, Pentaro box %2").arg(c).arg(b)); });
            connect(box, &TableLabel::clicked, this, [this, c, b] {
                if (!heldBack()) lblGameY_Click(c, b);
            });
            lblGameY_[c][b] = box;
        }
    }
    Label2 = label(QStringLiteral("Label2"), 1110, 5100, 930, 195, tableFont(8.25), Qt::AlignLeft,
                   QStringLiteral("(50,100,100)"));
    Label3 = label(QStringLiteral("Label3"), 300, 6885, 1575, 315, tableFont(12, true),
                   Qt::AlignLeft);
    say([this] { Label3->setCaption(translate("Table", "Pentaro Chips:")); });
        for (int c = 1; c <= Columns; ++c) {
        imgPentaroChip[c] = new TableLabel(this, QStringLiteral("imgPentaroChip(%1)").arg(c),
                                           QAccessible::Graphic);
        imgPentaroChip[c]->setScaledContents(true);
        say([this, c] { imgPentaroChip[c]->setAccessibleName(translate("Table", "Chip, Game %1").arg(c)); });
        placeTwips(*imgPentaroChip[c], card::ChipLeft[c], 6810, 450, 450);
        lblChipTotal[c] = label(QStringLiteral("lblChipTotal(%1)").arg(c), card::ChipTotalLeft[c], 6900, 195,
                                255, tableFont(12, true), Qt::AlignHCenter);
    }
    AA_Version = label(QStringLiteral("AA_Version"), 300, 7110, 735, 195, tableFont(8.25),
                       Qt::AlignHCenter, QStringLiteral("ver. " RP_VERSION));
}

void frmMain::buildDiceAndButtons() {
    for (int i = 1; i <= DiceCount; ++i) {
        auto die = [this, i](const char* name, int left, const char* tip) {
            auto* d = new TableLabel(this, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i),
                                     QAccessible::Button);
            placeTwips(*d, left, DieTop[i], size::Die);
            say([d, tip, i] { d->setToolTip(translate("Table", "%1 (key %2)").arg(translate("Table", tip)).arg(i)); });
            return d;
        };
        imgKeepDice[i] = die("imgKeepDice", 5835, QT_TRANSLATE_NOOP("Table", "Click to put back"));
        imgRollingDice[i] = die("imgRollingDice", 6795, QT_TRANSLATE_NOOP("Table", "Click to keep"));
        connect(imgKeepDice[i], &TableLabel::clicked, this, [this, i] {
            if (!heldBack()) imgKeepDice_Click(i);
        });
        connect(imgRollingDice[i], &TableLabel::clicked, this, [this, i] {
            if (!heldBack()) imgRollingDice_Click(i);
        });
    }
    lblRollCount = new TableLabel(this, QStringLiteral("lblRollCount"));
    placeTwips(*lblRollCount, 6495, 3120, 195, 375);
    lblRollCount->setFont(tableFont(15.75, true));
    lblRollCount->setTextColour(QColor(255, 192, 128));
    lblRollCount->setAlignment(Qt::AlignCenter);

    auto button = [this](const char* name, const char* word, int top, const char* tip) {
        auto* b = new ImageButton(pictures(), sound(), translate("Table", word), this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(*b, 5835, top, size::ImageButton);
        say([b, word, tip] {
            b->setCommandWord(translate("Table", word));
            b->setTip(translate("Table", tip));
        });
        return b;
    };
    imgRollButton = button("imgRollButton", QT_TRANSLATE_NOOP("Table", "Roll"), 4980, QT_TRANSLATE_NOOP("Table", "Click to roll dice (Enter)"));
    imgNewGameButton = button("imgNewGameButton", QT_TRANSLATE_NOOP("Table", "New Game"), 5760, QT_TRANSLATE_NOOP("Table", "Click to begin new game (N)"));
    imgHighScoresButton = button("imgHighScoresButton", QT_TRANSLATE_NOOP("Table", "High Scores"), 6180, QT_TRANSLATE_NOOP("Table", "Click to show high scores (S)"));
    imgSoundButton = button("imgSoundButton", QT_TRANSLATE_NOOP("Table", "Sound On"), 6600, QT_TRANSLATE_NOOP("Table", "Enable/Disable Sound (M)"));
    imgHelpButton = button("imgHelpButton", QT_TRANSLATE_NOOP("Table", "Help"), 7020, QT_TRANSLATE_NOOP("Table", "Click for help (F1)"));
    // Above the dice tray, right of the title: the one free place on the table.
    imgHintButton = button("imgHintButton", QT_TRANSLATE_NOOP("Table", "Hint"), 930, QT_TRANSLATE_NOOP("Table", "Click for the best move (H)"));
    imgHintButton->hide();
    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    say([this] { lblHint->setAccessibleName(translate("Table", "Hint")); });
    placeTwips(*lblHint, 4680, 315, 2910, 600);
    QFont hintFont;
    hintFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    hintFont.setPointSizeF(8.25);
    lblHint->setFont(hintFont);
    lblHint->setWordWrap(true);
    lblHint->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    QPalette hintColours = lblHint->palette();
    hintColours.setColor(QPalette::WindowText, QColor(255, 236, 190));
    lblHint->setPalette(hintColours);

    lblExit = new TableLabel(this, QStringLiteral("lblExit"), QAccessible::Button);
    placeTwips(*lblExit, 7650, 45, 255, 315);
    lblExit->setFont(tableFont(11.25, true));
    lblExit->setText(QStringLiteral("X"));
    say([this] {
        lblExit->setAccessibleName(translate("Table", "Exit The Program"));
        lblExit->setToolTip(translate("Table", "Exit The Program (Ctrl+Q)"));
    });
    lblExit->setMouseTracking(true);

    // Over the dice and the roll counter while the turn passes.
    imgNext = new QLabel(this);
    imgNext->setObjectName(QStringLiteral("imgNext"));
    say([this] { imgNext->setAccessibleName(translate("Table", "Next player")); });
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
