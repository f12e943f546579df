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
    EXPECT_TRUE(rig.table.timerOn(TableTimer::RollPause));
    // Die 3 runs 3,4,5,6,1,2, one element of its chain at a time.
    std::vector<std::string> faces;
    for (int element = 1; element <= 6; ++element) {
        EXPECT_EQ(rig.table.animators.count({3, element}), 1u);
        rig.logic.DieAnimatorTimer(3, element);
        faces.push_back(rig.table.rolling[3]);
    }
    EXPECT_EQ(faces, (std::vector<std::string>{"die3.gif", "die4.gif", "die5.gif", "die6.gif",
                                               "die1.gif", "die2.gif"}));
    EXPECT_EQ(rig.state.Dice(3), 0);  // nothing drawn before the landing
    EXPECT_FALSE(rig.table.rollingEnabled[3]);
    rig.logic.DieAnimatorTimer(3, 1);  // the landing
    EXPECT_EQ(rig.state.Dice(3), 4);
    EXPECT_EQ(rig.table.rolling[3], "die4.gif");
    EXPECT_TRUE(rig.table.rollingEnabled[3]);
    EXPECT_EQ(rig.state.DieFrame3, 0);
    EXPECT_EQ(rig.table.animators.count({3, 1}), 0u);
    rig.landDice();
    EXPECT_TRUE(rig.table.animators.empty());
    rig.logic.RollPauseTimer();
    EXPECT_TRUE(rig.table.cardEnabled);
    EXPECT_FALSE(rig.table.timerOn(TableTimer::RollPause));
}

TEST(Rolling, KeptDiceStayThroughLaterRolls) {
    Rig rig;
    rig.newGame(1, 2);
    rig.roll({6, 5, 4, 3, 2});
    rig.logic.RollingDiceClick(1);
    EXPECT_EQ(rig.services.lastSound(), "whoosh.wav");
    EXPECT_EQ(rig.table.kept[1], "seldie6.gif");
    EXPECT_EQ(rig.table.rolling[1], "");
    EXPECT_FALSE(rig.table.rollingEnabled[1]);
    EXPECT_TRUE(rig.table.keptEnabled[1]);
    rig.logic.KeepDiceClick(2);  // not kept: nothing
    EXPECT_FALSE(rig.state.DieKept(2));
    rig.roll({1, 1, 1, 1});
    EXPECT_EQ(rig.state.Dice(1), 6);
    EXPECT_EQ(rig.table.kept[1], "seldie6.gif");
    EXPECT_EQ(rig.state.Dice(5), 1);
    rig.logic.KeepDiceClick(1);
    EXPECT_EQ(rig.table.rolling[1], "die6.gif");
    EXPECT_FALSE(rig.state.DieKept(1));
}

TEST(Rolling, ThreeRollsThenOnlyTheClick) {
    Rig rig;
    rig.newGame(1, 2);
    for (int i = 0; i < 3; ++i) rig.roll({2, 3, 4, 5, 6});
    EXPECT_EQ(rig.state.RollCount, 3);
    rig.services.sounds.clear();
    rig.logic.RollButtonMouseDown();
    rig.roll({1, 1, 1, 1, 1});
    EXPECT_EQ(rig.services.sounds, std::vector<std::string>{"button.wav"});
    EXPECT_EQ(rig.state.Dice(1), 2);
    EXPECT_EQ(rig.table.rollCount, "3");
}

TEST(Rolling, PressIsSilentWhileARollIsPossible) {
    Rig rig;
    rig.newGame(1, 2);
    rig.logic.RollButtonMouseDown();
    EXPECT_TRUE(rig.services.sounds.empty());
}

TEST(Rolling, BeforeAnyGameTheButtonDoesNothing) {
    Rig rig;
    rig.state.RollCount = 3;  // the idle table
    rig.state.SoundOn = true;
    rig.logic.RollButtonMouseDown();
    rig.logic.RollButtonMouseUp();
    EXPECT_EQ(rig.services.sounds, std::vector<std::string>{"button.wav"});
    EXPECT_FALSE(rig.logic.DiceTumbling());
    // No card exists yet: clicks on it are ignored rather than entered.
    EXPECT_FALSE(rig.logic.ScoreBoxClick(1, 1));
    EXPECT_FALSE(rig.logic.BonusBoxClick(1, 1));
    rig.logic.RollingDiceClick(1);
    EXPECT_FALSE(rig.state.DieKept(1));
}

TEST(Rolling, AllKeptRollsNothingButStillPauses) {
    Rig rig;
    rig.newGame(1, 2);
    rig.roll({1, 2, 3, 4, 5});
    for (int d = 1; d <= 5; ++d) rig.logic.RollingDiceClick(d);
    rig.services.sounds.clear();
    rig.logic.RollButtonMouseUp();
    EXPECT_TRUE(rig.services.sounds.empty());
    EXPECT_EQ(rig.state.RollCount, 1);
    EXPECT_FALSE(rig.table.cardEnabled);
    EXPECT_TRUE(rig.table.timerOn(TableTimer::RollPause));
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
    EXPECT_FALSE(rig.state.BonusUsed(1, 1, 1));
    EXPECT_FALSE(rig.state.DieKept(2));
    EXPECT_EQ(rig.state.RollCount, 2);
    rig.landDice();
    EXPECT_TRUE(rig.script.empty());
    EXPECT_EQ(rig.state.Dice(2), 6);
    ASSERT_TRUE(rig.logic.ScoreBoxClick(1, 6));
    EXPECT_EQ(rig.state.Score(1, 6, 1), 24);
}

TEST(Rolling, FiveOfAKindCompletedByTheLastLandingCelebratesOnce) {
    Rig rig;
    rig.newGame(1, 2);
    rig.roll({3, 3, 3, 3, 1});
    EXPECT_EQ(rig.services.celebrations, 0);
    for (int d = 1; d <= 4; ++d) rig.logic.RollingDiceClick(d);
    rig.roll({3});
    EXPECT_EQ(rig.services.celebrations, 1);
    EXPECT_TRUE(rig.state.PentaroShowing);
}

TEST(Rolling, RealDiceAreFairAndIndependent) {
    auto dice = randomDice();
    auto other = randomDice();
    int counts[7] = {};
    int same = 0;
    const int n = 60000;
    for (int i = 0; i < n; ++i) {
        const int a = dice();
        ASSERT_GE(a, 1);
        ASSERT_LE(a, 6);
        ++counts[a];
        if (a == other()) ++same;
    }
    for (int f = 1; f <= 6; ++f) EXPECT_NEAR(counts[f], n / 6, 600) << f;
    EXPECT_NEAR(same, n / 6, 600);  // two generators made together do not repeat each other
}
