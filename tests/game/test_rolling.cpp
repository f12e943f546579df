// The roll button, the dice rows and the tumbling of the dice.

#include <gtest/gtest.h>

#include "RandomDice.h"
#include "Rig.h"

using namespace rp;
using namespace rp::test;

TEST(Rolling, EachDieShowsItsOwnFacesThenLandsOnTheDraw) {
    Rig rig;
    rig.newGame(1, 2);
    rig.script = {4};
    rig.logic.RollButtonMouseUp();
    EXPECT_EQ(rig.services.sounds, std::vector<std::string>{"dice4.wav"});
    EXPECT_EQ(rig.table.rollCount, "1");
    EXPECT_FALSE(rig.table.cardEnabled);
    // Die 3 runs 3,4,5,6,1,2, one element of its chain at a time.
    std::string faces;
    for (int element = 1; element <= 6; ++element) {
        EXPECT_EQ(rig.table.animators.count({3, element}), 1u);
        rig.logic.DieAnimatorTimer(3, element);
        faces += rig.table.rolling[3].substr(3, 1);
    }
    EXPECT_EQ(faces, "345612");
    EXPECT_EQ(rig.state.Dice(3), 0);  // nothing drawn before the landing
    EXPECT_FALSE(rig.table.rollingEnabled[3]);
    rig.logic.DieAnimatorTimer(3, 1);  // the landing
    EXPECT_EQ(rig.state.Dice(3), 4);
    EXPECT_EQ(rig.table.rolling[3], "die4.gif");
    EXPECT_TRUE(rig.table.rollingEnabled[3]);
    rig.landDice();
    EXPECT_TRUE(rig.table.animators.empty());
    rig.logic.RollPauseTimer();
    EXPECT_TRUE(rig.table.cardEnabled);
    EXPECT_FALSE(rig.table.timerOn(TableTimer::RollPause));
}

TEST(Rolling, KeptDiceStayUntilTheTurnEnds) {
    Rig rig;
    rig.newGame(1, 2);
    rig.roll({6, 5, 6, 6, 6});
    rig.logic.RollingDiceClick(1);
    EXPECT_EQ(rig.services.lastSound(), "whoosh.wav");
    EXPECT_EQ(rig.table.kept[1], "seldie6.gif");
    EXPECT_EQ(rig.table.rolling[1], "");
    EXPECT_TRUE(!rig.table.rollingEnabled[1] && rig.table.keptEnabled[1]);
    rig.logic.KeepDiceClick(2);  // not kept: nothing
    EXPECT_FALSE(rig.state.DieKept(2));
    for (int d = 3; d <= 5; ++d) rig.logic.RollingDiceClick(d);
    EXPECT_EQ(rig.services.celebrations, 0);
    rig.roll({6});
    EXPECT_EQ(rig.table.kept[1], "seldie6.gif");
    EXPECT_EQ(rig.services.celebrations, 1);
    EXPECT_TRUE(rig.state.PentaroShowing);
    rig.logic.KeepDiceClick(1);
    EXPECT_EQ(rig.table.rolling[1], "die6.gif");
    EXPECT_FALSE(rig.state.DieKept(1));
    // A single player's next turn starts at once, with fresh dice.
    ASSERT_TRUE(rig.logic.BonusBoxClick(1, 1));
    EXPECT_FALSE(rig.table.nextVisible || rig.table.timerOn(TableTimer::Next));
    EXPECT_EQ(rig.table.rollCount, "0");
    EXPECT_EQ(rig.table.kept[3], "");
    EXPECT_EQ(rig.table.rolling[3], "die6.gif");
    EXPECT_FALSE(rig.table.rollingEnabled[3] || rig.state.DieKept(3));
}

// The press is silent while a roll is possible; after three rolls, or
// before any game, the press clicks and the release does nothing. With
// every die kept the release rolls nothing but still pauses.
TEST(Rolling, TheRollButtonAfterThreeRollsAllKeptAndBeforeAnyGame) {
    Rig rig;
    rig.newGame(1, 2);
    rig.logic.RollButtonMouseDown();
    EXPECT_TRUE(rig.services.sounds.empty());
    for (int i = 0; i < 3; ++i) rig.roll({2, 3, 4, 5, 6});
    rig.services.sounds.clear();
    rig.logic.RollButtonMouseDown();
    rig.roll({1, 1, 1, 1, 1});
    EXPECT_EQ(rig.services.sounds, std::vector<std::string>{"button.wav"});
    EXPECT_EQ(rig.state.Dice(1), 2);
    EXPECT_EQ(rig.table.rollCount, "3");

    Rig kept;
    kept.newGame(1, 2);
    kept.roll({1, 2, 3, 4, 5});
    for (int d = 1; d <= 5; ++d) kept.logic.RollingDiceClick(d);
    kept.services.sounds.clear();
    kept.logic.RollButtonMouseUp();
    EXPECT_TRUE(kept.services.sounds.empty());
    EXPECT_EQ(kept.state.RollCount, 1);
    EXPECT_FALSE(kept.table.cardEnabled);
    EXPECT_TRUE(kept.table.timerOn(TableTimer::RollPause));

    Rig idle;
    idle.state.RollCount = 3;  // the table before the first game
    idle.state.SoundOn = true;
    idle.logic.RollButtonMouseDown();
    idle.logic.RollButtonMouseUp();
    EXPECT_EQ(idle.services.sounds, std::vector<std::string>{"button.wav"});
    EXPECT_FALSE(idle.logic.DiceTumbling());
    // No card exists yet: clicks on it are ignored rather than entered.
    EXPECT_FALSE(idle.logic.ScoreBoxClick(1, 1));
    EXPECT_FALSE(idle.logic.BonusBoxClick(1, 1));
    idle.logic.RollingDiceClick(1);
    EXPECT_FALSE(idle.state.DieKept(1));
}

TEST(Rolling, TumblingDiceIgnoreClicksAndSecondRolls) {
    Rig rig;
    rig.newGame(1, 2);
    rig.roll({1, 2, 3, 4, 5});
    rig.script = {6, 6, 6, 6, 1};
    rig.logic.RollButtonMouseUp();
    rig.logic.RollingDiceClick(2);  // still tumbling
    rig.logic.RollButtonMouseUp();  // a second release within the tumble
    rig.logic.RollPauseTimer();     // a late landing after the pause: no entry yet
    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 6));
    EXPECT_FALSE(rig.logic.BonusBoxClick(1, 1));
    EXPECT_FALSE(rig.state.BonusUsed(1, 1, 1) || rig.state.DieKept(2));
    EXPECT_EQ(rig.state.RollCount, 2);
    rig.landDice();
    EXPECT_TRUE(rig.script.empty());
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 6));
    EXPECT_EQ(rig.state.Score(1, 6, 1), 24);
}

TEST(Rolling, RealDiceAreFairAndIndependent) {
    auto dice = randomDice();
    auto other = randomDice();
    int counts[7] = {};
    int same = 0;
    const int n = 60000;
    for (int i = 0; i < n; ++i) {
        const int a = dice();
        ASSERT_TRUE(a >= 1 && a <= 6) << a;
        ++counts[a];
        if (a == other()) ++same;
    }
    for (int f = 1; f <= 6; ++f) EXPECT_NEAR(counts[f], n / 6, 600) << f;
    EXPECT_NEAR(same, n / 6, 600);  // two generators made together do not repeat each other
}
