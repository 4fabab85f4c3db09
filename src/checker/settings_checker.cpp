#include "checker/settings_checker.h"

#include <algorithm>

#include "checker/finding_report.h"
#include "checker/key_suggestion.h"
#include "settings/custom_spawn_key.h"
#include "settings/setting_limits.h"
#include "checker/settings_values_check.h"
#include "checker/value_reading.h"

namespace {

// Suggestions cost some work per key: only for the first unknown keys.
constexpr int suggestedKeys = 50;
// The longest unknown key a message shows in full.
constexpr size_t shownKey = 80;

// A view's length and text for "%.*s".
#define VIEW(v) static_cast<int>((v).size()), (v).data()

// The first half of the check: every line as the reader walks it, for what
// only the lines tell (sections, unknown and duplicate keys, keys where the
// plug-in does not read them, the lines of the custom points).
class LineCheck final : public ProfileLineVisitor {
public:
    LineCheck(CheckState& state, FindingReport& report) : state_(state), report_(report) {}

    // A fresh check.
    static void reset(CheckState* state) {
        state->customKeys.clear();
        state->sectionLine = 0;
        std::fill(std::begin(state->knownLines), std::end(state->knownLines), 0);
        std::fill(std::begin(state->misspeltLines), std::end(state->misspeltLines), 0);
        state->highestDefined = 0;
        state->aboveSections = CheckState::StrayKeys{};
        state->underHeader = CheckState::StrayKeys{};
        state->beforeAnySection = true;
        state->inMisnamedMain = state->misnamedMainSeen = false;
        state->unknownKeys = 0;
    }

    void visit(const ProfileLine& line) override {
        if (line.text.front() == ';') return;
        if (line.header) {
            sectionHeader(line);
            return;
        }
        if (line.text.front() == '[') {
            report_.add(line.number, CheckSeverity::Warning, FindingKind::Other,
                        "this line has no closing ']': Pelorin takes it for a setting, not a section. Close it "
                        "with ']'.");
            return;
        }
        keyLine(line);
    }

    // What the walk keeps until its end: the keys where they are not read, or no section at all.
    void finish() {
        tellStray(state_.underHeader);
        tellStray(state_.aboveSections);
        if (state_.sectionLine == 0 && state_.aboveSections.count == 0 && !state_.misnamedMainSeen)
            report_.add(0, CheckSeverity::Error, FindingKind::Other,
                        "there is no line [Player_Respawn]: Pelorin reads no setting, and every one reads as if "
                        "left out. Put [Player_Respawn] as the first line, above the settings.");
    }

private:
    CheckState& state_;
    FindingReport& report_;

    void sectionHeader(const ProfileLine& line) {
        tellStray(state_.underHeader);
        std::string_view name = line.name;
        state_.beforeAnySection = false;
        state_.inMisnamedMain = false;
        state_.underHeader = CheckState::StrayKeys{line.number, name, false, 0, {}, 0};
        if (line.sectionHeader) {
            state_.sectionLine = line.number;
            state_.underHeader = CheckState::StrayKeys{};
        } else if (equalIgnoringCase(name, settingsSectionName)) {
            state_.underHeader.secondMain = true;
        } else if (editDistance(name, settingsSectionName, 3) <= 3) {
            state_.inMisnamedMain = state_.misnamedMainSeen = true;
            report_.add(line.number, CheckSeverity::Error, FindingKind::Other,
                        "[%.*s] is no section of Pelorin's: it reads none of the settings below it. Did you mean "
                        "[Player_Respawn]?",
                        VIEW(name));
        }
    }

    // A key of the table or a custom point key where the plug-in does not read it.
    void strayKey(int line, std::string_view key) {
        CheckState::StrayKeys& stray = state_.beforeAnySection ? state_.aboveSections : state_.underHeader;
        if (stray.count++ == 0) {
            stray.firstLine = line;
            stray.firstKey = key;
        }
    }

    void tellStray(const CheckState::StrayKeys& stray) {
        const CheckSeverity error = CheckSeverity::Error;
        const FindingKind notRead = FindingKind::KeyNotRead;
        if (stray.secondMain) {
            if (stray.count == 0)
                report_.add(stray.headerLine, CheckSeverity::Warning, FindingKind::Other,
                            "[Player_Respawn] again (first at line %d): Pelorin reads only the first. Delete this "
                            "line.",
                            state_.sectionLine);
            else if (stray.count == 1)
                report_.add(stray.headerLine, error, FindingKind::Other,
                            "[Player_Respawn] again (first at line %d): Pelorin reads only the first, so %.*s below "
                            "this line is not read. Move it up into the first and delete this line.",
                            state_.sectionLine, VIEW(stray.firstKey));
            else
                report_.add(stray.headerLine, error, FindingKind::Other,
                            "[Player_Respawn] again (first at line %d): Pelorin reads only the first, so the %d "
                            "settings below this line are not read. Move them up into the first and delete this line.",
                            state_.sectionLine, stray.count);
            return;
        }
        if (stray.count == 0) return;
        if (stray.headerLine != 0) {
            if (stray.count == 1)
                report_.add(stray.firstLine, error, notRead,
                            "%.*s is under [%.*s] (line %d), where Pelorin does not read it: it reads its settings "
                            "only under [Player_Respawn]. Move it there.",
                            VIEW(stray.firstKey), VIEW(stray.section), stray.headerLine);
            else
                report_.add(stray.firstLine, error, notRead,
                            "%d settings are under [%.*s] (line %d), from %.*s on, where Pelorin does not read them: "
                            "it reads its settings only under [Player_Respawn]. Move them there.",
                            stray.count, VIEW(stray.section), stray.headerLine, VIEW(stray.firstKey));
        } else if (state_.sectionLine == 0) {
            report_.add(stray.firstLine, error, notRead,
                        "the line [Player_Respawn] is missing above your settings: Pelorin reads none of them, and "
                        "every setting reads as if left out. Put [Player_Respawn] back as the first line.");
        } else if (stray.count == 1) {
            report_.add(stray.firstLine, error, notRead,
                        "%.*s stands above [Player_Respawn] (line %d), where Pelorin does not read it. Move it "
                        "below that line.",
                        VIEW(stray.firstKey), state_.sectionLine);
        } else {
            report_.add(stray.firstLine, error, notRead,
                        "%d settings stand above [Player_Respawn] (line %d), from %.*s on, where Pelorin does not "
                        "read them. Move them below that line.",
                        stray.count, state_.sectionLine, VIEW(stray.firstKey));
        }
    }

    void keyLine(const ProfileLine& line) {
        std::string_view key = line.name;
        CustomSpawnKeyParts point{};
        bool hasValue = line.value.data() != nullptr;
        if (!key.empty() && key.front() == '#') {
            if (line.inSection)
                report_.add(line.number, CheckSeverity::Note, FindingKind::KeyNotRead,
                            "this line starts with '#': Pelorin ignores it, as a comment (comments start with ';').");
            return;
        }
        if (!line.inSection && !hasValue) {
            report_.add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "this line has no '=', so it sets nothing. Start comments with ';'.");
            return;
        }
        if (key.empty()) {
            report_.add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "this line has nothing before its '=', so it sets nothing.");
            return;
        }
        bool custom = splitCustomSpawnKey(key, &point);
        int known = custom ? -1 : settingKeyIndex(key);
        if (!line.inSection) {
            if ((known >= 0 || custom) && !state_.inMisnamedMain) strayKey(line.number, key);
            return;
        }
        // The first occurrence of a key is the one read, even one without '=', which reads as missing.
        if (!hasValue)
            report_.add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "this line has no '=', so it sets nothing. Start comments with ';'.");
        if (known >= 0) {
            int& first = state_.knownLines[known];
            if (first == 0)
                first = line.number;
            else if (hasValue)
                sameKeyAgain(line.number, key, first);
        } else if (custom) {
            customPointLine(line, key, point, hasValue);
        } else if (hasValue && !wholePointOnOneKey(line.number, key, line.value)) {
            unknownKey(line.number, key);
        }
    }

    void sameKeyAgain(int line, std::string_view key, int first) {
        report_.add(line, CheckSeverity::Warning, FindingKind::KeyNotRead,
                    "%.*s is set again (first at line %d): Pelorin uses only the first. Delete one of them.",
                    VIEW(key), first);
    }

    // "custom_spawn_1=-1034.6, -2732.5, 13.8": a point written on one key of
    // its own name, which the plug-in never reads; told with his numbers, and
    // with the keys as the reader reads them ("custom_spawn_05" is point 5,
    // whose keys take no leading zero).
    bool wholePointOnOneKey(int line, std::string_view key, std::string_view value) {
        constexpr std::string_view prefix = "custom_spawn_";
        if (key.size() <= prefix.size() || !equalIgnoringCase(key.substr(0, prefix.size()), prefix)) return false;
        std::string_view digits = key.substr(prefix.size());
        if (digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
        int32_t point = 0;
        for (char digit : digits) point = point * 10 + (digit - '0');
        if (point < 1 || point > customSpawnPointCap) {
            report_.add(line, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "Pelorin knows no setting %.*s and ignores this line: a custom point takes three keys, "
                        "custom_spawn_<n>_x, custom_spawn_<n>_y and custom_spawn_<n>_z, one number each, for a "
                        "point n from 1 to %ld.",
                        VIEW(key), static_cast<long>(customSpawnPointCap));
            return true;
        }
        char keys[3][customSpawnKeySize];
        for (int axis = 0; axis < 3; ++axis) formatCustomSpawnKey(point, axis, keys[axis], sizeof keys[axis]);
        // Up to three numbers in the value, whatever stands between them.
        std::string_view numbers[3];
        int found = 0;
        size_t at = 0;
        while (found < 3 && (at = value.find_first_of("-0123456789", at)) != std::string_view::npos) {
            size_t end = value.find_first_not_of("-.0123456789", at);
            if (end == std::string_view::npos) end = value.size();
            numbers[found++] = value.substr(at, end - at);
            at = end;
        }
        if (found == 3)
            report_.add(line, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "Pelorin knows no setting %.*s and ignores this line: a custom point takes three keys, one "
                        "number each: %s=%.*s, %s=%.*s and %s=%.*s.",
                        VIEW(key), keys[0], VIEW(numbers[0]), keys[1], VIEW(numbers[1]), keys[2], VIEW(numbers[2]));
        else
            report_.add(line, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "Pelorin knows no setting %.*s and ignores this line: a custom point takes three keys, "
                        "%s, %s and %s, one number each.",
                        VIEW(key), keys[0], keys[1], keys[2]);
        return true;
    }

    void unknownKey(int line, std::string_view key) {
        // A suggestion only where the text is wanted (the plug-in's log wants only its first findings').
        char guess[longestSuggestedKey + 24];
        if (++state_.unknownKeys <= suggestedKeys && key.size() <= longestSuggestedKey &&
            report_.wantsMessage(line, CheckSeverity::Warning) && closestKnownKey(key, guess, sizeof guess)) {
            report_.add(line, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "Pelorin knows no setting %.*s and ignores this line. Did you mean %s?", VIEW(key), guess);
            int meant = settingKeyIndex(guess);
            if (meant >= 0 && state_.misspeltLines[meant] == 0) {
                state_.misspeltLines[meant] = line;
                state_.misspeltKeys[meant] = key;
            }
        } else {
            report_.add(line, CheckSeverity::Warning, FindingKind::KeyNotRead,
                        "Pelorin knows no setting %.*s%s and ignores this line.",
                        static_cast<int>(std::min(key.size(), shownKey)), key.data(), key.size() > shownKey ? "..." : "");
        }
    }

    void customPointLine(const ProfileLine& line, std::string_view key, const CustomSpawnKeyParts& parts,
                         bool hasValue) {
        const std::string_view number = parts.digits;
        const int axis = parts.axis;
        if (parts.leadingZero) {
            std::string_view plain = number.substr(std::min(number.find_first_not_of('0'), number.size() - 1));
            if (hasValue)
                report_.add(line.number, CheckSeverity::Warning, FindingKind::KeyNotRead,
                            "%.*s is never read: write point numbers without leading zeros, as custom_spawn_%.*s_%c.",
                            VIEW(key), VIEW(plain), 'x' + axis);
            return;
        }
        if (number.size() > 8) return;  // far beyond the cap of points read
        int point = 0;
        for (char digit : number) point = point * 10 + (digit - '0');
        state_.highestDefined = std::max(state_.highestDefined, point);
        if (point < 1 || point > customSpawnPointCap) return;  // never read
        std::vector<CheckState::CustomKey>& keys = state_.customKeys;
        size_t slot = static_cast<size_t>(point - 1) * 3 + static_cast<size_t>(axis);
        // Within the room made at the start, the table grows without a copy, a point at a time.
        if (slot >= keys.size()) keys.resize(slot + 1, CheckState::CustomKey{});
        CheckState::CustomKey& held = keys[slot];
        if (held.line != 0) {
            if (hasValue) sameKeyAgain(line.number, key, held.line);
            return;
        }
        held = CheckState::CustomKey{line.number, 0.0f, hasValue, false, false};
        if (!hasValue) return;
        std::string_view value = withoutQuotes(line.value);
        ValueReading reading = readSettingValue(value, true, 0.0);
        held.value = static_cast<float>(reading.number);
        held.misread = reading.kind != ReadingKind::Plain;
        if (!held.misread) return;
        held.wholePoint = axis == 0 && holdsThreeNumbers(value);
        report_.compose(line.number, severityOfReading(reading.kind), FindingKind::Other, -1, [&](MessageText& text) {
            appendValueHead(&text, key, value, reading);
            text.append(".");
            appendCoordinateFix(&text, key, value, reading);
        });
    }
};

#undef VIEW

}  // namespace

void SettingsCheckRun::start(std::string_view file, ProfileSection* section, FindingSink* sink,
                             std::vector<CheckedCustomPoint>* points) {
    LineCheck::reset(&state_);
    // Room for every point a file of this size can hold (a point's line takes
    // 16 bytes or more), so that the table never grows by a copy of itself in
    // one step; its pages are touched only as points fill it.
    state_.customKeys.reserve(std::min<size_t>(3 * customSpawnPointCap, file.size() / 16));
    parse_.start(file, settingsSectionName, section);
    section_ = section;
    sink_ = sink;
    points_ = points;
    walked_ = false;
}

bool SettingsCheckRun::advance(size_t budget) {
    FindingReport report(*sink_);
    if (!walked_) {
        LineCheck lines(state_, report);
        if (!parse_.advance(budget, &lines)) return false;
        lines.finish();
        walked_ = true;
        return false;
    }
    odds_ = checkSectionValues(*section_, state_, report, points_);
    walked_ = false;
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
