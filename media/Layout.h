#pragma once
// Places controls by the twips of the layout tables, at the zoom. Each
// control remembers its twips, so a change of zoom re-lays it from them.

#include <QRect>
#include <QVariant>
#include <QWidget>

#include "Sizes.h"
#include "Twips.h"
#include "Zoom.h"

namespace rp {

inline void placeTwips(QWidget& w, int left, int top, int width, int height) {
    w.setProperty("rp_twips", QRect(left, top, width, height));
    w.setGeometry(zoom::px(left), zoom::px(top), zoom::px(width), zoom::px(height));
}

inline void placeTwips(QWidget& w, int left, int top, size::Box box) {
    placeTwips(w, left, top, box.width, box.height);
}

// A place given in pixels at 100 %.
inline void placePixels(QWidget& w, const QRect& r) {
    placeTwips(w, r.x() * TwipsPerPixel, r.y() * TwipsPerPixel, r.width() * TwipsPerPixel,
               r.height() * TwipsPerPixel);
}

}  // namespace rp
