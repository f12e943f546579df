#include "Words.h"
#include "CardLayout.h"

#include <QPainter>

#include "Texts.h"
#include "Twips.h"
#include "Zoom.h"

namespace rp::card {

int captionWidth(int row) {
    // Every caption reaches to the boxes: longer words than the English fit.
    (void)row;
    return 1575;
}

QString boxDescription(int column, int row) {
    QString name = rowCaption(row);
    if (row == 18 || row == 19) name += translate("Card", " (row %1)").arg(row);
    return translate("Card", "Game %1, %2").arg(column).arg(name);
}

CardGrid::CardGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("CardGrid"));
}

void CardGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Drawn in the window's coordinates, exactly where it always was.
    p.translate(-pos());
    p.scale(zoom::factor(), zoom::factor());
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

}  // namespace rp::card
