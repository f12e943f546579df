#pragma once
// Places controls by the twips of the layout tables.

#include <QWidget>

#include "Twips.h"

namespace rp {

inline void placeTwips(QWidget& w, int left, int top, int width, int height) {
    w.setGeometry(px(left), px(top), px(width), px(height));
}

}  // namespace rp
