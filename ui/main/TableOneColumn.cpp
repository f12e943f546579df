#include "TableOneColumn.h"

#include <QPainter>

#include "CardLayout.h"
#include "Layout.h"
#include "frmMain.h"

namespace rp {

TableOneColumn::TableOneColumn(frmMain& table) : QWidget(&table), table_(table) {
    setObjectName(QStringLiteral("TableOneColumn"));
    // Clicks go through to the boxes, which say why they take none.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(*this, 0, 0, size::MainClient);
    hide();
    connect(&table_, &frmMain::turnChanged, this, [this] { refresh(); });
}

void TableOneColumn::refresh() {
    const GameState& s = table_.gameState();
    const bool dimmed = s.GameInProgress && s.GameType == 2;
    if (dimmed == dimmed_) return;
    dimmed_ = dimmed;
    for (int c = 2; c <= Columns; ++c) {
        for (int r = 1; r <= Rows; ++r) table_.lblGame(c, r)->setNotPlayed(dimmed);
        for (int b = 1; b <= BonusBoxes; ++b) table_.lblGameY(c, b)->setNotPlayed(dimmed);
        table_.imgPentaroChip[c]->setNotPlayed(dimmed);
        table_.lblChipTotal[c]->setNotPlayed(dimmed);
    }
    setVisible(dimmed);
    if (dimmed) raise();
    table_.imgNext->raise();
}

void TableOneColumn::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.scale(zoom::factor(), zoom::factor());
    const QColor veil(246, 240, 224, 175);
    // Columns 2 and 3 from their headings to the grid's foot, inside the frame.
    p.fillRect(QRect(QPoint(px(card::ColumnLeft[2]) + 1, px(1215)), QPoint(px(5235) - 1, px(6765) - 1)), veil);
    // Their chips and chip counts below the card.
    p.fillRect(QRect(QPoint(px(card::ChipLeft[2]) - 2, px(6795)), QPoint(px(5250), px(7290))), veil);
}

}  // namespace rp
