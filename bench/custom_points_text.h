#pragma once
// The large settings file of the benchmarks: a settings text with 10,000
// custom spawn points in use, as a player who saved many places would have it.
#include <cstdio>
#include <string>

inline std::string withTenThousandCustomPoints(std::string text) {
    const std::string count = "number_of_custom_spawn_points_in_use=";
    size_t at = text.find("\n" + count);
    if (at != std::string::npos) {
        size_t value = at + 1 + count.size();
        text.replace(value, text.find_first_of("\r\n", value) - value, "10000");
    }
    for (int k = 1; k <= 10000; ++k) {
        char lines[160];
        std::snprintf(lines, sizeof lines, "custom_spawn_%d_x=%d.5\r\ncustom_spawn_%d_y=%d.25\r\ncustom_spawn_%d_z=300\r\n",
                      k, k % 3000 - 1500, k, k % 5000 - 2500, k);
        text += lines;
    }
    return text;
}
