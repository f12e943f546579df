#include <gtest/gtest.h>

#include "Categories.h"

using namespace rp;

namespace {
category::DiceArray roll(std::initializer_list<int> faces) {
    category::DiceArray dice;
    int i = 1;
    for (int f : faces) dice(i++) = static_cast<Int16>(f);
    return dice;
}
}  // namespace

TEST(Categories, UpperCountsOnlyItsOwnFace) {
    EXPECT_EQ(category::upper(roll({6, 6, 6, 6, 6}), 6), 30);
    EXPECT_EQ(category::upper(roll({6, 6, 6, 6, 6}), 5), 0);
    EXPECT_EQ(category::upper(roll({1, 3, 3, 5, 3}), 3), 9);
}

TEST(Categories, FullHouseNeedsThreeAndTwoOfAnother) {
    EXPECT_EQ(category::fullHouse(roll({2, 2, 2, 5, 5})), 25);
    EXPECT_EQ(category::fullHouse(roll({5, 2, 5, 2, 2})), 25);
    EXPECT_EQ(category::fullHouse(roll({2, 2, 2, 2, 5})), 0);
    EXPECT_EQ(category::fullHouse(roll({2, 2, 2, 5, 6})), 0);
    EXPECT_EQ(category::fullHouse(roll({4, 4, 4, 4, 4})), 0);
    EXPECT_EQ(category::fullHouse(roll({1, 2, 3, 4, 5})), 0);
}

TEST(Categories, Straights) {
    EXPECT_EQ(category::smallStraight(roll({1, 2, 3, 4, 6})), 30);
    EXPECT_EQ(category::smallStraight(roll({6, 3, 4, 5, 3})), 30);
    EXPECT_EQ(category::smallStraight(roll({1, 2, 3, 5, 6})), 0);
    EXPECT_EQ(category::smallStraight(roll({1, 2, 3, 4, 5})), 30);
    EXPECT_EQ(category::largeStraight(roll({1, 2, 3, 4, 5})), 40);
    EXPECT_EQ(category::largeStraight(roll({6, 5, 4, 3, 2})), 40);
    EXPECT_EQ(category::largeStraight(roll({1, 2, 3, 4, 6})), 0);
}

TEST(Categories, OfAKindAndChance) {
    EXPECT_EQ(category::threeOfAKind(roll({3, 3, 3, 4, 6})), 19);
    EXPECT_EQ(category::fourOfAKind(roll({3, 3, 3, 4, 6})), 0);
    EXPECT_EQ(category::fourOfAKind(roll({5, 5, 2, 5, 5})), 22);
    EXPECT_EQ(category::threeOfAKind(roll({1, 1, 2, 2, 3})), 0);
    EXPECT_EQ(category::chance(roll({1, 1, 2, 2, 3})), 9);
}
