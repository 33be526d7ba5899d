#include <gtest/gtest.h>

#include "lists/Progress.h"

TEST(Progress, PercentRoundsHalvesToEvenAndSurvivesAnEmptyList) {
    EXPECT_EQ(plevo::progressPercent(0, 0), 0);
    EXPECT_EQ(plevo::progressPercent(5, 0), 0);
    EXPECT_EQ(plevo::progressPercent(1, 8), 12);   // 12.5 goes to the even 12
    EXPECT_EQ(plevo::progressPercent(3, 8), 38);   // 37.5 goes to the even 38
    EXPECT_EQ(plevo::progressPercent(1, 200), 0);  // 0.5 goes to 0
    EXPECT_EQ(plevo::progressPercent(3, 200), 2);  // 1.5 goes to 2
    EXPECT_EQ(plevo::progressPercent(2, 3), 67);
    EXPECT_EQ(plevo::progressPercent(7, 7), 100);
}
