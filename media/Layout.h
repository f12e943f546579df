#pragma once
// Places controls by the twips of the layout tables.

#include <QWidget>

#include "Sizes.h"
#include "Twips.h"

namespace rp {

inline void placeTwips(QWidget& w, int left, int top, int width, int height) {
    w.setGeometry(px(left), px(top), px(width), px(height));
}

inline void placeTwips(QWidget& w, int left, int top, size::Box box) {
    placeTwips(w, left, top, box.width, box.height);
}

}  // namespace rp
