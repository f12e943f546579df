#include "ImageButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "Sizes.h"
#include "Texts.h"

namespace rp {

ImageButton::ImageButton(Pictures& pictures, SoundSink& sound, QString commandWord, QWidget* parent)
    : QLabel(parent), pictures_(pictures), sound_(sound), commandWord_(std::move(commandWord)) {
    setFocusPolicy(Qt::NoFocus);
    // The size of nearly every button; the odd one is resized by its window.
    resize(size::ImageButton.widthPx(), size::ImageButton.heightPx());
    setAccessibleName(commandWord_);
}

void ImageButton::setPictures(std::string_view released, std::string_view pressed) {
    pressed_ = pressed;
    setReleasedPicture(released);
}

void ImageButton::setReleasedPicture(std::string_view released) {
    released_ = released;
    if (!isDown()) showPicture(released_);
}

void ImageButton::setTip(const QString& tip) { setToolTip(tip); }

void ImageButton::setCommandWord(const QString& word) {
    commandWord_ = word;
    setAccessibleName(word);
}

void ImageButton::showPicture(const std::string& name) {
    shown_ = name;
    setPixmap(pictures_.get(name));
}

void ImageButton::press() {
    showPicture(pressed_);
    if (pressSound_)
        pressSound_();
    else
        sound_.play(file::ButtonSound);
}

void ImageButton::release() {
    showPicture(released_);
    // Last: the action may close the window this button sits on.
    if (action_) action_();
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (isDown()) return;  // a second button while the first is held
    down_ = event->button();
    press();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != down_) return;
    down_ = Qt::NoButton;
    release();
}

// A quick second click is just another press.
void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ImageButton::setKeyboardFocusable(bool on) {
    keyboard_ = on;
    // Tab only: a mouse click must not move the focus.
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!keyboard_ || (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key repeats; one press is one click.
    if (!event->isAutoRepeat()) click();
}

void ImageButton::click() {
    if (isDown()) return;
    press();
    release();
}

void ImageButton::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!keyboard_ || !hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(QColor(255, 236, 150), 2, Qt::DotLine));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void ImageButton::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ImageButton::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

}  // namespace rp
