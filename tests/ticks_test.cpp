#include <gtest/gtest.h>

#include "platform/ticks.h"

TEST(Ticks, DeadlinesSurviveTheWrapOfTheTickCount) {
    uint32_t last = 0xFFFFFF00u;          // a check just before the wrap
    uint32_t deadline = last + 1000;      // wraps past zero
    EXPECT_FALSE(tickAfter(0xFFFFFF80u, deadline));
    EXPECT_FALSE(tickAfter(deadline, deadline));
    EXPECT_TRUE(tickAfter(deadline + 1, deadline));
    EXPECT_TRUE(tickAfter(0x00000400u, deadline));
    EXPECT_EQ(ticksSince(0xFFFFFFF0u, 0x10u), 0x20u);
}

TEST(Ticks, ASettingOfMinusOneHoldsAtOnce) {
    uint32_t base = 5000;
    EXPECT_TRUE(tickAfter(base, base + static_cast<uint32_t>(-1)));
    EXPECT_TRUE(tickReached(base, base + static_cast<uint32_t>(-1)));
    EXPECT_TRUE(tickReached(base, base));
    EXPECT_FALSE(tickAfter(base, base));
}
