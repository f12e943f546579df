#include "TableWaits.h"

#include <QKeyEvent>
#include <QTimer>

#include "frmMain.h"

namespace rp {

TableWaits::TableWaits(frmMain& table) : QObject(&table), table_(table) {
    // Installed after the table's own filters, so asked before them.
    table.installEventFilter(this);
    for (QWidget* w : table.findChildren<QWidget*>()) w->installEventFilter(this);
}

bool TableWaits::eventFilter(QObject*, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseButtonRelease && swallowRelease_) {
        swallowRelease_ = false;
        return true;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::KeyPress)
        return false;
    auto* key = type == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    const bool shortcut = key && (key->key() == Qt::Key_Control || key->key() == Qt::Key_Shift ||
                                  key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta ||
                                  (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)));
    if (!shortcut) table_.notePress(key && key->isAutoRepeat());
    if (!table_.tmrNext->isActive()) return false;
    // A computer's sign: the press ends it and is spent.
    if (key && !shortcut && table_.computerAtSign()) {
        if (!key->isAutoRepeat()) table_.tmrNext_Timer();
        return true;
    }
    if (key) {
        // Modifiers alone are no answer, nor a key held from the entry; a
        // shortcut (Ctrl+Z takes the entry back) does its own work on the sign.
        if (key->isAutoRepeat() || shortcut) return false;
        // Then the key does its own work for the next player: a roll key rolls.
        table_.tmrNext_Timer();
        return false;
    }
    table_.tmrNext_Timer();
    swallowRelease_ = true;
    return true;
}

}  // namespace rp
