#include "Words.h"
#include "TablePreview.h"

#include <QKeyEvent>

#include "Preview.h"
#include "Services.h"
#include "frmMain.h"

namespace rp {

namespace {
constexpr int UpperBonusAt = 63;
QString shown(std::optional<Int16> value) { return value ? QString::number(*value) : QString(); }
}  // namespace

TablePreview::TablePreview(frmMain& table, SettingsStore& store)
    : QObject(&table), table_(table), store_(store), on_(store.read("Params", "Preview") != "False") {
    // Entries, turns and new games change the card; a roll changes the dice
    // only once it has landed. Never on the frames in between.
    connect(&table_, &frmMain::turnChanged, this, [this] { refresh(); });
    connect(&table_, &frmMain::rollLanded, this, [this] { refresh(); });
    table_.addKeys([this](QKeyEvent* e) {
        if (e->key() != Qt::Key_P || (e->modifiers() & ~Qt::KeypadModifier)) return false;
        setOn(!on_);
        table_.announce(on_ ? translate("Table", "Previews on") : translate("Table", "Previews off"));
        return true;
    });
}

void TablePreview::setOn(bool on) {
    on_ = on;
    store_.write("Params", "Preview", on ? "True" : "False");
    store_.flush();
    refresh();
}

void TablePreview::refresh() {
    const GameState& s = table_.gameState();
    bool tumbling = false;
    for (int d = 1; d <= DiceCount; ++d) tumbling = tumbling || s.DieAnimator(d) != 0;
    const bool any = on_ && !tumbling && s.GameInProgress && !s.TurnPassing && s.RollCount >= 1;
    for (int c = 1; c <= Columns; ++c) {
        for (int r = 1; r <= Rows; ++r)
            table_.lblGame(c, r)->setPreview(any ? shown(previewScoreBox(s, c, r)) : QString());
        for (int b = 1; b <= BonusBoxes; ++b)
            table_.lblGameY(c, b)->setPreview(any ? shown(previewBonusBox(s, c, b)) : QString());
    }
    showBonusProgress();
}

// How far each upper section of the shown card is from the 35 bonus, in the
// blank Sub Total box until the rules write it there.
void TablePreview::showBonusProgress() {
    const GameState& s = table_.gameState();
    const int p = s.CurrentPlayer;
    // While the turn passes the card is still the last player's.
    if (s.TurnPassing) return;
    const bool playing = on_ && s.GameInProgress && p >= 1 && p <= s.NumPlayers && p <= MaxPlayers;
    for (int c = 1; c <= Columns; ++c) {
        TableLabel* box = table_.lblGame(c, row::SubTotal);
        if (!playing || (c > 1 && s.GameType == 2) || s.Used(p, row::SubTotal, c) ||
            !table_.lblGame(c, row::SubTotal)->text().isEmpty()) {
            box->setNote({}, {});
            continue;
        }
        int sum = 0, best = 0;
        for (int r = 1; r <= 6; ++r) {
            if (s.Used(p, r, c)) sum += s.Score(p, r, c);
            else best += 5 * r;
        }
        if (sum >= UpperBonusAt)
            box->setNote(translate("Table", "bonus won"), translate("Table", "upper bonus won"));
        else if (sum + best < UpperBonusAt)
            box->setNote(translate("Table", "bonus lost"), translate("Table", "upper bonus out of reach"));
        else
            box->setNote(translate("Table", "%1 of 63").arg(sum), translate("Table", "%1 of 63 toward the upper bonus").arg(sum));
    }
}

}  // namespace rp
