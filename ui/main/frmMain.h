#pragma once
// The table on which the game is played: the current player's card, the two
// rows of dice, the roll counter, the chips and the command buttons. The
// rules decide; this window shows what they say and wires its clicks, keys
// and timers to them.

#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "ImageButton.h"
#include "Logic.h"
#include "TableLabel.h"
#include "TableView.h"
#include "Windows.h"

class QTimer;

namespace rp {

namespace advisor {
class MoveLog;
}

class frmMain : public Window, public TableView {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmMain";
    frmMain(Windows& windows, mdlLogic& logic);

    // TableView: what the rules change on the table.
    void setBoxCaption(int column, int row, std::string_view text) override;
    void setBonusCaption(int column, int box, std::string_view text) override;
    void setCardEnabled(bool enabled) override;
    void setChipTotal(int column, std::string_view text) override;
    void setChipPicture(int column, std::string_view picture) override;
    void setRollingDiePicture(int die, std::string_view picture) override;
    void setRollingDieEnabled(int die, bool enabled) override;
    void setKeptDiePicture(int die, std::string_view picture) override;
    void setKeptDieEnabled(int die, bool enabled) override;
    void setPlayerName(std::string_view text) override;
    void setRollCount(std::string_view text) override;
    void setNextPlayerVisible(bool visible) override;
    void setTimer(TableTimer timer, bool on) override;
    void setDieAnimator(int die, int element, bool on) override;

    // Handlers, named after the control and event they serve.
    void imgRollButton_MouseDown();
    void imgRollButton_MouseUp();
    void cmdGhostEnter_Click();
    void imgRollingDice_Click(int index);
    void imgKeepDice_Click(int index);
    void lblGame_Click(int column, int index);   // lblGame1..3_Click
    void lblGameY_Click(int column, int index);  // lblGame1Y..3Y_Click
    void tmrRollPause_Timer();
    void tmrDieAnimator_Timer(int die, int index);  // tmrDie1..5Animator_Timer
    void tmrNext_Timer();
    void tmrEndGame_Timer();
    void imgNewGameButton_MouseUp();
    void imgHighScoresButton_MouseUp();
    void imgSoundButton_MouseUp();
    void imgHelpButton_MouseUp();
    void lblExit_Click();
    void lblExit_MouseMove();
    void Form_MouseMove();

    // Controls, by the layout's names; arrays are 1-based ([0] unused).
    TableLabel* lblGame(int column, int row) const { return lblGame_.at(column).at(row); }
    TableLabel* lblGameY(int column, int box) const { return lblGameY_.at(column).at(box); }
    std::array<TableLabel*, 20> Label1{};  // row captions, 0-based
    TableLabel *Label2, *Label3, *Label4, *Label5, *Label6, *AA_Version;
    TableLabel *lblPlayer, *lblExit, *lblRollCount;
    std::array<TableLabel*, 4> lblChipTotal{}, imgPentaroChip{};
    std::array<TableLabel*, 6> imgKeepDice{}, imgRollingDice{};
    QLabel *imgPaper, *imgNext;
    ImageButton *imgRollButton, *imgNewGameButton, *imgHighScoresButton, *imgSoundButton,
        *imgHelpButton;
    QPushButton* cmdGhostEnter;
    QTimer *tmrRollPause, *tmrNext, *tmrEndGame;
    QTimer* tmrDieAnimator(int die, int index) const { return animators_.at(die).at(index); }

    // The keyboard: one key for every click (see handleKey).
    bool handleKey(QKeyEvent* event);
    // Keys of the table's helpers, asked before the table's own.
    void addKeys(std::function<bool(QKeyEvent*)> keys) { keys_.push_back(std::move(keys)); }
    // The box the arrow keys have selected, if any.
    TableLabel* selectedBox() const;
    // Says text to assistive tools through a label that exists for it alone.
    void announce(const QString& text);
    QLabel* lblAnnounce;
    // A computer's step, said and shown on the table (stepTold).
    void tellStep(const QString& text) {
        announce(text);
        emit stepTold(text);
    }
    // What the hint button and key H do; without one the button stays hidden.
    void setHintAction(std::function<void()> hint);
    ImageButton* imgHintButton;
    QLabel* lblHint;
    // A computer on turn plays through the same handlers; meanwhile a
    // person's clicks and keys on the dice, the card and the roll button
    // reach nothing but ask it to hurry (personInterrupted).
    void setComputerOnTurn(std::function<bool()> query) { computerOnTurn_ = std::move(query); }
    bool computerOnTurn() const { return computerOnTurn_ && computerOnTurn_(); }
    void setComputerActing(bool acting) { computerActing_ = acting; }
    // The next-player sign shows where a computer comes or goes.
    void setComputerAtSign(std::function<bool()> query) { computerAtSign_ = std::move(query); }
    bool computerAtSign() const;
    // Every press (key or button) as it begins: one that begins during a
    // computer's turn or its sign is spent there, and its release or
    // repeats never act for the person who comes next.
    void notePress(bool autoRepeat);
    // Told of each roll and entry passed to the rules (the game review's record).
    void setMoveLog(advisor::MoveLog* log) { moveLog_ = log; }
    // The game as the table shows it, for readers beside the rules.
    const GameState& gameState() { return state(); }
    // The other windows, for the table's helpers.
    Windows& registry() { return windows(); }

    // The die face a position shows, 0 when it shows no picture.
    int rollingFace(int die) const { return rollingFace_.at(die); }
    int keptFace(int die) const { return keptFace_.at(die); }

signals:
    // The rules rolled, entered, or passed the turn.
    void turnChanged();
    // A die changed its picture or its row.
    void diceMoved();
    // A person clicked or pressed a key for the game during a computer's turn.
    void personInterrupted();
    // A computer rolled, kept or entered: the words for it.
    void stepTold(const QString& text);
    // Something the table tells in its status line for a moment.
    void reasonTold(const QString& text);
    // A click on a box or bonus box is about to reach the rules; entered
    // follows when they took it.
    void aboutToEnter();
    void entered();
    // The roll button started a roll; all its dice have landed.
    void rollStarted();
    void rollLanded();
    // A click on a box (bonus: a five-of-a-kind box) or the roll reaches
    // the table, before the rules look at it.
    void boxClicked(int column, int index, bool bonus);
    void rollClicked();

protected:
    void Form_Load() override;
    void closeRequested() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void retranslate() override;

private:
    void buildCard();
    void buildDiceAndButtons();
    void buildTimers();
    void setDie(TableLabel* label, int die, std::string_view picture, bool kept);
    void setExitLook(qreal pointSize, const QColor& colour);

    // A box the keyboard can select: score box (row) or bonus box.
    struct Target {
        int column, index;
        bool bonus;
        bool operator==(const Target&) const = default;
    };
    std::vector<Target> openTargets() const;
    TableLabel* widgetOf(const Target& t) const;
    void select(std::optional<Target> target);
    void moveSelection(int key);
    void validateSelection();
    void pressButton(ImageButton* button);
    // True (and the computer asked to hurry) when a person's input must not reach the game.
    bool heldBack();
    QString playerOnTurn();
    QString boxName(const Target& t) const;

    void nameSoundButton();

    mdlLogic& logic_;
    QString title_;  // the caption of the player's place before a game
    std::optional<Target> selection_;
    std::function<void()> hint_;
    std::function<bool()> computerOnTurn_, computerAtSign_;
    bool computerActing_ = false;
    bool pressSpent_ = false;
    advisor::MoveLog* moveLog_ = nullptr;
    std::vector<std::function<bool(QKeyEvent*)>> keys_;
    std::array<std::array<TableLabel*, 21>, 4> lblGame_{};
    std::array<std::array<TableLabel*, 4>, 4> lblGameY_{};
    std::array<std::array<QTimer*, 7>, 6> animators_{};
    std::array<int, 6> rollingFace_{}, keptFace_{};
};

}  // namespace rp
