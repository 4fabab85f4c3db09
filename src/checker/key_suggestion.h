#pragma once
// The key a typing slip may have meant, for the checker: a known key holding
// every word of the one written ("in_air_spawn_chance"), else the closest by
// edits, also among the custom point keys.
#include <cstddef>
#include <string_view>

// The longest key given a suggestion: the work grows with a key's length.
constexpr size_t longestSuggestedKey = 64;

// Edits (insert, delete, replace) between two names, letter case ignored;
// beyond limit, some number above it.
size_t editDistance(std::string_view a, std::string_view b, size_t limit);

// The closest key into out; false when none is close.
bool closestKnownKey(std::string_view key, char* out, size_t size);
