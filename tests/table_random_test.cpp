#include <gtest/gtest.h>

#include "shared/table_random.h"

TEST(TableRandom, FollowsTheRuntimeGeneratorFromSeedOne) {
    seedTableRandom(1);
    EXPECT_EQ(tableRandom(), 41);
    EXPECT_EQ(tableRandom(), 18467);
    EXPECT_EQ(tableRandom(), 6334);
    EXPECT_EQ(tableRandom(), 26500);
    EXPECT_EQ(tableRandom(), 19169);
}

TEST(TableRandom, SeedRestartsTheSequenceAndStaysInRange) {
    seedTableRandom(0xFFFFFFF0u);
    int first[8];
    for (int& value : first) {
        value = tableRandom();
        EXPECT_GE(value, 0);
        EXPECT_LE(value, 32767);
    }
    seedTableRandom(0xFFFFFFF0u);
    for (int value : first) EXPECT_EQ(tableRandom(), value);
}
