#include <gtest/gtest.h>

#include "Categories.h"

using namespace rp;

// Each roll scored in every box at once; the rows hold the traps (five alike
// is no full house, a large straight is also a small one, 4+1 is no house).
TEST(Categories, EveryBoxOfKnownRolls) {
    struct Case { std::array<int, 5> dice; int threes, three, four, house, small, large, chance; };
    const Case cases[] = {
        {{2, 2, 2, 5, 5}, 0, 16, 0, 25, 0, 0, 16},   {{5, 2, 5, 2, 2}, 0, 16, 0, 25, 0, 0, 16},
        {{2, 2, 2, 2, 5}, 0, 13, 13, 0, 0, 0, 13},   {{4, 4, 4, 4, 4}, 0, 20, 20, 0, 0, 0, 20},
        {{1, 2, 3, 4, 5}, 3, 0, 0, 0, 30, 40, 15},   {{6, 5, 4, 3, 2}, 3, 0, 0, 0, 30, 40, 20},
        {{1, 2, 3, 4, 6}, 3, 0, 0, 0, 30, 0, 16},    {{6, 3, 4, 5, 3}, 6, 0, 0, 0, 30, 0, 21},
        {{1, 2, 3, 5, 6}, 3, 0, 0, 0, 0, 0, 17},     {{1, 3, 3, 5, 3}, 9, 15, 0, 0, 0, 0, 15},
        {{1, 1, 2, 2, 3}, 3, 0, 0, 0, 0, 0, 9},      {{5, 5, 2, 5, 5}, 0, 22, 22, 0, 0, 0, 22}};
    for (const Case& c : cases) {
        category::DiceArray d;
        for (int i = 1; i <= 5; ++i) d(i) = static_cast<Int16>(c.dice[i - 1]);
        SCOPED_TRACE(testing::PrintToString(c.dice));
        EXPECT_EQ(category::upper(d, 3), c.threes);
        EXPECT_EQ(category::threeOfAKind(d), c.three);
        EXPECT_EQ(category::fourOfAKind(d), c.four);
        EXPECT_EQ(category::fullHouse(d), c.house);
        EXPECT_EQ(category::smallStraight(d), c.small);
        EXPECT_EQ(category::largeStraight(d), c.large);
        EXPECT_EQ(category::chance(d), c.chance);
    }
}
