#pragma once
// The game's name hash: Jenkins one-at-a-time over the lower-cased name.
#include <cstdint>

namespace sim {

inline uint32_t joaat(const char* text) {
    uint32_t hash = 0;
    for (; *text; ++text) {
        char c = *text;
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        hash += static_cast<uint8_t>(c);
        hash += hash << 10;
        hash ^= hash >> 6;
    }
    hash += hash << 3;
    hash ^= hash >> 11;
    hash += hash << 15;
    return hash;
}

}  // namespace sim
