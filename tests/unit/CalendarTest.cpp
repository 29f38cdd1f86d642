#include "calendar/Data_Day.h"

#include <gtest/gtest.h>

TEST(LeapYear, FollowsTheGregorianRule) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
}
