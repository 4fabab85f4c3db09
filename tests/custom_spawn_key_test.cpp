// The custom point keys: what the plug-in writes is what it reads back, and a
// key the reader never asks for names no point.
#include <gtest/gtest.h>

#include <string>

#include "settings/custom_spawn_key.h"
#include "settings/setting_limits.h"

TEST(CustomSpawnKey, EveryKeyWrittenReadsBackAsItsPointAndAxis) {
    for (int32_t number : {1, 9, 10, 99, 100, 1000, customSpawnPointCap}) {
        for (int axis = 0; axis < 3; ++axis) {
            char key[customSpawnKeySize];
            size_t length = formatCustomSpawnKey(number, axis, key, sizeof key);
            ASSERT_EQ(length, std::string(key).size());
            EXPECT_EQ(customSpawnKeyPoint(key), number) << key;
            CustomSpawnKeyParts parts{};
            ASSERT_TRUE(splitCustomSpawnKey(key, &parts)) << key;
            EXPECT_EQ(parts.axis, axis);
            EXPECT_FALSE(parts.leadingZero);
        }
    }
    EXPECT_EQ(customSpawnKeyPoint("CUSTOM_Spawn_12_Z"), 12) << "letter case aside, as the reader compares";
    // The text itself, for every number a point may have, and cut to a small buffer.
    for (int32_t number = 1; number <= customSpawnPointCap; number += number < 200 ? 1 : 97) {
        char key[customSpawnKeySize];
        formatCustomSpawnKey(number, 2, key, sizeof key);
        ASSERT_EQ(std::string(key), "custom_spawn_" + std::to_string(number) + "_z");
    }
    char small[8];
    EXPECT_EQ(formatCustomSpawnKey(123, 0, small, sizeof small), 7u);
    EXPECT_EQ(std::string(small), "custom_");
}

TEST(CustomSpawnKey, KeysTheReaderNeverAsksForNameNoPoint) {
    const std::string beyond = "custom_spawn_" + std::to_string(customSpawnPointCap + 1) + "_x";
    for (const char* key : {"custom_spawn_05_x", "custom_spawn_00_y", "custom_spawn_0_z", "custom_spawn__x",
                            "custom_spawn_5_w", "custom_spawn_5x", "custom_spawn_5_xx", "custom_spawn_-5_x",
                            "custom_spawn_5_", "xcustom_spawn_5_x", "custom_spawn_99999999999999999999_x"})
        EXPECT_EQ(customSpawnKeyPoint(key), 0) << key;
    EXPECT_EQ(customSpawnKeyPoint(beyond), 0);

    CustomSpawnKeyParts parts{};
    ASSERT_TRUE(splitCustomSpawnKey("custom_spawn_05_Y", &parts)) << "the checker still names it";
    EXPECT_TRUE(parts.leadingZero);
    EXPECT_EQ(parts.digits, "05");
    EXPECT_EQ(parts.axis, 1);
    EXPECT_FALSE(splitCustomSpawnKey("custom_spawn_5_w", &parts));
}
