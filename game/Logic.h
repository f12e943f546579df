#pragma once
// mdlLogic: the rules of the game. It owns no window; what it shows, plays
// and stores goes through the seams it is given, so the same code runs on
// the table and in tests.

#include <functional>
#include <string_view>

#include "GameState.h"
#include "Services.h"
#include "TableView.h"

namespace rp {

// Draws one die: a face 1..6.
using DiceSource = std::function<int()>;

class mdlLogic {
public:
    mdlLogic(GameState& state, TableView& table, GameServices& services, HighScoreBoard& board,
             SettingsStore& store, DiceSource dice);

    GameState& state() { return s_; }

    // Scoring of the card's boxes; each returns the value entered or -1
    // when the five-of-a-kind rule refuses the entry.
    Int16 ScoreUpperBox(int player, int row, int column);
    Int16 ScoreThreeOfAKind(int player, int column);
    Int16 ScoreFourOfAKind(int player, int column);
    Int16 ScoreFullHouse(int player, int column);
    Int16 ScoreSmallStraight(int player, int column);
    Int16 ScoreLargeStraight(int player, int column);
    Int16 ScoreChance(int player, int column);

    // The five-of-a-kind boxes of a column.
    Int16 ScoreFirstBonusBox(int player, int column);
    Int16 ScoreSecondBonusBox(int player, int column);
    Int16 ScoreThirdBonusBox(int player, int column);

    // Totals and completion.
    bool CheckColumnComplete(int player);
    void UpdateColumnTotals(int player);
    bool IsPlayerFinished(int player) const;
    bool IsGameOver() const;
    Int16 CompleteLowerTotal(int player, int column);

    // Turns and the end of the game.
    void EndTurn();
    void ResetDiceForTurn();
    void ClearScoreCard();
    void ShowPlayerCard(int player);
    void FinishGame();
    void NextPlayerTimer();  // tmrNext fired

    void StartNewGame();

    // Rolling: the decisions behind the roll button, the dice and their timers.
    void RollButtonMouseDown();  // the press: clicks only when no roll is left
    void RollButtonMouseUp();    // the release, also reached by the Enter key
    void RollDice();
    void StartDieAnimation(int die);
    void DieAnimatorTimer(int die, int element);
    void CheckForPentaro();
    void RollPauseTimer();  // tmrRollPause fired
    void RollingDiceClick(int die);
    void KeepDiceClick(int die);
    bool DiceTumbling() const;

    // Clicks on the card; true when the entry was taken and the turn ended.
    bool ScoreBoxClick(int column, int row);
    bool BonusBoxClick(int column, int box);
    // The decisions behind those clicks, shared with the preview: whether
    // the box takes a click now, and the entry itself (-1: the gate refused).
    bool ScoreBoxOpen(int column, int row) const;
    Int16 EnterScoreBox(int column, int row);
    bool BonusBoxOpen(int column, int box) const;
    // Boxes 2 and 3 go in order, and only with a five of a kind.
    bool BonusBoxReady(int column, int box) const;

    // Settings and high scores.
    void LoadSettings();
    void SaveSettings();
    void RecordHighScore(int player, int total);
    void ResetHighScores();
    void ClearHighScoreHighlights();

    // Which players' totals may enter the high-score tables (all when unset):
    // the tables record unaided play by people.
    void setHighScoreGate(std::function<bool(int player)> gate) { highScoreGate_ = std::move(gate); }
    // Runs as the last entry ends the game, before any total is recorded:
    // whatever keeps the unfinished game must let go of it first, so that a
    // game killed now is never finished, and recorded, a second time.
    void setGameOverHook(std::function<void()> hook) { gameOverHook_ = std::move(hook); }

private:
    enum class Section { Upper, Lower };
    enum class Gate { NotApplicable, Admitted, Refused };

    Gate JokerGate(Section section, int player, int column);
    void Refuse(std::string_view message);
    void AwardChip(int player, int column, bool showPicture = true);
    Int16 ScoreLowerBox(int player, int column, int row, Int16 patternValue, Int16 jokerValue);
    bool FiftyBoxClosed(int player, int column) const;
    bool TakeBonusWithChip(int player, int box, int column);
    void ShowEarlyLowerTotal(int player, int column);

    void ShowColumn(int player, int column);
    void ShowBox(int player, int row, int column);
    void ShowHighScores();
    void StoreHighScores();
    void WriteHighScoreStore(bool withSound);

    void Play(std::string_view sound);

    GameState& s_;
    TableView& table_;
    GameServices& services_;
    HighScoreBoard& board_;
    SettingsStore& store_;
    DiceSource dice_;
    std::function<bool(int player)> highScoreGate_;
    std::function<void()> gameOverHook_;
};

}  // namespace rp
