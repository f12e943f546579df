#pragma once
// The verse of the splash and the farewell: centred, bold, warm on the felt.

#include <QLabel>

#include "Layout.h"
#include "WindowFonts.h"

namespace rp {

inline QLabel* verseLabel(QWidget* parent, int left, int top, int width, int height, qreal points) {
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("lblVerse"));
    placeTwips(*l, left, top, width, height);
    l->setFont(serifFont(points, true));
    l->setAlignment(Qt::AlignCenter);
    l->setAttribute(Qt::WA_TranslucentBackground);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(255, 192, 128));
    l->setPalette(p);
    return l;
}

}  // namespace rp
