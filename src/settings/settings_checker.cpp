#include "settings/settings_checker.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "settings/decimal_float.h"
#include "settings/respawn_settings.h"
#include "settings/setting_limits.h"

namespace {

constexpr int32_t minuteMs = 60 * 1000;
constexpr int32_t hourMs = 60 * minuteMs;

// Suggestions cost some work per key: only for the first unknown keys, and for keys of sensible length.
constexpr int suggestedKeys = 50;
constexpr size_t longestSuggestedKey = 64;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a'; }

bool isBlankText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return isBlank(c); });
}

// Edits (insert, delete, replace) between two names, letter case ignored;
// beyond limit, some number above it.
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

// "custom_spawn_<n>_x" (or _y, _z): the number text and the axis 0, 1, 2.
bool customPointKey(std::string_view key, std::string_view* number, int* axis) {
    const std::string_view prefix = "custom_spawn_";
    if (key.size() < prefix.size() + 3 || !equalIgnoringCase(key.substr(0, prefix.size()), prefix)) return false;
    std::string_view rest = key.substr(prefix.size());
    size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
    if (digits == 0 || rest.size() != digits + 2 || rest[digits] != '_') return false;
    char a = lowerAscii(rest[digits + 1]);
    if (a < 'x' || a > 'z') return false;
    *number = rest.substr(0, digits);
    *axis = a - 'x';
    return true;
}

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

// The closest key a typing slip may have meant, into out; false when none is close.
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
    char custom[longestSuggestedKey + 24] = "custom_spawn_";
    size_t length = std::strlen(custom);
    for (char c : key)
        if (c >= '0' && c <= '9' && length < sizeof custom - 3) custom[length++] = c;
    char axis = key.empty() ? '\0' : lowerAscii(key.back());
    if (length > std::strlen("custom_spawn_") && axis >= 'x' && axis <= 'z') {
        custom[length++] = '_';
        custom[length++] = axis;
        consider(std::string_view(custom, length));
    }
    return out[0] != '\0';
}

// Hours or minutes, for a message.
double durationIn(int32_t ms, const char** unit) {
    *unit = ms >= hourMs ? "hours" : "minutes";
    return static_cast<double>(ms) / (ms >= hourMs ? hourMs : minuteMs);
}

// A view's length and text for "%.*s".
#define VIEW(v) static_cast<int>((v).size()), (v).data()

constexpr uint32_t hasValueBit = 0x80000000u;

// The check, as a visitor of the reader's walk over the lines, then over the
// section the walk has parsed.
class Checker final : public ProfileLineVisitor {
public:
    Checker(const ProfileSection& section, CheckState& state, FindingSink& sink)
        : section_(section), state_(state), sink_(sink) {}

    // A fresh check.
    static void reset(CheckState* state) {
        state->headers.clear();
        state->headerSlots.assign(16, 0);
        state->customLines.clear();
        state->sectionLine = 0;
        std::fill(std::begin(state->knownLines), std::end(state->knownLines), 0);
        state->highestDefined = 0;
        state->currentSection = {};
        state->beforeAnySection = true;
        state->inDuplicateMain = state->inMisnamedMain = false;
        state->unknownKeys = 0;
    }

    void visit(const ProfileLine& line) override {
        if (line.text.front() == ';') return;
        if (line.header) {
            sectionHeader(line);
            return;
        }
        if (line.text.front() == '[') {
            add(line.number, CheckSeverity::Warning, FindingKind::Other,
                "section header without a closing ']': Pelorin takes it for a line of the section above it, and the "
                "keys below it stay in that section");
            return;
        }
        keyLine(line);
    }

    SpawnOdds checkSection(std::vector<CheckedCustomPoint>* points) {
        if (state_.sectionLine == 0)
            add(0, CheckSeverity::Error, FindingKind::Other,
                "no [Player_Respawn] section: Pelorin reads every key as missing");
        for (int i = 0; i < settingKeyCount; ++i) checkKnownKey(i);
        SpawnOdds odds = checkChances();
        checkWaits();
        checkRanges();
        checkChords();
        checkCustomPoints(points);
        return odds;
    }

private:
    const ProfileSection& section_;
    CheckState& state_;
    FindingSink& sink_;

    // Messages are formatted in one place, so that the checker stays small in the plug-in.
    void add(int line, CheckSeverity severity, FindingKind kind, const char* format, ...)
        __attribute__((format(printf, 5, 6))) {
        va_list args;
        va_start(args, format);
        report(-1, line, severity, kind, format, args);
        va_end(args);
    }
    void addMissing(int key, const char* format, ...) __attribute__((format(printf, 3, 4))) {
        va_list args;
        va_start(args, format);
        report(key, 0, settingKeys[key].missingSeverity, FindingKind::KeyMissing, format, args);
        va_end(args);
    }
    void report(int key, int line, CheckSeverity severity, FindingKind kind, const char* format, va_list args) {
        if (!sink_.wantsMessage(line, severity)) {
            sink_.add(line, severity, kind, key, nullptr);
            return;
        }
        char message[512];
        std::vsnprintf(message, sizeof message, format, args);
        sink_.add(line, severity, kind, key, message);
    }

    // The first line of an earlier header of that name (letter case ignored),
    // or 0 with this one noted.
    int earlierHeaderLine(std::string_view name, int line) {
        std::vector<uint32_t>& slots = state_.headerSlots;
        if (2 * (state_.headers.size() + 1) > slots.size()) {
            slots.assign(2 * slots.size(), 0);
            for (size_t i = 0; i < state_.headers.size(); ++i) slots[freeSlot(state_.headers[i].name)] = i + 1;
        }
        size_t mask = slots.size() - 1;
        for (size_t slot = profileNameHash(name) & mask;; slot = (slot + 1) & mask) {
            if (slots[slot] == 0) {
                state_.headers.push_back(CheckState::Header{name, line});
                slots[slot] = static_cast<uint32_t>(state_.headers.size());
                return 0;
            }
            const CheckState::Header& held = state_.headers[slots[slot] - 1];
            if (equalIgnoringCase(held.name, name)) return held.line;
        }
    }
    size_t freeSlot(std::string_view name) const {
        size_t mask = state_.headerSlots.size() - 1;
        size_t slot = profileNameHash(name) & mask;
        while (state_.headerSlots[slot] != 0) slot = (slot + 1) & mask;
        return slot;
    }

    void sectionHeader(const ProfileLine& line) {
        std::string_view name = line.name;
        state_.beforeAnySection = false;
        state_.currentSection = name;
        state_.inDuplicateMain = state_.inMisnamedMain = false;
        if (line.sectionHeader) state_.sectionLine = line.number;
        int first = earlierHeaderLine(name, line.number);
        if (first != 0) {
            add(line.number, CheckSeverity::Warning, FindingKind::Other,
                "duplicate section [%.*s] (first at line %d): Pelorin reads only the first one, so every key below "
                "it is ignored",
                VIEW(name), first);
            state_.inDuplicateMain = equalIgnoringCase(name, settingsSectionName);
        } else if (!line.sectionHeader && editDistance(name, settingsSectionName, 3) <= 3) {
            state_.inMisnamedMain = true;
            add(line.number, CheckSeverity::Error, FindingKind::Other,
                "section [%.*s]: did you mean [Player_Respawn]? Pelorin reads none of the keys below it", VIEW(name));
        }
    }

    void keyLine(const ProfileLine& line) {
        std::string_view key = line.name;
        std::string_view number;
        int axis = 0;
        bool hasValue = line.value.data() != nullptr;
        if (!line.inSection && !hasValue) {
            add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                "no '=' on this line: it sets nothing (comments start with ';')");
            return;
        }
        if (key.empty()) {
            add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                "no key before '=' on this line: it sets nothing");
            return;
        }
        bool custom = customPointKey(key, &number, &axis);
        int known = custom ? -1 : settingKeyIndex(key);
        if (!line.inSection) {
            if ((known < 0 && !custom) || state_.inMisnamedMain) return;
            if (state_.beforeAnySection)
                add(line.number, CheckSeverity::Error, FindingKind::KeyNotRead,
                    "\"%.*s\" stands before any section: Pelorin reads it only under [Player_Respawn]", VIEW(key));
            else if (state_.inDuplicateMain)
                add(line.number, CheckSeverity::Error, FindingKind::KeyNotRead,
                    "\"%.*s\" is in a second [Player_Respawn] section: Pelorin does not read it", VIEW(key));
            else
                add(line.number, CheckSeverity::Error, FindingKind::KeyNotRead,
                    "\"%.*s\" is in section [%.*s], not in the first [Player_Respawn]: Pelorin does not read it here",
                    VIEW(key), VIEW(state_.currentSection));
            return;
        }
        // The first occurrence of a key is the one read, even one without '=', which reads as missing.
        if (!hasValue)
            add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                "no '=' on this line: it sets nothing (comments start with ';')");
        if (known >= 0) {
            int& first = state_.knownLines[known];
            if (first != 0) {
                if (hasValue)
                    add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "duplicate key \"%.*s\": the first one (line %d) counts", VIEW(key), first);
            } else {
                first = line.number;
            }
        } else if (custom) {
            customPointLine(line, key, number, axis, hasValue);
        } else if (hasValue) {
            // A suggestion only where the message is wanted (the plug-in's log wants the first problem's only).
            char guess[longestSuggestedKey + 24];
            if (++state_.unknownKeys <= suggestedKeys && key.size() <= longestSuggestedKey &&
                sink_.wantsMessage(line.number, CheckSeverity::Warning) && closestKnownKey(key, guess, sizeof guess))
                add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                    "unknown key \"%.*s\", ignored: did you mean \"%s\"?", VIEW(key), guess);
            else
                add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead, "unknown key \"%.*s\", ignored%s",
                    VIEW(key), key.front() == '#' ? " (comments start with ';', not '#')" : "");
        }
    }

    void customPointLine(const ProfileLine& line, std::string_view key, std::string_view number, int axis,
                         bool hasValue) {
        if (number.size() > 1 && number.front() == '0') {
            if (hasValue)
                add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                    "\"%.*s\" is never read: point numbers are written without leading zeros", VIEW(key));
            return;
        }
        if (number.size() > 8) return;  // far beyond the cap of points read
        int point = 0;
        for (char digit : number) point = point * 10 + (digit - '0');
        state_.highestDefined = std::max(state_.highestDefined, point);
        if (point < 1 || point > customSpawnPointCap) return;  // never read
        std::vector<uint32_t>& lines = state_.customLines;
        size_t slot = static_cast<size_t>(point - 1) * 3 + static_cast<size_t>(axis);
        if (slot >= lines.size()) lines.resize(std::max(slot + 1, std::min<size_t>(2 * lines.size(), 3 * customSpawnPointCap)), 0);
        if (lines[slot] != 0) {
            if (hasValue)
                add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                    "duplicate key \"%.*s\": the first one (line %d) counts", VIEW(key),
                    static_cast<int>(lines[slot] & ~hasValueBit));
            return;
        }
        lines[slot] = static_cast<uint32_t>(line.number) | (hasValue ? hasValueBit : 0);
    }

    // A point key's first line and whether it has a value (0, false when the key is not in the section).
    int customLine(int point, int axis, bool* hasValue = nullptr) const {
        size_t slot = static_cast<size_t>(point - 1) * 3 + static_cast<size_t>(axis);
        uint32_t held = slot < state_.customLines.size() ? state_.customLines[slot] : 0;
        if (hasValue != nullptr) *hasValue = (held & hasValueBit) != 0;
        return static_cast<int>(held & ~hasValueBit);
    }

    const char* name(SettingId id) const { return settingKey(id).name; }
    int lineOf(SettingId id) const { return state_.knownLines[static_cast<int>(id)]; }
    bool present(SettingId id) const {
        std::string_view value;
        return findProfileValue(section_, name(id), &value);
    }
    int32_t intValue(SettingId id) const {
        return static_cast<int32_t>(profileInt(section_, name(id), static_cast<uint32_t>(-1)));
    }
    float floatValue(SettingId id) const {
        return profileFloat(section_, name(id), static_cast<float>(settingKey(id).missing));
    }

    // Missing keys, and values that are no numbers or carry text the reader drops.
    void checkKnownKey(int index) {
        const SettingKey& k = settingKeys[index];
        std::string_view value;
        if (!findProfileValue(section_, k.name, &value)) {
            if (k.missingEffect != nullptr && state_.sectionLine != 0)
                addMissing(index, "missing \"%s\": %s", k.name, k.missingEffect);
            return;
        }
        int line = state_.knownLines[index];
        bool isFloat = k.kind == SettingKind::Float;
        if (value.empty()) {
            add(line, CheckSeverity::Warning, FindingKind::Other, "\"%s\" has no value: it reads as %s, as if missing",
                k.name, isFloat ? "0.0" : "-1");
            return;
        }
        // The characters the plug-in's reader takes: 31 for a float, 29 for an integer.
        char text[32];
        size_t taken = value.copy(text, isFloat ? 31 : 29);
        text[taken] = '\0';
        char reads[32];
        size_t numberLength = 0;
        bool beyondFloat = false;
        if (isFloat) {
            DecimalNumber number = readDecimal(text);
            numberLength = number.length;
            beyondFloat = number.beyondFloat;
            std::snprintf(reads, sizeof reads, "%g", static_cast<double>(number.value));
        } else {
            int32_t number = static_cast<int32_t>(profileIntOf(text, &numberLength));
            std::snprintf(reads, sizeof reads, "%ld", static_cast<long>(number));
        }
        if (numberLength == 0)
            add(line, CheckSeverity::Error, FindingKind::Other, "\"%s\" = \"%.*s\" is not a number: it reads as %s",
                k.name, VIEW(value), reads);
        else if (beyondFloat)
            add(line, CheckSeverity::Error, FindingKind::Other,
                "\"%s\" = \"%.*s\" is too large a number: it reads as %s", k.name, VIEW(value), reads);
        else if (!isBlankText(std::string_view(text + numberLength)) || value.size() > taken)
            add(line, CheckSeverity::Warning, FindingKind::Other,
                "\"%s\" = \"%.*s\" reads as %s: the text after the number is ignored", k.name, VIEW(value), reads);
    }

    SpawnOdds checkChances() {
        SpawnChances chances{};
        for (int m = 0; m < spawnModeCount; ++m) {
            SettingId id = spawnModes[m].chance;
            chances.of[m] = intValue(id);
            if (!present(id)) continue;
            if (chances.of[m] < 0)
                add(lineOf(id), CheckSeverity::Error, FindingKind::Other,
                    "\"%s\" is negative (%ld): it takes rolls away from every later spawn mode", name(id),
                    static_cast<long>(chances.of[m]));
            else if (chances.of[m] > 100)
                add(lineOf(id), CheckSeverity::Warning, FindingKind::Other, "\"%s\" is %ld, more than 100 percent",
                    name(id), static_cast<long>(chances.of[m]));
        }
        const SettingId closeKey = SettingId::on_close_point_player_spawn_chance;
        int32_t close = intValue(closeKey);
        SpawnOdds odds = spawnOddsOf(chances, close);
        if (present(closeKey) && (close < 0 || close > 100))
            add(lineOf(closeKey), CheckSeverity::Note, FindingKind::Other, "\"%s\" is %ld: counts as %s",
                name(closeKey), static_cast<long>(close), close < 0 ? "0 (never close)" : "100 (always close)");

        double sum = 0;  // six 32-bit chances, exact in a double
        for (int32_t c : chances.of) sum += c;
        if (sum > 100) {
            char cut[256] = "";
            for (int m = 0; m < spawnModeCount; ++m) {
                int32_t chance = chances.of[m];
                if (chance <= 0 || odds.rolls[m] >= std::min(chance, spawnRollCount)) continue;
                size_t used = std::strlen(cut);
                std::snprintf(cut + used, sizeof cut - used, "%s%s %ld%% -> %d of 99 rolls", used ? ", " : "",
                              spawnModes[m].name, static_cast<long>(chance), odds.rolls[m]);
            }
            add(0, CheckSeverity::Warning, FindingKind::Other,
                "the spawn chances add up to %.0f, past 100: the modes later in the order lose their share (%s)", sum,
                cut);
        }
        if (odds.fallBackRolls > 0)
            add(0, CheckSeverity::Note, FindingKind::Other,
                "the spawn chances add up to %.0f: %d of 99 rolls fall back to the %s (with a sound)", sum,
                odds.fallBackRolls, spawnModes[odds.fallBackMode].name);
        const int custom = static_cast<int>(SpawnMode::CustomPoint);
        if (odds.rolls[custom] + (odds.fallBackMode == custom ? odds.fallBackRolls : 0) > 0 &&
            intValue(SettingId::number_of_custom_spawn_points_in_use) <= 0)
            add(lineOf(SettingId::custom_spawn_chance), CheckSeverity::Error, FindingKind::Other,
                "custom spawns are rolled but no custom point is in use: they land at the world origin (0, 0, 0)");
        return odds;
    }

    void checkWaits() {
        for (int i = 0; i < settingKeyCount; ++i) {
            const SettingKey& w = settingKeys[i];
            SettingId id = static_cast<SettingId>(i);
            if (w.unit != SettingUnit::Milliseconds || !present(id)) continue;
            int32_t ms = intValue(id);
            const char* unit = "";
            double amount = durationIn(ms, &unit);
            if (ms < -1)
                add(lineOf(id), CheckSeverity::Warning, FindingKind::Other, "\"%s\" is negative: it counts as no wait",
                    w.name);
            else if (ms >= 10 * minuteMs)
                add(lineOf(id), ms >= hourMs ? CheckSeverity::Error : CheckSeverity::Warning, FindingKind::Other,
                    "\"%s\" is %ld ms, %.1f %s: %s", w.name, static_cast<long>(ms), amount, unit, w.valueEffect);
        }
    }

    void checkHeights(SettingId minKey, SettingId maxKey, const char* kind) {
        for (SettingId key : {minKey, maxKey})
            if (present(key) && intValue(key) < 0)
                add(lineOf(key), CheckSeverity::Warning, FindingKind::Other, "\"%s\" is negative: below the ground",
                    name(key));
        if (!present(minKey) || !present(maxKey) || intValue(minKey) <= intValue(maxKey)) return;
        add(lineOf(minKey), CheckSeverity::Error, FindingKind::Other,
            "\"%s\" (%ld) is above \"%s\" (%ld): %s are put at height 0.2, into the ground or the sea", name(minKey),
            static_cast<long>(intValue(minKey)), name(maxKey), static_cast<long>(intValue(maxKey)), kind);
    }

    void checkRanges() {
        for (int i = 0; i < settingKeyCount; ++i) {
            const SettingKey& k = settingKeys[i];
            SettingId id = static_cast<SettingId>(i);
            if (k.unit != SettingUnit::Choice || !present(id)) continue;
            int32_t v = intValue(id);
            if (v >= k.low && v <= k.high) continue;
            add(lineOf(id), k.valueSeverity, FindingKind::Other, "\"%s\" is %ld, not %ld to %ld: %s", k.name,
                static_cast<long>(v), static_cast<long>(k.low), static_cast<long>(k.high), k.valueEffect);
        }
        checkHeights(SettingId::min_heli_spawn_height_over_ground, SettingId::max_heli_spawn_height_over_ground,
                     "helicopters");
        checkHeights(SettingId::min_plane_spawn_height_over_ground, SettingId::max_plane_spawn_height_over_ground,
                     "aeroplanes");
        const SettingId distance = SettingId::preferred_spawn_distance;
        if (present(distance)) {
            int32_t d = intValue(distance);
            if (d < -1)
                add(lineOf(distance), CheckSeverity::Warning, FindingKind::Other,
                    "\"%s\" is negative: the distance counts as %.0f", name(distance), -static_cast<double>(d));
            else if (d > highestOf(distance))
                add(lineOf(distance), CheckSeverity::Warning, FindingKind::Other,
                    "\"%s\" is %ld: close respawns fall far away, many of them off the map", name(distance),
                    static_cast<long>(d));
        }
        const SettingId slow = SettingId::slow_motion_at_wasted_and_busted_screens;
        if (present(slow)) {
            float s = floatValue(slow);
            double shown = static_cast<double>(s);
            if (s < 0.0f)
                add(lineOf(slow), CheckSeverity::Error, FindingKind::Other, "\"%s\" is negative: not a game speed",
                    name(slow));
            else if (shown < 0.1)
                add(lineOf(slow), CheckSeverity::Warning, FindingKind::Other,
                    "\"%s\" is %g: the game (nearly) stands still; the respawn comes after 80 seconds", name(slow),
                    shown);
            else if (s > 1.0f)
                add(lineOf(slow), CheckSeverity::Warning, FindingKind::Other,
                    "\"%s\" is %g: faster than normal, not slow motion", name(slow), shown);
        }
    }

    // A key code the chords can use.
    static bool isKeyCode(int32_t k) {
        const SettingId id = SettingId::respawn_on_demand_key_1_of_2;
        return k >= lowestOf(id) && k <= highestOf(id);
    }

    void checkChordKeys(SettingId key1, SettingId key2, const char* chord) {
        const long low = lowestOf(key1), high = highestOf(key1);
        bool has1 = present(key1), has2 = present(key2);
        int32_t k1 = intValue(key1), k2 = intValue(key2);
        if (has1 && !isKeyCode(k1))
            add(lineOf(key1), CheckSeverity::Error, FindingKind::Other,
                "\"%s\" is %ld, no key code (%ld to %ld): the %s never fires", name(key1), static_cast<long>(k1), low,
                high, chord);
        if (has2 && k2 != -1 && !isKeyCode(k2))
            add(lineOf(key2), CheckSeverity::Error, FindingKind::Other,
                "\"%s\" is %ld, no key code (%ld to %ld, or -1 for the first key alone): the %s never fires",
                name(key2), static_cast<long>(k2), low, high, chord);
        if (has1 && has2 && k1 == k2 && isKeyCode(k1))
            add(lineOf(key2), CheckSeverity::Error, FindingKind::Other, "the %s uses key %ld twice: it never fires",
                chord, static_cast<long>(k1));
    }

    void checkChords() {
        const SettingId respawn1 = SettingId::respawn_on_demand_key_1_of_2;
        const SettingId respawn2 = SettingId::respawn_on_demand_key_2_of_2;
        const SettingId save1 = SettingId::save_spawn_point_key_1_of_2;
        const SettingId save2 = SettingId::save_spawn_point_key_2_of_2;
        checkChordKeys(respawn1, respawn2, "respawn-on-demand chord");
        if (present(save1) != present(save2))
            add(lineOf(present(save1) ? save1 : save2), CheckSeverity::Warning, FindingKind::Other,
                "only one of \"%s\" and \"%s\" is set", name(save1), name(save2));
        checkChordKeys(save1, save2, "save-spawn-point chord");
        if (present(save1) && intValue(save1) == intValue(respawn1) && intValue(save2) == intValue(respawn2))
            add(lineOf(save1), CheckSeverity::Error, FindingKind::Other,
                "the save-spawn-point chord is the respawn-on-demand chord");
        if (intValue(SettingId::activate_controller) > 0)
            for (SettingId key : {SettingId::respawn_on_demand_controller_button_1_of_2,
                                  SettingId::respawn_on_demand_controller_button_2_of_2})
                if (present(key) && intValue(key) < -1)
                    add(lineOf(key), CheckSeverity::Warning, FindingKind::Other,
                        "\"%s\" is negative: no controller button", name(key));
    }

    // Up to five point numbers, then "...".
    struct NumberList {
        char text[64] = "";
        int count = 0;
        void add(int number) {
            if (++count > 5) return;
            size_t used = std::strlen(text);
            std::snprintf(text + used, sizeof text - used, "%s%d", used ? ", " : "", number);
        }
    };

    void checkCustomPoints(std::vector<CheckedCustomPoint>* points) {
        const SettingId countKey = SettingId::number_of_custom_spawn_points_in_use;
        int32_t n = intValue(countKey);
        int countLine = lineOf(countKey);
        if (n > customSpawnPointCap)
            add(countLine, CheckSeverity::Warning, FindingKind::Other,
                "\"%s\" is %ld: only the first %ld points are read", name(countKey), static_cast<long>(n),
                static_cast<long>(customSpawnPointCap));
        int32_t read = std::min(n, customSpawnPointCap);
        NumberList undefined;
        for (int k = 1; k <= read; ++k) {
            if (k > state_.highestDefined) {
                // No key of any point from here on: all of them read as the origin.
                int j = k;
                for (; j <= read && undefined.count <= 5; ++j) undefined.add(j);
                undefined.count += read - j + 1;
                break;
            }
            char missingAxes[96] = "";
            int anyLine = 0;
            for (int axis = 0; axis < 3; ++axis) {
                bool hasValue = false;
                int line = customLine(k, axis, &hasValue);
                if (hasValue) {
                    if (anyLine == 0) anyLine = line;
                } else {
                    size_t used = std::strlen(missingAxes);
                    std::snprintf(missingAxes + used, sizeof missingAxes - used, "%scustom_spawn_%d_%c",
                                  used ? ", " : "", k, 'x' + axis);
                }
            }
            if (anyLine == 0) {
                undefined.add(k);
                continue;
            }
            if (missingAxes[0] != '\0')
                add(anyLine, CheckSeverity::Warning, FindingKind::Other, "custom point %d has no %s: it reads as 0", k,
                    missingAxes);
            if (points != nullptr) points->push_back(pointAt(k, anyLine));
        }
        if (undefined.count > 0)
            add(countLine, CheckSeverity::Warning, FindingKind::Other,
                "\"%s\" is %ld but %d of these points are not defined (%s%s): a custom spawn picking one lands at the "
                "world origin (0, 0, 0)",
                name(countKey), static_cast<long>(n), undefined.count, undefined.text,
                undefined.count > 5 ? ", ..." : "");
        if (state_.highestDefined > std::max(read, 0))
            add(countLine, CheckSeverity::Note, FindingKind::Other,
                "custom points up to number %d are defined, but \"%s\" is %ld: the points above it are not used",
                state_.highestDefined, name(countKey), static_cast<long>(n));
    }

    // A point as the plug-in reads it, with the line of its x key (or of its first key).
    CheckedCustomPoint pointAt(int k, int anyLine) const {
        bool xHasValue = false;
        int xLine = customLine(k, 0, &xHasValue);
        CheckedCustomPoint point{k, 0.0f, 0.0f, 0.0f, xHasValue ? xLine : anyLine};
        float* axes[3] = {&point.x, &point.y, &point.z};
        for (int axis = 0; axis < 3; ++axis) {
            char key[40];
            std::snprintf(key, sizeof key, "custom_spawn_%d_%c", k, 'x' + axis);
            *axes[axis] = profileFloat(section_, key, 0.0f);
        }
        return point;
    }
};

#undef VIEW

}  // namespace

void SettingsCheckRun::start(std::string_view file, ProfileSection* section, FindingSink* sink,
                             std::vector<CheckedCustomPoint>* points) {
    Checker::reset(&state_);
    parse_.start(file, settingsSectionName, section);
    section_ = section;
    sink_ = sink;
    points_ = points;
}

bool SettingsCheckRun::advance(size_t budget) {
    Checker checker(*section_, state_, *sink_);
    if (!parse_.advance(budget, &checker)) return false;
    odds_ = checker.checkSection(points_);
    return true;
}

SpawnOdds checkSettings(std::string_view file, ProfileSection* section, FindingSink* sink,
                        std::vector<CheckedCustomPoint>* points) {
    SettingsCheckRun run;
    run.start(file, section, sink, points);
    while (!run.advance(SIZE_MAX)) {
    }
    return run.odds();
}
