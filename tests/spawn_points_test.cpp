// The built-in spawn point table: its size, its fixed rows and its data.
#include <gtest/gtest.h>

#include <cstring>

#include "spawn/spawn_points.h"

namespace {

// FNV-1a over the little-endian bytes of every float, row by row, x y z.
uint32_t tableDigest() {
    uint32_t hash = 0x811C9DC5u;
    for (const SpawnPoint& point : builtInSpawnPoints)
        for (float value : {point.x, point.y, point.z}) {
            uint32_t bits;
            std::memcpy(&bits, &value, sizeof bits);
            for (int shift = 0; shift < 32; shift += 8) {
                hash ^= (bits >> shift) & 0xFFu;
                hash *= 0x01000193u;
            }
        }
    return hash;
}

}  // namespace

TEST(SpawnPoints, TableHoldsTheFixedRowsInPlace) {
    EXPECT_EQ(sizeof builtInSpawnPoints / sizeof builtInSpawnPoints[0], 759u);
    const struct {
        int row;
        float x, y, z;
    } fixedRows[] = {{0, 17.7634f, -1325.77f, 29.461f},
                     {1, -33.1708f, -1425.84f, 31.3591f},
                     {758, 364.755f, -814.2f, 29.2935f}};
    for (const auto& fixed : fixedRows) {
        EXPECT_EQ(builtInSpawnPoints[fixed.row].x, fixed.x) << fixed.row;
        EXPECT_EQ(builtInSpawnPoints[fixed.row].y, fixed.y) << fixed.row;
        EXPECT_EQ(builtInSpawnPoints[fixed.row].z, fixed.z) << fixed.row;
    }
}

TEST(SpawnPoints, TableMatchesThePublishedPointsAndSpansTheMap) {
    // Digest of the 759 rows as published, computed when the table was written.
    EXPECT_EQ(tableDigest(), 0x8754B7B8u);
    int north = 0;
    for (const SpawnPoint& point : builtInSpawnPoints) {
        EXPECT_GE(point.x, -3423.0f);
        EXPECT_LE(point.x, 3822.0f);
        EXPECT_GE(point.y, -3455.0f);
        EXPECT_LE(point.y, 6667.0f);
        if (point.y > 1500.0f) ++north;
    }
    EXPECT_EQ(north, 423);
}
