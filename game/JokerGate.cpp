// A five of a kind belongs in the 50-point boxes first; only then may it
// serve as a joker elsewhere.

#include <string>

#include "Logic.h"
#include "Texts.h"

namespace rp {

bool mdlLogic::FiftyBoxClosed(int player, int column) const {
    return s_.BonusUsed(player, 1, column);
}

mdlLogic::Gate mdlLogic::JokerGate(Section section, int player, int column) {
    if (!s_.PentaroShowing) return Gate::NotApplicable;
    const bool oneColumn = s_.GameType == 2;
    const int number = s_.Dice(1);
    const int chipColumn = oneColumn ? 1 : column;
    const bool chip = s_.BonusScore(player, 1, chipColumn) == 50;

    if (section == Section::Upper) {
        // All three columns count here, whatever the game type: in the
        // one-column game columns 2 and 3 are closed from the start.
        for (int c = 1; c <= Columns; ++c) {
            if (!FiftyBoxClosed(player, c)) {
                Refuse(oneColumn ? text::UpperRefusedOneColumn : text::UpperRefused);
                return Gate::Refused;
            }
        }
        if (chip) AwardChip(player, column);
        return Gate::Admitted;
    }

    const int lastColumn = oneColumn ? 1 : Columns;
    bool allowed = true;
    for (int c = 1; c <= lastColumn; ++c) {
        // A die value outside 1..6 cannot have an upper box of its own.
        const bool likeFilled = number >= 1 && number <= 6 && s_.Used(player, number, c);
        if (!FiftyBoxClosed(player, c) || !likeFilled) allowed = false;
    }
    if (!allowed) {
        Refuse(oneColumn ? text::LowerRefusedOneColumn : text::LowerRefused);
        return Gate::Refused;
    }
    s_.PentaroShowing = false;
    if (s_.BonusScore(player, 1, column) == 50) AwardChip(player, column);
    return Gate::Admitted;
}

void mdlLogic::Refuse(std::string_view message) {
    Play(file::ErrorSound);
    s_.MessageText = std::string(message);
    services_.showMessage();
}

void mdlLogic::AwardChip(int player, int column, bool showPicture) {
    s_.ChipCount(player, column) = to16(s_.ChipCount(player, column) + 1);
    table_.setChipTotal(column, std::to_string(s_.ChipCount(player, column)));
    if (showPicture) table_.setChipPicture(column, file::Chip[column]);
}

}  // namespace rp
