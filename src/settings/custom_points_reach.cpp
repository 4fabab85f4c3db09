#include "settings/custom_points_reach.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int customMode = static_cast<int>(SpawnMode::CustomPoint);
// The share suggested when custom_spawn_chance has none.
constexpr int64_t suggestedShare = 10;

// How much the chances before the custom one must lose in all so that the
// custom mode gets `share` rolls: the six then add up to 100, and at least
// one roll (of 1 to 99) is left past the earlier ones.
double reductionFor(int64_t earlier, int64_t share) {
    return static_cast<double>(std::max<int64_t>({earlier + share - 100, earlier - 98, 0}));
}

}  // namespace

bool customPointsNeverPicked(const SpawnChances& chances, char* advice, size_t size) {
    // The fall-back never picks the custom mode: only its own rolls count.
    if (spawnOddsOf(chances, 0).rolls[customMode] > 0) return false;
    // Sums without the 32-bit wrap, as a player adds them up; written as
    // doubles, since msvcrt.dll knows no "ll".
    int64_t earlier = 0, largest = 0;
    for (int m = 0; m < customMode; ++m) {
        earlier += chances.of[m];
        largest = std::max<int64_t>(largest, chances.of[m]);
    }
    const long share = static_cast<long>(chances.of[customMode]);
    if (share <= 0) {
        double lower = reductionFor(earlier, suggestedShare);
        // One chance can give it only when it has that much to give.
        if (lower > static_cast<double>(largest))
            std::snprintf(advice, size, "custom_spawn_chance is %ld. Set it to %ld and lower the others by %.0f in all.",
                          share, static_cast<long>(suggestedShare), lower);
        else if (lower > 0)
            std::snprintf(advice, size, "custom_spawn_chance is %ld. Set it to %ld and lower another chance by %.0f.",
                          share, static_cast<long>(suggestedShare), lower);
        else
            std::snprintf(advice, size, "custom_spawn_chance is %ld. Set it to %ld.", share,
                          static_cast<long>(suggestedShare));
    } else if (earlier > 0) {
        std::snprintf(advice, size, "The chances before custom_spawn_chance add up to %.0f. Lower them by %.0f in all.",
                      static_cast<double>(earlier), reductionFor(earlier, share));
    } else {
        std::snprintf(advice, size,
                      "The chances before custom_spawn_chance add up to %.0f. Make none of them negative.",
                      static_cast<double>(earlier));
    }
    return true;
}
