#pragma once
// A picture that works as a button: the pressed picture and a click on the
// mouse-down, the released picture and the action on the mouse-up. Any mouse
// button will do, and the release acts wherever the pointer is by then: Qt
// keeps sending the mouse to the widget that took the press.

#include <QLabel>
#include <functional>
#include <string>
#include <string_view>

#include "Assets.h"
#include "Services.h"

namespace rp {

class ImageButton : public QLabel {
    Q_OBJECT
public:
    // commandWord names the button for assistive tools; the tooltip describes it.
    ImageButton(Pictures& pictures, SoundSink& sound, QString commandWord, QWidget* parent);

    // Sets both pictures and shows the released one.
    void setPictures(std::string_view released, std::string_view pressed);
    // Changes the picture shown at rest (the sound button shows its state).
    void setReleasedPicture(std::string_view released);
    void setAction(std::function<void()> action) { action_ = std::move(action); }
    // Replaces the usual click on the press; the roll button decides itself.
    void setPressSound(std::function<void()> pressSound) { pressSound_ = std::move(pressSound); }
    void setTip(const QString& tip);
    // A button whose meaning changes (sound on / off) is renamed with it.
    void setCommandWord(const QString& word);

    // Shown picture, by file name.
    const std::string& picture() const { return shown_; }
    bool isDown() const { return down_ != Qt::NoButton; }

    // The two halves of a click, as the mouse drives them.
    void press();
    void release();

    // Off by default. When on, Tab reaches the button, a frame shows it has
    // the focus, and Space or Enter clicks it (both halves at once, on the
    // key going down, so the key's release cannot land in the next window).
    void setKeyboardFocusable(bool on);
    bool isKeyboardFocusable() const { return keyboard_; }
    // Both halves of a click at once, as a key gives it; nothing while the
    // mouse holds the button down.
    void click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showPicture(const std::string& name);

    Pictures& pictures_;
    SoundSink& sound_;
    QString commandWord_;
    std::string released_, pressed_, shown_;
    std::function<void()> action_;
    std::function<void()> pressSound_;
    Qt::MouseButton down_ = Qt::NoButton;
    bool keyboard_ = false;
};

}  // namespace rp
