#include "Words.h"
#include "TableLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
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
    if (!marked()) plainDescription_ = accessibleDescription();
    suggested_ = suggested;
    describe();
    update();
}

void TableLabel::setPreview(const QString& value) {
    if (preview_ == value) return;
    if (!marked()) plainDescription_ = accessibleDescription();
    preview_ = value;
    describe();
    update();
}

void TableLabel::setNote(const QString& shown, const QString& said) {
    if (note_ == shown && noteSaid_ == said) return;
    if (!marked()) plainDescription_ = accessibleDescription();
    note_ = shown;
    noteSaid_ = said;
    describe();
    update();
}

void TableLabel::setNotPlayed(bool notPlayed) {
    if (notPlayed_ == notPlayed) return;
    if (!marked()) plainDescription_ = accessibleDescription();
    notPlayed_ = notPlayed;
    describe();
}

void TableLabel::describe() {
    QStringList parts;
    if (!plainDescription_.isEmpty()) parts << plainDescription_;
    if (!preview_.isEmpty()) parts << translate("Table", "would score ") + preview_;
    if (!noteSaid_.isEmpty()) parts << noteSaid_;
    if (notPlayed_) parts << translate("Table", "not played");
    if (suggested_) parts << translate("Table", "suggested");
    setAccessibleDescription(parts.join(QStringLiteral(", ")));
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

void TableLabel::changeEvent(QEvent* event) {
    // Nothing here looks different when disabled (the card is switched off
    // and on around every roll): tell assistive tools, skip the repaint.
    if (event->type() != QEvent::EnabledChange || frameShape() != QFrame::NoFrame) {
        QLabel::changeEvent(event);
        return;
    }
    QAccessible::State state;
    state.disabled = true;
    QAccessibleStateChangeEvent change(this, state);
    QAccessible::updateAccessibility(&change);
}

void TableLabel::paintEvent(QPaintEvent* event) {
    // A scaled picture (a chip) is never disabled: Qt's own cached scaling.
    if (!pixmap().isNull() && hasScaledContents()) QLabel::paintEvent(event);
    else if (!pixmap().isNull()) paintPicture();
    else if (!text().isEmpty()) paintCaption(text(), palette().color(QPalette::Active, QPalette::WindowText));
    // Pale enough to tell from an entry at a glance.
    else if (!preview_.isEmpty()) paintCaption(preview_, QColor(110, 120, 170, 150));
    else if (!note_.isEmpty()) paintCaption(note_, QColor(110, 120, 170, 150));
    else QLabel::paintEvent(event);
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

void TableLabel::paintPicture() {
    // Drawn as it is even when disabled: a die tumbling on the first roll of
    // a turn looks like one on the second, as a picture never greys here.
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemPixmap(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()), pixmap());
}

void TableLabel::paintCaption(const QString& text, const QColor& ink) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(ink);
    const QFontMetricsF fm(font());
    // The layout gives 9.75 pt text 13 pixels: centre the font's box when it
    // fits, else let the descenders touch the bottom edge rather than be cut.
    const qreal textHeight = fm.ascent() + fm.descent();
    const qreal baseline = textHeight <= height() ? (height() - textHeight) / 2 + fm.ascent()
                                                  : height() - fm.descent();
    // Laid out once per text and font: a box repaints around every roll.
    if (laidOut_.text() != text || laidOutFont_ != font()) {
        laidOut_.setTextFormat(Qt::PlainText);
        laidOut_.setText(text);
        laidOut_.prepare(QTransform(), font());
        laidOutFont_ = font();
        laidOutWidth_ = fm.horizontalAdvance(text);
    }
    const qreal width = laidOutWidth_;
    qreal x = 0;
    if (alignment() & Qt::AlignHCenter) x = (this->width() - width) / 2;
    else if (alignment() & Qt::AlignRight) x = this->width() - width;
    // A laid-out text draws no underline (the standings' link has one).
    if (font().underline()) painter.drawText(QPointF(x, baseline), text);
    else painter.drawStaticText(QPointF(x, baseline - fm.ascent()), laidOut_);
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
