#include "Words.h"
#include "ReviewChart.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "WindowFonts.h"
#include "Zoom.h"

namespace rp {

namespace {
const QColor Navy(0, 0, 128), Banked(150, 90, 30), Costly(200, 20, 20), Ink(60, 40, 20);
constexpr int Marks = 3;
constexpr double MarkAtLeast = 0.05;  // a turn that cost nothing is not marked
}  // namespace

ReviewChart::ReviewChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartCourse"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(translate("Review", "The game's course"));
}

void ReviewChart::setCourse(const std::vector<advisor::TurnCourse>& turns, bool estimate) {
    turns_ = turns;
    marked_.clear();
    for (int t = 1; t < static_cast<int>(turns_.size()); ++t)
        if (turns_[static_cast<std::size_t>(t)].cost >= MarkAtLeast) marked_.push_back(t);
    std::stable_sort(marked_.begin(), marked_.end(), [this](int a, int b) {
        return turns_[static_cast<std::size_t>(a)].cost > turns_[static_cast<std::size_t>(b)].cost;
    });
    if (marked_.size() > Marks) marked_.resize(Marks);
    QStringList lines;
    const QString word = estimate ? translate("Review", "estimated ") : QString();
    for (std::size_t t = 0; t < turns_.size(); ++t) {
        const auto& c = turns_[t];
        lines << (t == 0 ? translate("Review", "Start: %1expected %2.").arg(word).arg(decimal(c.expected, 1))
                         : translate("Review", "Turn %1: %2expected %3, banked %4, cost %5.")
                               .arg(t)
                               .arg(word)
                               .arg(decimal(c.expected, 1))
                               .arg(decimal(c.banked, 0))
                               .arg(decimal(c.cost, 1)));
    }
    setAccessibleDescription(lines.join(u' '));
    setToolTip(lines.join(u'\n'));
    update();
}

void ReviewChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect rect = zoom::paintAt100(p, *this);
    const QRectF area = QRectF(rect).adjusted(44, 24, -12, -26);
    p.setPen(QPen(Ink, 1));
    p.drawRect(area);
    if (turns_.size() < 2) return;
    double top = 1;
    for (const auto& c : turns_) top = std::max({top, c.expected, c.banked});
    // A round step for the scale: 1, 2 or 5 times a power of ten.
    const double raw = top / 5, mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double step = raw / mag <= 1 ? mag : raw / mag <= 2 ? 2 * mag : raw / mag <= 5 ? 5 * mag : 10 * mag;
    top = std::ceil(top / step) * step;
    const int last = static_cast<int>(turns_.size()) - 1;
    auto at = [&](int t, double v) {
        return QPointF(area.left() + area.width() * t / last, area.bottom() - area.height() * v / top);
    };
    p.setFont(serifFont(8));
    for (double v = 0; v <= top + 1e-9; v += step) {
        const QPointF y = at(0, v);
        p.setPen(QPen(QColor(60, 40, 20, 50), 1));
        p.drawLine(QPointF(area.left(), y.y()), QPointF(area.right(), y.y()));
        p.setPen(Ink);
        p.drawText(QRectF(0, y.y() - 8, area.left() - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v, 'f', 0));
    }
    const int every = last > 20 ? 5 : last > 10 ? 2 : 1;
    for (int t = 0; t <= last; t += every)
        p.drawText(QRectF(at(t, 0).x() - 12, area.bottom() + 2, 24, 14), Qt::AlignCenter, QString::number(t));
    p.drawText(QRectF(area.left(), area.bottom() + 12, area.width(), 14), Qt::AlignCenter, translate("Review", "turn"));

    auto line = [&](const QColor& colour, auto value) {
        QPainterPath path(at(0, value(turns_[0])));
        for (int t = 1; t <= last; ++t) path.lineTo(at(t, value(turns_[static_cast<std::size_t>(t)])));
        p.setPen(QPen(colour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    };
    line(Banked, [](const advisor::TurnCourse& c) { return c.banked; });
    line(Navy, [](const advisor::TurnCourse& c) { return c.expected; });
    for (int t : marked_) {
        const QPointF c = at(t, turns_[static_cast<std::size_t>(t)].expected);
        p.setPen(QPen(Costly, 2));
        p.setBrush(QColor(255, 230, 220));
        p.drawEllipse(c, 5, 5);
        p.setPen(Costly);
        p.drawText(QRectF(c.x() - 30, c.y() + 6, 60, 14), Qt::AlignCenter,
                   QString(QChar(0x2212)) + decimal(turns_[static_cast<std::size_t>(t)].cost, 1));
    }
    // The legend.
    p.setFont(serifFont(9));
    const QFontMetrics fm(p.font());
    qreal x = area.left();
    for (auto [colour, label] : {std::pair{Navy, translate("Review", "expected with best play")},
                                 std::pair{Banked, translate("Review", "banked")},
                                 std::pair{Costly, translate("Review", "costliest turns")}}) {
        p.setPen(QPen(colour, 2));
        if (colour == Costly) p.drawEllipse(QPointF(x + 8, 12), 4, 4);
        else p.drawLine(QPointF(x, 12), QPointF(x + 16, 12));
        p.setPen(Ink);
        p.drawText(QPointF(x + 20, 16), label);
        x += 28 + fm.horizontalAdvance(label);
    }
}

}  // namespace rp
