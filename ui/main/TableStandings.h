#pragma once
// Every player's running total on the table, the player on turn marked: one
// label per player on the paper beside the name, "NAME: TOTAL" for assistive
// tools. A click on a name, or Ctrl+1..4, shows that player's card in the
// score-card window. Worked out again when the card changes, never while
// the dice tumble.

#include <QObject>
#include <array>

namespace rp {

class frmMain;
class TableLabel;

class TableStandings : public QObject {
    Q_OBJECT
public:
    explicit TableStandings(frmMain& table);

    // The card of player p (1..4) in the score-card window, read-only.
    void showCard(int player);
    void refresh();

    std::array<TableLabel*, 5> lblStanding{};  // 1-based

private:
    frmMain& table_;
};

}  // namespace rp
