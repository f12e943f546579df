// The chips of the five-of-a-kind boxes and the check mark of the new-game
// dialog: small marks that lie on cream paper.

#include "Paint.h"
#include "Pictures.h"
#include "Sizes.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace ag {
namespace {

namespace sz = rp::size;

// Chips are shown scaled to their controls; drawing them larger keeps them
// crisp when the control scales them smoothly.
constexpr int ChipScale = 2;

QImage chip(int column)
{
    const QColor body[] = {QColor(28, 78, 168), QColor(176, 30, 40), QColor(34, 30, 34)};
    const QColor c = body[column - 1];
    const int s = sz::Chip.widthPx() * ChipScale;
    const QPointF centre(s / 2.0 - 1, s / 2.0 - 1);
    const double R = s / 2.0 - 3;
    QImage img = canvas(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(centre + QPointF(1.5, 2), R, R);

    QRadialGradient g(centre - QPointF(R * 0.3, R * 0.3), R * 1.4);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c.darker(130));
    p.setBrush(g);
    p.drawEllipse(centre, R, R);

    // Edge spots: six white inserts around the rim.
    p.setBrush(QColor(250, 246, 236));
    for (int k = 0; k < 6; ++k) {
        QPainterPath seg;
        QRectF outer(centre.x() - R, centre.y() - R, 2 * R, 2 * R);
        const double ri = R * 0.74;
        QRectF inner(centre.x() - ri, centre.y() - ri, 2 * ri, 2 * ri);
        double a = k * 60.0 + 15;
        seg.arcMoveTo(outer, a);
        seg.arcTo(outer, a, 22);
        seg.arcTo(inner, a + 22, -22);
        seg.closeSubpath();
        p.drawPath(seg);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2, Qt::DashLine));
    p.drawEllipse(centre, R * 0.66, R * 0.66);

    QRadialGradient face(centre - QPointF(R * 0.15, R * 0.2), R * 0.7);
    face.setColorAt(0, QColor(255, 253, 245));
    face.setColorAt(1, QColor(226, 218, 200));
    p.setPen(QPen(c.darker(140), 1));
    p.setBrush(face);
    p.drawEllipse(centre, R * 0.56, R * 0.56);

    QFont f = sansBold(R * 0.48);
    p.setFont(f);
    p.setPen(c.darker(120));
    p.drawText(QRectF(centre.x() - R, centre.y() - R, 2 * R, 2 * R), Qt::AlignCenter,
               QString::number(column * 100));
    p.end();
    return img;
}

QImage checkMark()
{
    const int s = sz::Check.widthPx();
    QImage img = canvas(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(5, 13);
    tick.lineTo(10, 19);
    tick.lineTo(21, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick.translated(0.8, 1));
    p.setPen(QPen(QColor(18, 110, 48), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(120, 210, 130), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick.translated(-0.6, -0.8));
    p.end();
    return img;
}

}  // namespace

void addMarkPictures(PictureSet& set)
{
    for (int column = 1; column <= 3; ++column)
        set[std::to_string(column) + "00chip.gif"] = {chip(column), {100, colour::Paper}};
    set["check.gif"] = {checkMark(), {90, colour::Paper}};
}

}  // namespace ag
