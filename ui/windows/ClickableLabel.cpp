#include "Words.h"
#include "ClickableLabel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace rp {

ClickableLabel::ClickableLabel(QWidget* parent, const QString& objectName) : QLabel(parent) {
    setObjectName(objectName);
    // Tab only: a click acts but leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ClickableLabel::setChecked(bool checked) {
    const bool changed = checked != checked_;
    checked_ = checked;
    setAccessibleDescription(checked ? translate("Controls", "checked") : translate("Controls", "unchecked"));
    if (changed && QAccessible::isActive()) {
        QAccessible::State s;
        s.checked = true;
        QAccessibleStateChangeEvent event(this, s);
        QAccessible::updateAccessibility(&event);
    }
}

void ClickableLabel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Disabled, QPalette::WindowText, colour);
    setPalette(p);
}

// A click is a press and a release over the control with the left button,
// as the toolkit's own labels count one.
void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) emit clicked();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    // These sit on the cream of a check box or of the results card.
    p.setPen(QPen(QColor(30, 30, 150), 2, Qt::DotLine));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

}  // namespace rp
