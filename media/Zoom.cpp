#include "Zoom.h"

#include <QFont>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace rp::zoom {

namespace {
int current = 100;
}

int percent() { return current; }

QRect paintAt100(QPainter& p, const QWidget& w) {
    p.setRenderHint(QPainter::Antialiasing);
    const double zoom = factor();
    p.scale(zoom, zoom);
    return {0, 0, qRound(w.width() / zoom), qRound(w.height() / zoom)};
}
void setPercent(int p) { current = p; }

int stepUp(int p) {
    for (int s : Steps)
        if (s > p) return s;
    return Steps.back();
}

int stepDown(int p) {
    for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
        if (*it < p) return *it;
    return Steps.front();
}

std::optional<int> parse(const std::string& stored) {
    for (int s : Steps)
        if (stored == std::to_string(s)) return s;
    return std::nullopt;
}

int automatic(int windowHeight, int availableHeight) {
    int best = Steps.front();
    for (int s : Steps)
        if (windowHeight * s / 100 * 3 <= availableHeight * 2) best = s;
    return best;
}

void setFont(QWidget& w, const QFont& base) {
    w.setProperty("rp_points", base.pointSizeF());
    QFont f = base;
    f.setPointSizeF(base.pointSizeF() * factor());
    w.setFont(f);
}

}  // namespace rp::zoom
