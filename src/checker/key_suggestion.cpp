#include "checker/key_suggestion.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ini/ini_reader.h"
#include "settings/custom_spawn_key.h"
#include "settings/setting_limits.h"
#include "settings/settings_keys.h"

size_t editDistance(std::string_view a, std::string_view b, size_t limit) {
    size_t row[longestSuggestedKey + 32];
    if (b.size() >= sizeof row / sizeof row[0] || (a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > limit)
        return limit + 1;
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        size_t least = row[0];
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t above = row[j];
            size_t replace = diagonal + (lowerAscii(a[i - 1]) == lowerAscii(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, replace});
            diagonal = above;
            least = std::min(least, row[j]);
        }
        if (least > limit) return limit + 1;  // no later row comes back below it
    }
    return row[b.size()];
}

namespace {

// Whether word is one of the '_'-separated words of whole (case ignored).
bool hasWord(std::string_view whole, std::string_view word) {
    for (size_t begin = 0; begin <= whole.size();) {
        size_t end = std::min(whole.find('_', begin), whole.size());
        if (equalIgnoringCase(whole.substr(begin, end - begin), word)) return true;
        begin = end + 1;
    }
    return false;
}

// Every '_'-separated word of part, at least two of them, occurs among those of whole.
bool holdsEveryWord(std::string_view whole, std::string_view part) {
    if (part.find('_') == std::string_view::npos) return false;
    int words = 0;
    for (size_t begin = 0; begin <= part.size();) {
        size_t end = std::min(part.find('_', begin), part.size());
        std::string_view word = part.substr(begin, end - begin);
        begin = end + 1;
        if (word.empty()) continue;
        if (!hasWord(whole, word)) return false;
        ++words;
    }
    return words >= 2;
}

}  // namespace

bool closestKnownKey(std::string_view key, char* out, size_t size) {
    // Words left out ("in_air_spawn_chance"): a known key holding every word of this one.
    for (const SettingKey& known : settingKeys) {
        if (holdsEveryWord(known.name, key)) {
            std::snprintf(out, size, "%s", known.name);
            return true;
        }
    }
    size_t bestDistance = std::max<size_t>(2, key.size() / 3) + 1;
    auto consider = [&](std::string_view candidate) {
        size_t d = editDistance(key, candidate, bestDistance);
        if (d < bestDistance) {
            bestDistance = d;
            std::snprintf(out, size, "%.*s", static_cast<int>(candidate.size()), candidate.data());
        }
    };
    out[0] = '\0';
    for (const SettingKey& known : settingKeys) consider(known.name);
    // A slip in a custom point key: the same number and axis written right.
    int32_t number = 0;
    for (char c : key)
        if (c >= '0' && c <= '9') number = std::min(number * 10 + (c - '0'), customSpawnPointCap + 1);
    char axis = key.empty() ? '\0' : lowerAscii(key.back());
    if (number >= 1 && number <= customSpawnPointCap && axis >= 'x' && axis <= 'z') {
        char custom[customSpawnKeySize];
        size_t length = formatCustomSpawnKey(number, axis - 'x', custom, sizeof custom);
        consider(std::string_view(custom, length));
    }
    return out[0] != '\0';
}

