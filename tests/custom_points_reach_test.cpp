// When the spawn roll can never pick a custom point: the cause and the fix
// that the save's notice and the checker give the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "settings/custom_points_reach.h"

namespace {

// The advice for chances in the roll's order (list, road, air, death point,
// map, custom); empty when custom points can be picked.
std::string adviceFor(int32_t list, int32_t road, int32_t air, int32_t death, int32_t map, int32_t custom) {
    const SpawnChances chances{{list, road, air, death, map, custom}};
    char advice[96] = "";
    return customPointsNeverPicked(chances, advice, sizeof advice) ? advice : "";
}

}  // namespace

TEST(CustomPointsReach, TheAdviceNamesTheCauseAndAFixThatWorks) {
    EXPECT_EQ(adviceFor(40, 30, 20, 0, 10, 0),
              "custom_spawn_chance is 0. Set it to 10 and lower another chance by 10.")
        << "the shipped chances";
    EXPECT_EQ(adviceFor(40, 30, 20, 0, 10, 10),
              "The chances before custom_spawn_chance add up to 100. Lower them by 10 in all.")
        << "the old guide's advice followed";
    EXPECT_EQ(adviceFor(30, 30, 20, 0, 10, 10), "") << "the guide's example: 9 of 99 rolls";
    EXPECT_EQ(adviceFor(30, 20, 0, 0, 0, -1), "custom_spawn_chance is -1. Set it to 10.") << "room left for 10";
    EXPECT_EQ(adviceFor(66, 19, 27, 40, 58, 0),
              "custom_spawn_chance is 0. Set it to 10 and lower the others by 120 in all.")
        << "no one chance has 120 to give";
    EXPECT_EQ(adviceFor(99, 0, 0, 0, 0, 1),
              "The chances before custom_spawn_chance add up to 99. Lower them by 1 in all.")
        << "one roll must be left past the others";
    EXPECT_EQ(adviceFor(-30, 0, 0, 0, 0, 20),
              "The chances before custom_spawn_chance add up to -30. Make none of them negative.");
    EXPECT_EQ(adviceFor(0, 0, 0, 0, 0, 50), "") << "half the rolls; the rest fall back elsewhere";
}

TEST(CustomPointsReach, EveryAdvisedFixGivesTheCustomPointsRolls) {
    const SpawnChances cases[] = {
        {{40, 30, 20, 0, 10, 0}}, {{40, 30, 20, 0, 10, 10}}, {{99, 0, 0, 0, 0, 1}}, {{100, 100, 0, 0, 0, 30}},
        {{0, 0, 0, 0, 99, -5}},   {{200, 0, 0, 0, 0, 0}},  {{66, 19, 27, 40, 58, 0}},
    };
    for (const SpawnChances& chances : cases) {
        char advice[96];
        ASSERT_TRUE(customPointsNeverPicked(chances, advice, sizeof advice));
        // Apply the fix as a player would: the custom share as advised, the
        // reduction taken from the largest chances before it.
        SpawnChances fixed = chances;
        long share = 0, lower = 0;
        if (std::sscanf(advice, "custom_spawn_chance is %*d. Set it to %ld and lower the others by %ld in all", &share,
                        &lower) == 2 ||
            std::sscanf(advice, "custom_spawn_chance is %*d. Set it to %ld and lower another chance by %ld", &share,
                        &lower) >= 1)
            fixed.of[spawnModeCount - 1] = static_cast<int32_t>(share);
        else
            ASSERT_EQ(std::sscanf(advice, "The chances before custom_spawn_chance add up to %*d. Lower them by %ld",
                                  &lower),
                      1)
                << advice;
        // Taken from the largest chance first, none made negative.
        while (lower > 0) {
            int largest = 0;
            for (int m = 1; m < spawnModeCount - 1; ++m)
                if (fixed.of[m] > fixed.of[largest]) largest = m;
            long taken = std::min<long>(lower, std::max(fixed.of[largest], 1));
            fixed.of[largest] -= static_cast<int32_t>(taken);
            lower -= taken;
        }
        EXPECT_FALSE(customPointsNeverPicked(fixed, advice, sizeof advice)) << advice;
    }
}
