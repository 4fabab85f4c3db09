#include "settings/settings_checker.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "settings/profile_text.h"

const char* const spawnModeNames[spawnModeCount] = {
    "point from the list", "vehicle on a road", "aircraft in the air",
    "death point",         "random map point",  "custom point",
};
const char* const spawnModeChanceKeys[spawnModeCount] = {
    "on_point_from_list_player_spawn_chance",
    "in_vehicle_on_road_player_spawn_chance",
    "in_air_player_spawn_chance",
    "at_death_point_spawn_chance",
    "random_point_on_map_spawn_chance",
    "custom_spawn_chance",
};

namespace {

const char* const sectionName = "Player_Respawn";

enum class KeyKind { Int, Float };

// A key the plug-in reads, and what it does when the key is missing.
struct KnownKey {
    const char* name;
    KeyKind kind;
    CheckSeverity missingSeverity;
    const char* whenMissing;  // nullptr: missing is an ordinary choice, nothing to say
};

const char* const missingChance =
    "reads as -1, a share of -1 percent: every later mode loses one roll, and the fall-back counts the mode as set";

const KnownKey knownKeys[] = {
    {"random_player_respawns", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1, which is not 0: the alternative respawn is on"},
    {"in_air_player_spawn_chance", KeyKind::Int, CheckSeverity::Warning, missingChance},
    {"at_death_point_spawn_chance", KeyKind::Int, CheckSeverity::Warning, missingChance},
    {"random_point_on_map_spawn_chance", KeyKind::Int, CheckSeverity::Warning, missingChance},
    {"on_point_from_list_player_spawn_chance", KeyKind::Int, CheckSeverity::Warning, missingChance},
    {"in_vehicle_on_road_player_spawn_chance", KeyKind::Int, CheckSeverity::Warning, missingChance},
    {"player_skin_persists_death", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1, which is not 0: the skin worn at death comes back after the respawn"},
    {"on_close_point_player_spawn_chance", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: no respawn is ever placed near the place of death"},
    {"preferred_spawn_distance", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: a close respawn lands on the place of death itself"},
    {"alter_spawn_after_mission", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1, which is not 0: the alternative respawn also applies during missions"},
    {"slow_motion_at_wasted_and_busted_screens", KeyKind::Float, CheckSeverity::Warning,
     "reads as 0.0: the game stands still on the wasted screen, the respawn comes after 80 seconds"},
    {"weapons_and_armor_settings_affecting_respawn_on_demand", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: neither the weapons nor the armour option applies to respawn on demand"},
    {"time_before_reset_skin", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: another skin is reset at once after death"},
    {"max_wait_time_before_respawn_upon_skin_exception", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: the respawn deadline falls at the moment of death"},
    {"first_wait_time", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: the respawn may go ahead at once after death"},
    {"custom_spawn_chance", KeyKind::Int, CheckSeverity::Warning, missingChance},
    {"number_of_custom_spawn_points_in_use", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: no custom point is read; a custom spawn lands at the world origin (0, 0, 0)"},
    {"get_all_weapons_upon_respawn", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: no weapons are given or taken after a respawn"},
    {"get_full_armor_upon_respawn", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: no armour is given after a respawn"},
    {"set_money_to_zero_upon_respawn_after_death", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1, which is not 0: the money is set to 0 after every respawn from death or arrest"},
    {"use_respawn_on_demand_automatically", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1, which is not 0: the player is respawned by himself after every loading screen"},
    {"min_heli_spawn_height_over_ground", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: helicopters may come in just below ground level"},
    {"max_heli_spawn_height_over_ground", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: helicopters come in at ground level or at height 0"},
    {"min_plane_spawn_height_over_ground", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: aeroplanes may come in just below ground level"},
    {"max_plane_spawn_height_over_ground", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: aeroplanes come in at ground level or at height 0"},
    {"land_vehicle_type", KeyKind::Int, CheckSeverity::Warning, "reads as -1: only super cars are spawned"},
    {"air_vehicle_type", KeyKind::Int, CheckSeverity::Warning, "reads as -1: the default planes are spawned"},
    {"respawn_on_demand_key_1_of_2", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1, no key: the respawn-on-demand keyboard chord never fires"},
    {"respawn_on_demand_key_2_of_2", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: releasing the first key alone fires the respawn on demand"},
    {"activate_controller", KeyKind::Int, CheckSeverity::Note, nullptr},
    {"respawn_on_demand_controller_button_1_of_2", KeyKind::Int, CheckSeverity::Note,
     "reads as -1: no controller button is held for the controller chord"},
    {"respawn_on_demand_controller_button_2_of_2", KeyKind::Int, CheckSeverity::Note,
     "reads as -1: pressing the first controller button alone fires the respawn on demand"},
    {"player_ped_skin_upon_respawn", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: the skin is not changed after a respawn or a loading screen"},
    {"wait_time_before_skin_change", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: the skin is changed at once after a loading screen"},
    {"set_skin_component_variation", KeyKind::Int, CheckSeverity::Warning,
     "reads as -1: the clothing is left as the game sets it after a skin change"},
    {"write_log_file", KeyKind::Int, CheckSeverity::Note, nullptr},
    {"save_spawn_point_key_1_of_2", KeyKind::Int, CheckSeverity::Note,
     "the chord that saves a custom spawn point is off"},
    {"save_spawn_point_key_2_of_2", KeyKind::Int, CheckSeverity::Note, nullptr},
    {"menu_key_1_of_2", KeyKind::Int, CheckSeverity::Note, "the chord that opens the menu is off"},
    {"menu_key_2_of_2", KeyKind::Int, CheckSeverity::Note, "the chord that opens the menu is off"},
    {"menu_controller_button_1_of_2", KeyKind::Int, CheckSeverity::Note, nullptr},
    {"menu_controller_button_2_of_2", KeyKind::Int, CheckSeverity::Note, nullptr},
    {"stored_last_used_skin", KeyKind::Int, CheckSeverity::Note, nullptr},
};
constexpr int knownKeyCount = static_cast<int>(sizeof knownKeys / sizeof knownKeys[0]);

// The waits in milliseconds, with what a long one does.
struct WaitKey {
    const char* name;
    const char* effect;
};
const WaitKey waitKeys[] = {
    {"time_before_reset_skin", "another skin is reset that long after death"},
    {"max_wait_time_before_respawn_upon_skin_exception", "the respawn may wait that long after death"},
    {"first_wait_time", "every respawn after death waits that long"},
    {"wait_time_before_skin_change", "after every loading screen the skin change waits that long"},
};
constexpr int32_t minuteMs = 60 * 1000;
constexpr int32_t hourMs = 60 * minuteMs;


bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Edits (insert, delete, replace) between two keys, letter case ignored.
size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t above = row[j];
            size_t replace = diagonal + (lowerAscii(a[i - 1]) == lowerAscii(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, replace});
            diagonal = above;
        }
    }
    return row[b.size()];
}

int knownKeyIndex(std::string_view key) {
    for (int i = 0; i < knownKeyCount; ++i)
        if (equalIgnoringCase(key, knownKeys[i].name)) return i;
    return -1;
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

// Every '_'-separated word of part occurs among those of whole (case ignored).
bool holdsEveryWord(std::string_view whole, std::string_view part) {
    if (part.find('_') == std::string_view::npos) return false;
    std::string bracketed = "_" + std::string(whole) + "_";
    for (char& c : bracketed) c = lowerAscii(c);
    size_t begin = 0;
    int words = 0;
    while (begin <= part.size()) {
        size_t end = std::min(part.find('_', begin), part.size());
        std::string word = "_" + std::string(part.substr(begin, end - begin)) + "_";
        for (char& c : word) c = lowerAscii(c);
        if (word.size() > 2 && bracketed.find(word) == std::string::npos) return false;
        words += word.size() > 2 ? 1 : 0;
        begin = end + 1;
    }
    return words >= 2;
}

// The closest key a typing slip may have meant; empty when none is close.
std::string closestKnownKey(std::string_view key) {
    // Words left out ("in_air_spawn_chance"): a known key holding every word of this one.
    for (const KnownKey& known : knownKeys)
        if (holdsEveryWord(known.name, key)) return known.name;
    std::string best;
    size_t bestDistance = std::max<size_t>(2, key.size() / 3) + 1;
    auto consider = [&](const std::string& candidate) {
        size_t d = editDistance(key, candidate);
        if (d < bestDistance) {
            bestDistance = d;
            best = candidate;
        }
    };
    for (const KnownKey& known : knownKeys) consider(known.name);
    // A slip in a custom point key: the same number and axis written right.
    std::string digits;
    for (char c : key)
        if (c >= '0' && c <= '9') digits += c;
    if (!digits.empty() && !key.empty()) {
        char axis = lowerAscii(key.back());
        if (axis >= 'x' && axis <= 'z') consider("custom_spawn_" + digits + "_" + axis);
    }
    return best;
}

// Hours or minutes, for a message.
double durationIn(int32_t ms, const char** unit) {
    *unit = ms >= hourMs ? "hours" : "minutes";
    return static_cast<double>(ms) / (ms >= hourMs ? hourMs : minuteMs);
}

// Where each key of [Player_Respawn] stands, as the reader takes it.
struct KeyLines {
    int known[knownKeyCount] = {};
    std::map<int, int> customLines;  // point number * 3 + axis -> line of its first key
};

// A view's length and text for "%.*s".
#define VIEW(v) static_cast<int>((v).size()), (v).data()

class Checker {
public:
    explicit Checker(std::string_view text) : text_(text) {}

    SettingsCheck run() {
        scanLines();
        parseProfileSection(text_, sectionName, &section_);
        if (sectionLine_ == 0)
            add(0, CheckSeverity::Error, "no [Player_Respawn] section: Pelorin reads every key as missing");
        for (int i = 0; i < knownKeyCount; ++i) checkKnownKey(i);
        checkChances();
        checkWaits();
        checkRanges();
        checkChords();
        checkCustomPoints();
        sortByLine(&result_.findings);
        return std::move(result_);
    }

private:
    std::string_view text_;
    ProfileSection section_;
    SettingsCheck result_{};
    KeyLines lines_;
    int sectionLine_ = 0;

    // By line, file-wide findings first, each line's in the order found: an
    // insertion sort, since they come mostly in line order already.
    static void sortByLine(std::vector<SettingsFinding>* findings) {
        auto& f = *findings;
        for (size_t i = 1; i < f.size(); ++i) {
            auto at = std::upper_bound(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(i), f[i].line,
                                       [](int line, const SettingsFinding& other) { return line < other.line; });
            std::rotate(at, f.begin() + static_cast<std::ptrdiff_t>(i), f.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    }

    // Messages are formatted in one place, so that the checker stays small in the plug-in.
    void add(int line, CheckSeverity severity, const char* format, ...) __attribute__((format(printf, 4, 5))) {
        char message[512];
        va_list args;
        va_start(args, format);
        std::vsnprintf(message, sizeof message, format, args);
        va_end(args);
        result_.findings.push_back(SettingsFinding{line, severity, message});
    }

    int32_t intValue(const char* key) { return static_cast<int32_t>(profileInt(section_, key, 0xFFFFFFFFu)); }
    bool present(const char* key) {
        std::string_view value;
        return findProfileValue(section_, key, &value);
    }
    int lineOf(const char* key) {
        int index = knownKeyIndex(key);
        return index < 0 ? 0 : lines_.known[index];
    }
    float floatValue(const char* key) {
        char value[32];
        profileString(section_, key, "0", value, sizeof value);
        return static_cast<float>(std::atof(value));
    }

    // The lines of the text: sections, keys, duplicates, keys in the wrong place.
    void scanLines() {
        bool splitAtCr = text_.find('\n') == std::string_view::npos;
        char lineEnd = splitAtCr ? '\r' : '\n';
        size_t begin = text_.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
        std::string_view currentSection;
        bool beforeAnySection = true;
        bool inMain = false;
        bool inDuplicateMain = false;
        bool inMisnamedMain = false;
        int lineNumber = 0;
        int unknownKeys = 0;
        std::map<std::string, int> sections;  // lower-case name -> line of its first header
        while (begin <= text_.size()) {
            size_t end = text_.find(lineEnd, begin);
            if (end == std::string_view::npos) end = text_.size();
            ++lineNumber;
            std::string_view line = trimmed(text_.substr(begin, end - begin));
            begin = end + 1;
            if (line.empty() || line.front() == ';') continue;
            if (line.front() == '[') {
                size_t close = line.rfind(']');
                if (close == std::string_view::npos) {
                    add(lineNumber, CheckSeverity::Warning, "section header without a closing ']'");
                    close = line.size();
                }
                std::string_view name = trimmed(line.substr(1, close - 1));
                beforeAnySection = false;
                currentSection = name;
                inMain = inDuplicateMain = inMisnamedMain = false;
                std::string lowerName(name);
                for (char& c : lowerName) c = lowerAscii(c);
                auto same = sections.find(lowerName);
                if (same != sections.end()) {
                    add(lineNumber, CheckSeverity::Warning,
                        "duplicate section [%.*s] (first at line %d): Pelorin reads only the first one, so every key "
                        "below it is ignored",
                        VIEW(name), same->second);
                    inDuplicateMain = equalIgnoringCase(name, sectionName);
                } else {
                    sections.emplace(lowerName, lineNumber);
                    if (equalIgnoringCase(name, sectionName)) {
                        inMain = true;
                        sectionLine_ = lineNumber;
                    } else if (editDistance(name, sectionName) <= 3) {
                        inMisnamedMain = true;
                        add(lineNumber, CheckSeverity::Error,
                            "section [%.*s]: did you mean [Player_Respawn]? Pelorin reads none of the keys below it",
                            VIEW(name));
                    }
                }
                continue;
            }
            size_t equals = line.find('=');
            if (equals == std::string_view::npos) {
                add(lineNumber, CheckSeverity::Warning,
                    "no '=' on this line: it sets nothing (comments start with ';')");
                continue;
            }
            std::string_view key = trimmed(line.substr(0, equals));
            int known = knownKeyIndex(key);
            std::string_view number;
            int axis = 0;
            bool custom = customPointKey(key, &number, &axis);
            if (!inMain) {
                if ((known < 0 && !custom) || inMisnamedMain) continue;
                if (beforeAnySection)
                    add(lineNumber, CheckSeverity::Error,
                        "\"%.*s\" stands before any section: Pelorin reads it only under [Player_Respawn]", VIEW(key));
                else if (inDuplicateMain)
                    add(lineNumber, CheckSeverity::Error,
                        "\"%.*s\" is in a second [Player_Respawn] section: Pelorin does not read it", VIEW(key));
                else
                    add(lineNumber, CheckSeverity::Error,
                        "\"%.*s\" is in section [%.*s], not in the first [Player_Respawn]: Pelorin does not read it "
                        "here",
                        VIEW(key), VIEW(currentSection));
                continue;
            }
            if (known >= 0) {
                int& first = lines_.known[known];
                if (first != 0)
                    add(lineNumber, CheckSeverity::Warning, "duplicate key \"%.*s\": the first one (line %d) counts",
                        VIEW(key), first);
                else
                    first = lineNumber;
            } else if (custom) {
                if (number.size() > 1 && number.front() == '0') {
                    add(lineNumber, CheckSeverity::Warning,
                        "\"%.*s\" is never read: point numbers are written without leading zeros", VIEW(key));
                    continue;
                }
                if (number.size() > 8) continue;  // beyond the cap of points read
                int id = std::atoi(std::string(number).c_str()) * 3 + axis;
                auto inserted = lines_.customLines.emplace(id, lineNumber);
                if (!inserted.second)
                    add(lineNumber, CheckSeverity::Warning, "duplicate key \"%.*s\": the first one (line %d) counts",
                        VIEW(key), inserted.first->second);
            } else {
                // Suggestions cost some work per key: only for the first ones, and for keys of sensible length.
                std::string guess = ++unknownKeys <= 50 && key.size() <= 64 ? closestKnownKey(key) : std::string();
                if (!guess.empty())
                    add(lineNumber, CheckSeverity::Warning, "unknown key \"%.*s\", ignored: did you mean \"%s\"?",
                        VIEW(key), guess.c_str());
                else
                    add(lineNumber, CheckSeverity::Warning, "unknown key \"%.*s\", ignored%s", VIEW(key),
                        key.front() == '#' ? " (comments start with ';', not '#')" : "");
            }
        }
    }

    int customLine(int number, int axis) {
        auto found = lines_.customLines.find(number * 3 + axis);
        return found == lines_.customLines.end() ? 0 : found->second;
    }

    // Missing keys, and values that are no numbers or carry text the reader drops.
    void checkKnownKey(int index) {
        const KnownKey& k = knownKeys[index];
        std::string_view value;
        if (!findProfileValue(section_, k.name, &value)) {
            if (k.whenMissing != nullptr && sectionLine_ != 0)
                add(0, k.missingSeverity, "missing \"%s\": %s", k.name, k.whenMissing);
            return;
        }
        int line = lines_.known[index];
        bool isFloat = k.kind == KeyKind::Float;
        if (value.empty()) {
            add(line, CheckSeverity::Warning, "\"%s\" has no value: it reads as %s, as if missing", k.name,
                isFloat ? "0.0" : "-1");
            return;
        }
        char textValue[32];
        size_t length = std::min<size_t>(value.size(), sizeof textValue - 1);
        value.copy(textValue, length);
        textValue[length] = '\0';
        const char* end = textValue + (isFloat ? decimalLength(textValue) : integerLength(textValue));
        char reads[32];
        if (isFloat)
            std::snprintf(reads, sizeof reads, "%g", static_cast<double>(floatValue(k.name)));
        else
            std::snprintf(reads, sizeof reads, "%ld", static_cast<long>(intValue(k.name)));
        if (end == textValue)
            add(line, CheckSeverity::Error, "\"%s\" = \"%.*s\" is not a number: it reads as %s", k.name, VIEW(value),
                reads);
        else if (!trimmed(end).empty() || value.size() > length)
            add(line, CheckSeverity::Warning, "\"%s\" = \"%.*s\" reads as %s: the text after the number is ignored",
                k.name, VIEW(value), reads);
    }

    // The characters of a decimal number as atof takes them: sign, digits, a
    // fraction and an exponent.
    static size_t decimalLength(std::string_view s) {
        auto digitsFrom = [&](size_t i) {
            while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
            return i;
        };
        size_t i = s.size() > 0 && (s[0] == '-' || s[0] == '+') ? 1 : 0;
        size_t whole = digitsFrom(i);
        size_t end = whole;
        if (end < s.size() && s[end] == '.') end = digitsFrom(end + 1);
        if (end == i || (end == i + 1 && whole == i)) return 0;  // no digit at all
        if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
            size_t exponent = end + 1 < s.size() && (s[end + 1] == '-' || s[end + 1] == '+') ? end + 2 : end + 1;
            size_t exponentEnd = digitsFrom(exponent);
            if (exponentEnd > exponent) end = exponentEnd;
        }
        return end;
    }

    // The characters of a number as the integer reader takes them: sign, then
    // decimal digits or a 0x, 0o or 0b prefix with its digits.
    static size_t integerLength(std::string_view s) {
        size_t i = 0;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        size_t start = i;
        int base = 10;
        if (i + 1 < s.size() && s[i] == '0') {
            char p = lowerAscii(s[i + 1]);
            if (p == 'x') base = 16;
            if (p == 'o') base = 8;
            if (p == 'b') base = 2;
            if (base != 10) i += 2;
        }
        size_t digitsStart = i;
        while (i < s.size()) {
            char c = lowerAscii(s[i]);
            int d = c >= '0' && c <= '9' ? c - '0' : (c >= 'a' && c <= 'z' ? c - 'a' + 10 : 99);
            if (d >= base) break;
            ++i;
        }
        if (i == digitsStart) return base != 10 ? start + 1 : 0;  // "0x" alone reads the 0
        return i;
    }

    void checkChances() {
        int32_t chances[spawnModeCount];
        for (int m = 0; m < spawnModeCount; ++m) {
            const char* key = spawnModeChanceKeys[m];
            chances[m] = intValue(key);
            if (!present(key)) continue;
            if (chances[m] < 0)
                add(lineOf(key), CheckSeverity::Error,
                    "\"%s\" is negative (%ld): it takes rolls away from every later spawn mode", key,
                    static_cast<long>(chances[m]));
            else if (chances[m] > 100)
                add(lineOf(key), CheckSeverity::Warning, "\"%s\" is %ld, more than 100 percent", key,
                    static_cast<long>(chances[m]));
        }
        const char* closeKey = "on_close_point_player_spawn_chance";
        int32_t close = intValue(closeKey);
        result_.odds = spawnOddsOf(chances, close);
        if (present(closeKey) && (close < 0 || close > 100))
            add(lineOf(closeKey), CheckSeverity::Note, "\"%s\" is %ld: counts as %s", closeKey,
                static_cast<long>(close), close < 0 ? "0 (never close)" : "100 (always close)");

        double sum = 0;  // six 32-bit chances, exact in a double
        for (int32_t c : chances) sum += c;
        const SpawnOdds& odds = result_.odds;
        if (sum > 100) {
            char cut[256] = "";
            for (int m = 0; m < spawnModeCount; ++m) {
                if (chances[m] <= 0 || odds.rolls[m] >= std::min(chances[m], spawnRollCount)) continue;
                size_t used = std::strlen(cut);
                std::snprintf(cut + used, sizeof cut - used, "%s%s %ld%% -> %d of 99 rolls", used ? ", " : "",
                              spawnModeNames[m], static_cast<long>(chances[m]), odds.rolls[m]);
            }
            add(0, CheckSeverity::Warning,
                "the spawn chances add up to %.0f, past 100: the modes later in the order lose their share (%s)", sum,
                cut);
        }
        if (odds.fallBackRolls > 0)
            add(0, CheckSeverity::Note,
                "the spawn chances add up to %.0f: %d of 99 rolls fall back to the %s (with a sound)", sum,
                odds.fallBackRolls, spawnModeNames[odds.fallBackMode]);
        if (odds.rolls[5] + (odds.fallBackMode == 5 ? odds.fallBackRolls : 0) > 0 &&
            intValue("number_of_custom_spawn_points_in_use") <= 0)
            add(lineOf("custom_spawn_chance"), CheckSeverity::Error,
                "custom spawns are rolled but no custom point is in use: they land at the world origin (0, 0, 0)");
    }

    void checkWaits() {
        for (const WaitKey& w : waitKeys) {
            if (!present(w.name)) continue;
            int32_t ms = intValue(w.name);
            const char* unit = "";
            double amount = durationIn(ms, &unit);
            if (ms < -1)
                add(lineOf(w.name), CheckSeverity::Warning, "\"%s\" is negative: it counts as no wait", w.name);
            else if (ms >= 10 * minuteMs)
                add(lineOf(w.name), ms >= hourMs ? CheckSeverity::Error : CheckSeverity::Warning,
                    "\"%s\" is %ld ms, %.1f %s: %s", w.name, static_cast<long>(ms), amount, unit, w.effect);
        }
    }

    void outsideRange(const char* key, int32_t low, int32_t high, CheckSeverity severity, const char* effect) {
        if (!present(key)) return;
        int32_t v = intValue(key);
        if (v >= low && v <= high) return;
        add(lineOf(key), severity, "\"%s\" is %ld, not %ld to %ld: %s", key, static_cast<long>(v),
            static_cast<long>(low), static_cast<long>(high), effect);
    }

    void checkHeights(const char* minKey, const char* maxKey, const char* kind) {
        for (const char* key : {minKey, maxKey})
            if (present(key) && intValue(key) < 0)
                add(lineOf(key), CheckSeverity::Warning, "\"%s\" is negative: below the ground", key);
        if (!present(minKey) || !present(maxKey) || intValue(minKey) <= intValue(maxKey)) return;
        add(lineOf(minKey), CheckSeverity::Error,
            "\"%s\" (%ld) is above \"%s\" (%ld): %s are put at height 0.2, into the ground or the sea", minKey,
            static_cast<long>(intValue(minKey)), maxKey, static_cast<long>(intValue(maxKey)), kind);
    }

    void checkRanges() {
        outsideRange("land_vehicle_type", 1, 25, CheckSeverity::Warning,
                     "no vehicle list has that number, so only super cars are spawned");
        outsideRange("air_vehicle_type", 1, 10, CheckSeverity::Warning,
                     "no aircraft list has that number, so the default planes are spawned");
        outsideRange("get_all_weapons_upon_respawn", 0, 4, CheckSeverity::Warning, "no weapons are given or taken");
        outsideRange("get_full_armor_upon_respawn", 0, 3, CheckSeverity::Warning, "no armour is given");
        outsideRange("weapons_and_armor_settings_affecting_respawn_on_demand", 0, 3, CheckSeverity::Note,
                     "neither option applies to respawn on demand");
        outsideRange("player_ped_skin_upon_respawn", 1, 3, CheckSeverity::Note, "the skin is not changed");
        outsideRange("set_skin_component_variation", 0, 2, CheckSeverity::Note, "the clothing is left as it is");
        checkHeights("min_heli_spawn_height_over_ground", "max_heli_spawn_height_over_ground", "helicopters");
        checkHeights("min_plane_spawn_height_over_ground", "max_plane_spawn_height_over_ground", "aeroplanes");
        const char* distanceKey = "preferred_spawn_distance";
        if (present(distanceKey)) {
            int32_t d = intValue(distanceKey);
            if (d < -1)
                add(lineOf(distanceKey), CheckSeverity::Warning, "\"%s\" is negative: the distance counts as %.0f",
                    distanceKey, -static_cast<double>(d));
            else if (d > 3000)
                add(lineOf(distanceKey), CheckSeverity::Warning,
                    "\"%s\" is %ld: close respawns fall far away, many of them off the map", distanceKey,
                    static_cast<long>(d));
        }
        const char* slow = "slow_motion_at_wasted_and_busted_screens";
        if (present(slow)) {
            float s = floatValue(slow);
            double shown = static_cast<double>(s);
            if (s < 0.0f)
                add(lineOf(slow), CheckSeverity::Error, "\"%s\" is negative: not a game speed", slow);
            else if (shown < 0.1)
                add(lineOf(slow), CheckSeverity::Warning,
                    "\"%s\" is %g: the game (nearly) stands still; the respawn comes after 80 seconds", slow, shown);
            else if (s > 1.0f)
                add(lineOf(slow), CheckSeverity::Warning, "\"%s\" is %g: faster than normal, not slow motion", slow,
                    shown);
        }
    }

    // A key code the chords can use: 1 to 254.
    static bool isKeyCode(int32_t k) { return k >= 1 && k <= 254; }

    void checkChordKeys(const char* key1, const char* key2, const char* chord) {
        bool has1 = present(key1), has2 = present(key2);
        int32_t k1 = intValue(key1), k2 = intValue(key2);
        if (has1 && !isKeyCode(k1))
            add(lineOf(key1), CheckSeverity::Error, "\"%s\" is %ld, no key code (1 to 254): the %s never fires", key1,
                static_cast<long>(k1), chord);
        if (has2 && k2 != -1 && !isKeyCode(k2))
            add(lineOf(key2), CheckSeverity::Error,
                "\"%s\" is %ld, no key code (1 to 254, or -1 for the first key alone): the %s never fires", key2,
                static_cast<long>(k2), chord);
        if (has1 && has2 && k1 == k2 && isKeyCode(k1))
            add(lineOf(key2), CheckSeverity::Error, "the %s uses key %ld twice: it never fires", chord,
                static_cast<long>(k1));
    }

    void checkChords() {
        checkChordKeys("respawn_on_demand_key_1_of_2", "respawn_on_demand_key_2_of_2", "respawn-on-demand chord");
        const char* save1 = "save_spawn_point_key_1_of_2";
        const char* save2 = "save_spawn_point_key_2_of_2";
        if (present(save1) != present(save2))
            add(lineOf(present(save1) ? save1 : save2), CheckSeverity::Warning, "only one of \"%s\" and \"%s\" is set",
                save1, save2);
        checkChordKeys(save1, save2, "save-spawn-point chord");
        if (present(save1) && intValue(save1) == intValue("respawn_on_demand_key_1_of_2") &&
            intValue(save2) == intValue("respawn_on_demand_key_2_of_2"))
            add(lineOf(save1), CheckSeverity::Error, "the save-spawn-point chord is the respawn-on-demand chord");
        if (intValue("activate_controller") > 0)
            for (const char* key :
                 {"respawn_on_demand_controller_button_1_of_2", "respawn_on_demand_controller_button_2_of_2"})
                if (present(key) && intValue(key) < -1)
                    add(lineOf(key), CheckSeverity::Warning, "\"%s\" is negative: no controller button", key);
    }

    void checkCustomPoints() {
        const char* countKey = "number_of_custom_spawn_points_in_use";
        int32_t n = intValue(countKey);
        int countLine = lineOf(countKey);
        int highestDefined = lines_.customLines.empty() ? 0 : lines_.customLines.rbegin()->first / 3;
        if (n > customSpawnPointCap)
            add(countLine, CheckSeverity::Warning, "\"%s\" is %ld: only the first %ld points are read", countKey,
                static_cast<long>(n), static_cast<long>(customSpawnPointCap));
        int32_t read = std::min(n, customSpawnPointCap);
        char undefined[64] = "";
        int undefinedCount = 0;
        for (int k = 1; k <= read; ++k) {
            if (k > highestDefined) {
                // No key of any point from here on: all of them read as the origin.
                for (int j = k; j <= read; ++j) {
                    if (++undefinedCount > 5) {
                        undefinedCount += read - j;
                        break;
                    }
                    size_t used = std::strlen(undefined);
                    std::snprintf(undefined + used, sizeof undefined - used, "%s%d", used ? ", " : "", j);
                }
                break;
            }
            CheckedCustomPoint point{k, 0.0f, 0.0f, 0.0f, customLine(k, 0)};
            float* axes[3] = {&point.x, &point.y, &point.z};
            char missingAxes[96] = "";
            int anyLine = 0;
            for (int axis = 0; axis < 3; ++axis) {
                char key[40];
                std::snprintf(key, sizeof key, "custom_spawn_%d_%c", k, 'x' + axis);
                if (present(key)) {
                    *axes[axis] = floatValue(key);
                    if (anyLine == 0) anyLine = customLine(k, axis);
                } else {
                    size_t used = std::strlen(missingAxes);
                    std::snprintf(missingAxes + used, sizeof missingAxes - used, "%s%s", used ? ", " : "", key);
                }
            }
            if (point.line == 0) point.line = anyLine;
            if (anyLine != 0) result_.customPoints.push_back(point);
            if (anyLine == 0) {
                if (++undefinedCount <= 5) {
                    size_t used = std::strlen(undefined);
                    std::snprintf(undefined + used, sizeof undefined - used, "%s%d", used ? ", " : "", k);
                }
            } else if (missingAxes[0] != '\0') {
                add(anyLine, CheckSeverity::Warning, "custom point %d has no %s: it reads as 0", k, missingAxes);
            }
        }
        if (undefinedCount > 0)
            add(countLine, CheckSeverity::Warning,
                "\"%s\" is %ld but %d of these points are not defined (%s%s): a custom spawn picking one lands at the "
                "world origin (0, 0, 0)",
                countKey, static_cast<long>(n), undefinedCount, undefined, undefinedCount > 5 ? ", ..." : "");
        if (highestDefined > std::max(read, 0))
            add(countLine, CheckSeverity::Note,
                "custom points up to number %d are defined, but \"%s\" is %ld: the points above it are not used",
                highestDefined, countKey, static_cast<long>(n));
    }
};

#undef VIEW

// UTF-16 text with a byte-order mark (little or big endian) into UTF-8 with a
// UTF-8 mark; false for any other text. Unpaired surrogates become U+FFFD.
bool utf16AsUtf8(std::string_view text, std::string* utf8) {
    bool little = text.substr(0, 2) == "\xFF\xFE", big = text.substr(0, 2) == "\xFE\xFF";
    if (!little && !big) return false;
    auto unitAt = [&](size_t i) -> uint32_t {
        uint32_t a = static_cast<unsigned char>(text[i]), b = static_cast<unsigned char>(text[i + 1]);
        return little ? a | b << 8 : a << 8 | b;
    };
    *utf8 = "\xEF\xBB\xBF";
    for (size_t i = 2; i + 1 < text.size(); i += 2) {
        uint32_t c = unitAt(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < text.size() && unitAt(i + 2) >= 0xDC00 && unitAt(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            *utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            *utf8 += static_cast<char>(0xC0 | c >> 6);
            *utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *utf8 += static_cast<char>(0xE0 | c >> 12);
            *utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            *utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            *utf8 += static_cast<char>(0xF0 | c >> 18);
            *utf8 += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            *utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            *utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return true;
}

}  // namespace

SpawnOdds spawnOddsOf(const int32_t chances[spawnModeCount], int32_t closeChance) {
    SpawnOdds odds{};
    odds.closeChance = closeChance;
    // The fall-back: the first of the first five modes whose chance is not 0, else the list.
    odds.fallBackMode = 0;
    for (int m = 0; m < spawnModeCount - 1; ++m) {
        if (chances[m] != 0) {
            odds.fallBackMode = m;
            break;
        }
    }
    for (int32_t roll = 1; roll <= spawnRollCount; ++roll) {
        uint32_t threshold = 0;  // 32-bit sums that wrap, compared signed, as the roll compares them
        int mode = -1;
        for (int m = 0; m < spawnModeCount && mode < 0; ++m) {
            threshold += static_cast<uint32_t>(chances[m]);
            if (roll <= static_cast<int32_t>(threshold)) mode = m;
        }
        if (mode >= 0)
            ++odds.rolls[mode];
        else
            ++odds.fallBackRolls;
    }
    return odds;
}

SettingsCheck checkSettingsText(std::string_view text) {
    // A file saved as UTF-16 (with its byte-order mark) is checked as the same text in UTF-8.
    std::string utf8;
    if (utf16AsUtf8(text, &utf8)) return Checker(utf8).run();
    return Checker(text).run();
}

int checkExitStatus(const SettingsCheck& check) {
    int status = 0;
    for (const SettingsFinding& f : check.findings) {
        if (f.severity == CheckSeverity::Error) return 2;
        if (f.severity == CheckSeverity::Warning) status = 1;
    }
    return status;
}

const char* severityName(CheckSeverity severity) {
    switch (severity) {
        case CheckSeverity::Note:
            return "note";
        case CheckSeverity::Warning:
            return "warning";
        case CheckSeverity::Error:
            return "error";
    }
    return "note";
}
