#include "TableLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <functional>

#include "ImageButton.h"

namespace rp {

TableLabel::TableLabel(QWidget* parent, const QString& objectName, QAccessible::Role role)
    : QLabel(parent), role_(role) {
    setObjectName(objectName);
}

void TableLabel::setCaption(const QString& text) {
    setText(text);
    setAccessibleName(text);
}

void TableLabel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void TableLabel::setSelected(bool selected) {
    if (selected_ == selected) return;
    selected_ = selected;
    update();
    if (selected) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void TableLabel::setSuggested(bool suggested) {
    if (suggested_ == suggested) return;
    suggested_ = suggested;
    if (suggested) {
        plainDescription_ = accessibleDescription();
        setAccessibleDescription(plainDescription_.isEmpty()
                                     ? QStringLiteral("suggested")
                                     : plainDescription_ + QStringLiteral(", suggested"));
    } else {
        setAccessibleDescription(plainDescription_);
    }
    update();
}

void TableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

void TableLabel::paintEvent(QPaintEvent* event) {
    if (!pixmap().isNull() || text().isEmpty()) QLabel::paintEvent(event);
    else paintCaption();
    // Frames go over the picture: a die's face fills its whole label.
    if (!suggested_ && !selected_) return;
    QPainter frame(this);
    if (suggested_) {
        frame.setPen(QPen(QColor(255, 200, 40), 3));
        frame.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (selected_) {
        frame.setPen(QPen(QColor(200, 40, 20), 2));
        frame.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void TableLabel::paintCaption() {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    const QFontMetricsF fm(font());
    // The layout gives 9.75 pt text 13 pixels: centre the font's box when it
    // fits, else let the descenders touch the bottom edge rather than be cut.
    const qreal textHeight = fm.ascent() + fm.descent();
    const qreal baseline = textHeight <= height() ? (height() - textHeight) / 2 + fm.ascent()
                                                  : height() - fm.descent();
    const qreal width = fm.horizontalAdvance(text());
    qreal x = 0;
    if (alignment() & Qt::AlignHCenter) x = (this->width() - width) / 2;
    else if (alignment() & Qt::AlignRight) x = this->width() - width;
    painter.drawText(QPointF(x, baseline), text());
}

namespace {

// QAccessibleWidget already answers as an action interface.
class PressableAccessible : public QAccessibleWidget {
public:
    PressableAccessible(QWidget* w, QAccessible::Role role, std::function<void()> press)
        : QAccessibleWidget(w, role), press_(std::move(press)) {}
    QStringList actionNames() const override {
        return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        if (auto* label = qobject_cast<TableLabel*>(widget())) {
            st.focusable = true;
            st.focused = label->isSelected();
        }
        return st;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && widget()->isEnabled() && widget()->isVisible()) press_();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    std::function<void()> press_;
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object) {
    // The buttons of the other windows have their own view.
    if (auto* button = qobject_cast<ImageButton*>(object); button && button->window()->objectName() == QLatin1String("frmMain"))
        return new PressableAccessible(button, QAccessible::Button, [button] {
            button->press();
            button->release();
        });
    if (auto* label = qobject_cast<TableLabel*>(object)) {
        if (label->role() == QAccessible::StaticText) return nullptr;  // Qt's own label view
        return new PressableAccessible(label, label->role(), [label] { label->click(); });
    }
    return nullptr;
}

}  // namespace

void installAccessibleControls() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(accessibleControl);
}

}  // namespace rp
