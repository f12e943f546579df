// The roll button, the dice rows and the tumbling of each die.

#include <stdexcept>
#include <string>

#include "Logic.h"
#include "Texts.h"

namespace rp {

namespace {
constexpr int AnimatorElements = 6;
}

bool mdlLogic::DiceTumbling() const {
    for (int i = 1; i <= DiceCount; ++i)
        if (s_.DieAnimator(i) != 0) return true;
    return false;
}

void mdlLogic::RollButtonMouseDown() {
    // While a roll is possible the press is silent: the dice sound follows.
    if (s_.RollCount == 3 || s_.TurnPassing) Play(file::ButtonSound);
}

void mdlLogic::RollButtonMouseUp() {
    // Between two turns a roll would reopen the card under the wrong name.
    if (s_.RollCount == 3 || s_.TurnPassing) return;
    // A second roll while the dice still tumble would draw them twice.
    if (DiceTumbling()) return;
    table_.setCardEnabled(false);
    RollDice();
    table_.setTimer(TableTimer::RollPause, true);
}

void mdlLogic::RollDice() {
    int kept = 0;
    for (int i = 1; i <= DiceCount; ++i)
        if (s_.DieKept(i)) ++kept;
    if (kept == DiceCount) return;
    if (s_.RollCount >= 3) return;
    Play(file::DiceSound);
    for (int i = 1; i <= DiceCount; ++i)
        if (!s_.DieKept(i)) StartDieAnimation(i);
    s_.RollCount = to16(s_.RollCount + 1);
    table_.setRollCount(std::to_string(s_.RollCount));
}

void mdlLogic::StartDieAnimation(int die) {
    if (die < 1 || die > DiceCount) return;
    s_.DieAnimator(die) = 1;
    table_.setDieAnimator(die, 1, true);
}

void mdlLogic::DieAnimatorTimer(int die, int element) {
    Int16& frame = s_.DieFrame(die);
    if (frame != 1) {
        const int face = (die + element - 2) % 6 + 1;
        table_.setRollingDiePicture(die, file::DieFace[face]);
        table_.setDieAnimator(die, element, false);
        const int next = element == AnimatorElements ? 1 : element + 1;
        if (element == AnimatorElements) frame = to16(frame + 1);
        s_.DieAnimator(die) = to16(next);
        table_.setDieAnimator(die, next, true);
        return;
    }
    // The landing: the value is drawn only now.
    frame = 0;
    s_.DieAnimator(die) = 0;
    table_.setDieAnimator(die, 1, false);
    const int value = dice_();
    if (value < 1 || value > 6) throw std::out_of_range("die face " + std::to_string(value));
    s_.Dice(die) = to16(value);
    table_.setRollingDiePicture(die, file::DieFace[value]);
    table_.setRollingDieEnabled(die, true);
    table_.setKeptDiePicture(die, "");
    CheckForPentaro();
}

void mdlLogic::CheckForPentaro() {
    // A die still in the air shows its old value: five equal faces only
    // count once the whole roll has landed.
    if (DiceTumbling()) return;
    const int first = s_.Dice(1);
    if (first == 0) return;
    for (int i = 2; i <= DiceCount; ++i)
        if (s_.Dice(i) != first) return;
    services_.openCelebration();
    s_.PentaroShowing = true;
}

void mdlLogic::RollPauseTimer() {
    table_.setCardEnabled(true);
    table_.setTimer(TableTimer::RollPause, false);
}

void mdlLogic::RollingDiceClick(int die) {
    // An unrolled die (face 0) or one still tumbling cannot be kept yet.
    if (s_.DieKept(die) || s_.DieAnimator(die) != 0 || s_.Dice(die) == 0 || s_.TurnPassing)
        return;
    Play(file::WhooshSound);
    table_.setRollingDiePicture(die, "");
    table_.setRollingDieEnabled(die, false);
    table_.setKeptDieEnabled(die, true);
    table_.setKeptDiePicture(die, file::KeptDieFace[s_.Dice(die)]);
    s_.DieKept(die) = true;
}

void mdlLogic::KeepDiceClick(int die) {
    if (!s_.DieKept(die) || s_.TurnPassing) return;
    Play(file::WhooshSound);
    table_.setKeptDiePicture(die, "");
    table_.setKeptDieEnabled(die, false);
    table_.setRollingDieEnabled(die, true);
    table_.setRollingDiePicture(die, file::DieFace[s_.Dice(die)]);
    s_.DieKept(die) = false;
}

}  // namespace rp
