#pragma once
// The zoom of every window: one number, applied where twips become pixels
// and points become fonts, so each control keeps its place in the layout
// tables at any size. Steps of 25 % from 100 % to 200 %.

#include <array>
#include <optional>
#include <string>

class QFont;
class QPainter;
class QRect;
class QWidget;

namespace rp::zoom {

inline constexpr std::array<int, 5> Steps = {100, 125, 150, 175, 200};

int percent();
// The number only; Windows::setZoom re-lays the windows with it.
void setPercent(int percent);

// Twips to pixels at the zoom, to the nearest pixel.
constexpr int px(int twips, int percent) { return (twips * percent * 2 + 1500) / 3000; }
inline int px(int twips) { return px(twips, percent()); }
inline double factor() { return percent() / 100.0; }

int stepUp(int percent);
int stepDown(int percent);
// "150" when it is one of the steps; anything else is no choice at all.
std::optional<int> parse(const std::string& stored);
// The largest step whose window of this height at 100 % fits in two thirds
// of the screen's available height.
int automatic(int windowHeight, int availableHeight);

// Lets p draw on w in its 100 % units, antialiased, so the zoom reaches lines
// and text alike; returns w's rectangle in those units.
QRect paintAt100(QPainter& p, const QWidget& w);

// Sets a font given at its 100 % size: it follows every later zoom.
void setFont(QWidget& w, const QFont& base);

}  // namespace rp::zoom
