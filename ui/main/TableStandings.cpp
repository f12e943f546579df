#include "Words.h"
#include "TableStandings.h"

#include <QKeyEvent>

#include "Layout.h"
#include "Preview.h"
#include "TableLabel.h"
#include "frmMain.h"
#include "frmScoresCheck.h"

namespace rp {

namespace {
// The strip of paper right of the player's name, above the column headings.
constexpr int StripLeft = 2160, StripTop = 975, StripWidth = 3090, StripHeight = 255;
}  // namespace

TableStandings::TableStandings(frmMain& table) : QObject(&table), table_(table) {
    for (int p = 1; p <= MaxPlayers; ++p) {
        auto* l = new TableLabel(&table, QStringLiteral("lblStanding(%1)").arg(p), QAccessible::Button);
        QFont f;
        f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        f.setPointSizeF(8.25);
        l->setFont(f);
        l->setTextColour(QColor(0, 0, 128));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setToolTip(translate("Table", "Show this card (Ctrl+%1)").arg(p));
        l->setCursor(Qt::PointingHandCursor);
        l->hide();
        connect(l, &TableLabel::clicked, this, [this, p] { showCard(p); });
        lblStanding[p] = l;
    }
    connect(&table_, &frmMain::turnChanged, this, [this] { refresh(); });
    table_.addKeys([this](QKeyEvent* e) {
        const int p = e->key() - Qt::Key_0;
        if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier || p < 1 || p > MaxPlayers) return false;
        if (p <= table_.gameState().NumPlayers && table_.gameState().GameInProgress) showCard(p);
        return true;
    });
}

void TableStandings::refresh() {
    const GameState& s = table_.gameState();
    const int players = s.GameInProgress ? s.NumPlayers : 0;
    // Right to left from the card's right edge, each as wide as its text.
    int right = StripLeft + StripWidth;
    for (int p = MaxPlayers; p >= 1; --p) {
        TableLabel* l = lblStanding[p];
        if (p > players) {
            l->hide();
            continue;
        }
        const bool onTurn = p == s.CurrentPlayer;
        const QString name = QString::fromStdString(s.PlayerName(p));
        const QString total = QString::number(runningTotal(s, p));
        QFont f = l->font();
        f.setBold(onTurn);
        f.setUnderline(onTurn);
        l->setFont(f);
        const QFontMetrics fm(f);
        const int room = StripWidth / players;  // twips for each entry
        const QString tail = QStringLiteral(": ") + total;
        const QString shown =
            fm.elidedText(name, Qt::ElideRight, zoom::px(room) - fm.horizontalAdvance(tail) - 8) + tail;
        // Measured at the zoom, kept in twips at 100 %, as every place is.
        const int width = std::min(room, int((fm.horizontalAdvance(shown) + 8) * TwipsPerPixel / zoom::factor()));
        right -= width;
        placeTwips(*l, right, StripTop, width, StripHeight);
        if (l->text() != shown) l->setText(shown);
        l->setAccessibleName(name + QStringLiteral(": ") + total);
        l->setAccessibleDescription(onTurn ? translate("Table", "on turn") : QString());
        l->show();
    }
}

void TableStandings::showCard(int player) {
    auto& windows = table_.registry();
    if (!windows.isDefined(QString::fromLatin1(frmScoresCheck::Name))) return;
    windows.load<frmScoresCheck>()->ShowScoresCheck(player);
}

}  // namespace rp
