#include "ImageButton.h"

#include <QMouseEvent>

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

}  // namespace rp
