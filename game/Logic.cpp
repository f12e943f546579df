#include "Logic.h"

#include <utility>

namespace rp {

mdlLogic::mdlLogic(GameState& state, TableView& table, GameServices& services,
                   HighScoreBoard& board, SettingsStore& store, DiceSource dice)
    : s_(state), table_(table), services_(services), board_(board), store_(store),
      dice_(std::move(dice)) {}

// Every sound of the rules passes the sound switch here.
void mdlLogic::Play(std::string_view sound) {
    if (s_.SoundOn) services_.play(sound);
}

}  // namespace rp
