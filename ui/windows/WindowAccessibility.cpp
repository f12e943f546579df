#include "WindowAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ClickableLabel.h"
#include "ImageButton.h"
#include "Windows.h"

namespace rp {

namespace {

class CheckAccessible : public QAccessibleWidget {
public:
    explicit CheckAccessible(ClickableLabel* w) : QAccessibleWidget(w, QAccessible::CheckBox) {}

    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = label()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()};
    }
    void doAction(const QString& action) override {
        if (actionNames().contains(action) && label()->isEnabled()) emit label()->clicked();
    }
};

// A label that acts as a push button (the seats of the new-game dialog).
class LabelButtonAccessible : public QAccessibleWidget {
public:
    explicit LabelButtonAccessible(ClickableLabel* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        auto* label = static_cast<ClickableLabel*>(widget());
        if (action == QAccessibleActionInterface::pressAction() && label->isEnabled()) emit label->clicked();
    }
};

class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(ImageButton* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        auto* b = static_cast<ImageButton*>(widget());
        if (action == QAccessibleActionInterface::pressAction() && b->isEnabled()) b->click();
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("rp::ClickableLabel")) {
        auto* label = qobject_cast<ClickableLabel*>(object);
        if (label && label->isCheckable()) return new CheckAccessible(label);
        if (label && label->property(PushButtonRole).toBool()) return new LabelButtonAccessible(label);
    } else if (className == QLatin1String("rp::ImageButton")) {
        // Only the buttons of these windows; the table keeps its own reading.
        // Asked for as early as the button's constructor, so this goes by
        // the window it is made on, which is known from the start.
        auto* button = qobject_cast<ImageButton*>(object);
        if (button && button->window()->objectName() != QLatin1String(Windows::MainWindow))
            return new ButtonAccessible(button);
    }
    return nullptr;
}

}  // namespace

void installWindowAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

}  // namespace rp
