// The table by keyboard: every click has a key, and a key does only what the
// click could do at that moment, through the same handlers.
//   1-5 move a die between the rows    Enter, Space roll
//   arrows, Tab, Shift+Tab select an open box; Enter enters it; Escape clears
//   N new game, S high scores, M sound, F1 help, H hint, Ctrl+Q leave
//   (the helpers add P previews, Ctrl+1..4 a player's card)

#include <QAccessible>
#include <QKeyEvent>

#include "Words.h"
#include "Texts.h"
#include "frmMain.h"

namespace rp {

QString frmMain::boxName(const Target& t) const {
    if (t.bonus) return translate("Table", "Game %1, Pentaro box %2").arg(t.column).arg(t.index);
    return translate("Table", "Game %1, %2")
        .arg(t.column)
        .arg(rowCaption(t.index));
}

void frmMain::announce(const QString& text) {
    lblAnnounce->setText(text);
    lblAnnounce->setAccessibleName(text);
}

// The current player's open boxes, column by column, top to bottom.
std::vector<frmMain::Target> frmMain::openTargets() const {
    std::vector<Target> targets;
    const GameState& s = const_cast<frmMain*>(this)->state();
    const int p = s.CurrentPlayer;
    if (p < 1 || !s.GameInProgress) return targets;
    for (int c = 1; c <= Columns; ++c) {
        if (c > 1 && s.GameType == 2) break;
        for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16})
            if (!s.Used(p, r, c)) targets.push_back({c, r, false});
        for (int b = 1; b <= BonusBoxes; ++b)
            if (!s.BonusUsed(p, b, c)) targets.push_back({c, b, true});
    }
    return targets;
}

TableLabel* frmMain::widgetOf(const Target& t) const {
    return t.bonus ? lblGameY(t.column, t.index) : lblGame(t.column, t.index);
}

TableLabel* frmMain::selectedBox() const { return selection_ ? widgetOf(*selection_) : nullptr; }

void frmMain::select(std::optional<Target> target) {
    if (selection_) widgetOf(*selection_)->setSelected(false);
    selection_ = target;
    if (selection_) widgetOf(*selection_)->setSelected(true);
}

void frmMain::validateSelection() {
    if (!selection_) return;
    const auto open = openTargets();
    if (std::find(open.begin(), open.end(), *selection_) == open.end()) select(std::nullopt);
}

void frmMain::moveSelection(int key) {
    const auto open = openTargets();
    if (open.empty()) return;
    auto at = selection_ ? std::find(open.begin(), open.end(), *selection_) : open.end();
    if (at == open.end()) {
        select(key == Qt::Key_Backtab || key == Qt::Key_Up ? open.back() : open.front());
        return;
    }
    const auto i = static_cast<size_t>(at - open.begin());
    switch (key) {
        case Qt::Key_Tab: select(open[(i + 1) % open.size()]); return;
        case Qt::Key_Backtab: select(open[(i + open.size() - 1) % open.size()]); return;
        case Qt::Key_Down:
            if (i + 1 < open.size() && open[i + 1].column == at->column) select(open[i + 1]);
            return;
        case Qt::Key_Up:
            if (i > 0 && open[i - 1].column == at->column) select(open[i - 1]);
            return;
        default: break;
    }
    // Left and right: the nearest open box, by height, in the next column that has one.
    const int step = key == Qt::Key_Left ? -1 : 1;
    const int y = widgetOf(*at)->geometry().center().y();
    for (int c = at->column + step; c >= 1 && c <= Columns; c += step) {
        const Target* best = nullptr;
        int bestDistance = 0;
        for (const Target& t : open) {
            if (t.column != c) continue;
            const int d = std::abs(widgetOf(t)->geometry().center().y() - y);
            if (!best || d < bestDistance) best = &t, bestDistance = d;
        }
        if (best) {
            select(*best);
            return;
        }
    }
}

void frmMain::pressButton(ImageButton* button) {
    button->press();
    button->release();
}

bool frmMain::handleKey(QKeyEvent* event) {
    for (const auto& keys : keys_)
        if (keys(event)) return true;
    const int key = event->key();
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Q && mods == Qt::ControlModifier) {
        lblExit_Click();
        return true;
    }
    if (mods & ~Qt::ShiftModifier) return false;
    // A computer's turn: the command keys work, Space and Enter hurry it,
    // and the game's own keys do nothing.
    if (computerOnTurn() && !computerActing_) {
        switch (key) {
            case Qt::Key_N: case Qt::Key_S: case Qt::Key_M: case Qt::Key_F1: break;
            default:
                if (!event->isAutoRepeat()) heldBack();
                return true;
        }
    }
    // A roll key held down (in the new-game dialog, or through a computer's
    // turn) never rolls here; neither does a press spent on a computer.
    if ((event->isAutoRepeat() || pressSpent_) &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space))
        return true;
    validateSelection();
    switch (key) {
        case Qt::Key_1: case Qt::Key_2: case Qt::Key_3: case Qt::Key_4: case Qt::Key_5: {
            const int die = key - Qt::Key_0;
            // Only the position that shows the die takes a click.
            TableLabel* shown = state().DieKept(die) ? imgKeepDice[die] : imgRollingDice[die];
            if (shown->isEnabled()) shown->click();
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!selection_) return false;  // the ghost button rolls
            if (TableLabel* box = selectedBox(); box->isEnabled()) box->click();
            return true;
        case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Left: case Qt::Key_Right:
        case Qt::Key_Tab: case Qt::Key_Backtab:
            moveSelection(key);
            return true;
        case Qt::Key_Escape: select(std::nullopt); return true;
        case Qt::Key_N: pressButton(imgNewGameButton); return true;
        case Qt::Key_S: pressButton(imgHighScoresButton); return true;
        case Qt::Key_M: pressButton(imgSoundButton); return true;
        case Qt::Key_F1: pressButton(imgHelpButton); return true;
        case Qt::Key_H:
            if (hint_) pressButton(imgHintButton);
            return true;
        default: return false;
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // The ghost button holds the focus: its keys are looked at first.
    if (watched == cmdGhostEnter && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent*>(event));
    return Window::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event)) Window::keyPressEvent(event);
}

// Tab moves the selection over the card, never the focus off the ghost button.
bool frmMain::focusNextPrevChild(bool next) {
    moveSelection(next ? Qt::Key_Tab : Qt::Key_Backtab);
    return true;
}

}  // namespace rp
