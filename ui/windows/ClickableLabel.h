#pragma once
// A label or picture that reacts to a click: the player checks of the
// new-game dialog and the name headings of the results. Tab reaches it,
// Space or Enter clicks it, and a frame shows when it has the focus. A
// checkable one carries "checked" or "unchecked" as its accessible
// description (WindowAccessibility makes it read as a check box).

#include <QLabel>

namespace rp {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent, const QString& objectName);

    void setCheckable(bool on) { checkable_ = on; }
    bool isCheckable() const { return checkable_; }
    void setChecked(bool checked);
    bool isChecked() const { return checked_; }
    void setTextColour(const QColor& colour);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool checkable_ = false;
    bool checked_ = false;
    bool pressed_ = false;
};

}  // namespace rp
