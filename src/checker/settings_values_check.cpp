#include "checker/settings_values_check.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>

#include "settings/custom_points_reach.h"
#include "settings/custom_spawn_key.h"
#include "settings/key_names.h"
#include "settings/settings_record.h"
#include "settings/setting_limits.h"
#include "checker/value_reading.h"
#include "shared/map_bounds.h"

namespace {

// A wait of a key whose values are milliseconds, told in words from this long on.
constexpr double minuteMs = 60 * 1000;

// Passed as a value finding's fix: the fix of the key's unit, even for a plain reading.
constexpr const char* unitFix = "";

// "5.5 seconds", "1 minute", "1.5 hours".
void durationText(double ms, char* out, size_t size) {
    const char* unit = ms >= 60 * minuteMs ? "hour" : ms >= minuteMs ? "minute" : "second";
    double amount = std::round(ms / (ms >= 60 * minuteMs ? 60 * minuteMs : ms >= minuteMs ? minuteMs : 1000) * 10) / 10;
    std::snprintf(out, size, "%g %s%s", amount, unit, amount == 1 ? "" : "s");
}

PointDoubt doubtOf(float x, float y, float z) {
    if (!insideMapBounds(x, y, z)) return PointDoubt::OffMap;
    if (std::fabs(x) < 1.0f && std::fabs(y) < 1.0f) return PointDoubt::AtOrigin;
    return PointDoubt::None;
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

class ValuesCheck {
public:
    ValuesCheck(const ProfileSection& section, const CheckState& state, FindingReport& report)
        : section_(section), state_(state), report_(report) {}

    SpawnOdds run(std::vector<CheckedCustomPoint>* points) {
        for (int m = 0; m < spawnModeCount; ++m) chances_.of[m] = intValue(spawnModes[m].chance);
        for (int i = 0; i < settingKeyCount; ++i) readKey(i);
        checkChances();
        for (int i = 0; i < settingKeyCount; ++i) {
            const SettingKey& key = settingKeys[i];
            SettingId id = static_cast<SettingId>(i);
            if (id == SettingId::number_of_custom_spawn_points_in_use) continue;  // with the custom points
            if (key.outside == OutsideRange::Held || key.outside == OutsideRange::BuiltInBelowZero) checkHeld(id);
            if (key.unit == SettingUnit::Choice) checkChoice(id);
            if (key.unit == SettingUnit::Switch) checkSwitch(id);
        }
        checkBand(helicopterHeights);
        checkBand(aeroplaneHeights);
        checkSlowMotion();
        checkDistance();
        checkChords();
        int pointsInUse = checkCustomPoints(points);
        SpawnOdds odds = spawnOddsOf(chances_, intValue(SettingId::on_close_point_player_spawn_chance));
        char advice[160] = "";
        bool neverPicked = pointsInUse > 0 && customPointsNeverPicked(chances_, advice, sizeof advice);
        if (state_.sectionLine != 0) checkSums(chances_, odds, neverPicked);
        if (neverPicked)
            report_.add(lineOf(SettingId::custom_spawn_chance), CheckSeverity::Warning, FindingKind::Other,
                        "your custom points are never picked. %s", advice);
        for (int i = 0; i < settingKeyCount; ++i)
            if (!told_[i] && readings_[i].kind != ReadingKind::Plain && present_[i])
                valueFinding(static_cast<SettingId>(i), CheckSeverity::Note, nullptr, nullptr);
        return odds;
    }

private:
    const ProfileSection& section_;
    const CheckState& state_;
    FindingReport& report_;
    bool present_[settingKeyCount] = {};
    std::string_view values_[settingKeyCount];
    ValueReading readings_[settingKeyCount] = {};
    bool told_[settingKeyCount] = {};  // a value finding has told how the key reads
    SpawnChances chances_{};            // the six chances as read

    const char* name(SettingId id) const { return settingKey(id).name; }
    int lineOf(SettingId id) const { return state_.knownLines[static_cast<int>(id)]; }
    bool present(SettingId id) const { return present_[static_cast<int>(id)]; }
    // In the file with a value: what the value checks look at (an empty value reads as missing).
    bool hasNumber(SettingId id) const {
        return present(id) && readings_[static_cast<int>(id)].kind != ReadingKind::NoValue;
    }
    int32_t intValue(SettingId id) const {
        return static_cast<int32_t>(
            profileInt(section_, name(id), static_cast<uint32_t>(static_cast<int32_t>(settingKey(id).missing))));
    }
    double number(SettingId id) const {
        return present(id) ? readings_[static_cast<int>(id)].number : settingKey(id).missing;
    }

    // " and uses 0": the value the plug-in uses, when it is not the one read.
    static void appendInUse(MessageText& text, SettingId id, double read) {
        double used = settingInUse(id, read);
        if (used != read) text.append(" and uses %g", used);
    }

    // The mode whose chance the key is; spawnModeCount for another key.
    static int modeOf(SettingId id) {
        int mode = 0;
        while (mode < spawnModeCount && spawnModes[mode].chance != id) ++mode;
        return mode;
    }

    // How many rolls each mode gets with a spawn chance at -1 more than with a share of 0.
    void changeOfMissingChance(int mode, int change[spawnModeCount]) const {
        SpawnChances none = chances_;
        none.of[mode] = 0;
        SpawnOdds read = spawnOddsOf(chances_, 0), zero = spawnOddsOf(none, 0);
        for (int m = 0; m < spawnModeCount; ++m) change[m] = rollsOf(read, m) - rollsOf(zero, m);
    }

    // A missing key is worth a warning unless it is a spawn chance whose -1 changes no odds.
    CheckSeverity missingSeverity(SettingId id) const {
        int mode = modeOf(id), change[spawnModeCount] = {};
        if (mode == spawnModeCount) return settingKeyCheck(id).missingSeverity;
        changeOfMissingChance(mode, change);
        for (int c : change)
            if (c != 0) return CheckSeverity::Warning;
        return CheckSeverity::Note;
    }

    // For a spawn chance read as -1: how the odds differ from those of a share of 0.
    void appendChanceEffect(MessageText& text, SettingId id) const {
        int mode = modeOf(id), change[spawnModeCount] = {};
        if (mode == spawnModeCount) return;
        changeOfMissingChance(mode, change);
        bool any = false;
        for (int m = 0; m < spawnModeCount; ++m) {
            if (change[m] == 0) continue;
            text.append("%s the %s %d roll%s %s", any ? "," : ", which unlike 0 gives", spawnModes[m].name,
                        std::abs(change[m]), std::abs(change[m]) == 1 ? "" : "s", change[m] > 0 ? "more" : "fewer");
            any = true;
        }
        if (!any) text.append(", which does the same as 0");
    }

    // A mode's rolls, the fall-back's included.
    static int rollsOf(const SpawnOdds& odds, int mode) {
        return odds.rolls[mode] + (odds.fallBackMode == mode ? odds.fallBackRolls : 0);
    }

    // A missing key, or one without a value, with what the value it reads as does.
    void readKey(int index) {
        const SettingKey& key = settingKeys[index];
        const SettingKeyCheck& texts = settingKeyChecks[index];
        const SettingId id = static_cast<SettingId>(index);
        std::string_view value;
        if (!findProfileValue(section_, key.name, &value)) {
            if (texts.missingEffect == nullptr || state_.sectionLine == 0) return;
            // Told at the line of a slip that meant it ("custom_spawn_chanse"), where the fix is.
            const int slip = state_.misspeltLines[index];
            report_.compose(slip, missingSeverity(id), FindingKind::KeyMissing, index, [&](MessageText& text) {
                text.append("%s is missing, so Pelorin reads it as %g", key.name, key.missing);
                appendInUse(text, id, key.missing);
                text.append(": %s", texts.missingEffect);
                appendChanceEffect(text, id);
                if (slip != 0)
                    text.append(". Write %s instead of %.*s on this line.", key.name,
                                static_cast<int>(state_.misspeltKeys[index].size()), state_.misspeltKeys[index].data());
                else
                    text.append(". Add the line %s=%g (as shipped).", key.name, key.builtIn);
            });
            return;
        }
        present_[index] = true;
        values_[index] = value;
        readings_[index] = readSettingValue(value, key.kind == SettingKind::Float, key.missing);
        if (readings_[index].kind != ReadingKind::NoValue) return;
        told_[index] = true;
        report_.compose(state_.knownLines[index], CheckSeverity::Warning, FindingKind::Other, -1,
                        [&](MessageText& text) {
                            appendValueHead(&text, key.name, value, readings_[index]);
                            appendInUse(text, id, key.missing);
                            if (texts.missingEffect != nullptr) text.append(": %s", texts.missingEffect);
                            appendChanceEffect(text, id);
                            text.append(". Write %s=%g (as shipped).", key.name, key.builtIn);
                        });
    }

    // A finding on a key's value: the value, how it reads when that is not
    // plain, what the plug-in does with it (consequence, when given), and the
    // fix: the given one, the unit's for unitFix, else the unit's for a misread value.
    void valueFinding(SettingId id, CheckSeverity severity, const char* fix, const char* consequence) {
        const int index = static_cast<int>(id);
        const ValueReading& reading = readings_[index];
        told_[index] = true;
        severity = std::max(severity, severityOfReading(reading.kind));
        report_.compose(lineOf(id), severity, FindingKind::Other, -1, [&](MessageText& text) {
            const SettingKey& key = settingKey(id);
            appendValueHead(&text, key.name, values_[index], reading);
            if (consequence != nullptr) text.append(": %s", consequence);
            text.append(".");
            if (fix != nullptr && fix != unitFix)
                text.append(" %s", fix);
            else if (fix == unitFix || reading.kind != ReadingKind::Plain)
                appendKeyFix(&text, key, values_[index], reading);
        });
    }

    void checkChances() {
        char consequence[160];
        for (int m = 0; m < spawnModeCount; ++m) {
            SettingId id = spawnModes[m].chance;
            if (!hasNumber(id)) continue;
            if (chances_.of[m] < 0) {
                std::snprintf(consequence, sizeof consequence,
                              "a negative share takes %.0f rolls from the shares after it",
                              -static_cast<double>(chances_.of[m]));
                valueFinding(id, CheckSeverity::Error, "Write 0 for none.", consequence);
            } else if (chances_.of[m] > 100) {
                valueFinding(id, CheckSeverity::Warning, nullptr,
                             "more than 100 percent takes every roll the shares before it leave, as 100 does");
            }
        }
        const SettingId close = SettingId::on_close_point_player_spawn_chance;
        int32_t closeChance = intValue(close);
        if (hasNumber(close) && closeChance < 0)
            valueFinding(close, CheckSeverity::Note, nullptr,
                         "Pelorin counts it as 0: no respawn is placed near the place of death");
        else if (hasNumber(close) && closeChance > 100)
            valueFinding(close, CheckSeverity::Note, nullptr,
                         "Pelorin counts it as 100: every list, road, air and map respawn is placed near the place "
                         "of death");
    }

    void checkSums(const SpawnChances& chances, const SpawnOdds& odds, bool customNeverPicked) {
        double sum = 0;  // six 32-bit chances, exact in a double
        for (int32_t c : chances.of) sum += c;
        const int custom = static_cast<int>(SpawnMode::CustomPoint);
        if (sum > 100) {
            // The modes whose share reaches past 100, and so loses rolls (the last share of 100 in
            // all loses one to the roll's end at 99 too); the custom one has a finding of its own
            // when it is never picked.
            char cut[320] = "";
            double reach = 0;
            for (int m = 0; m < spawnModeCount; ++m) {
                int32_t chance = chances.of[m];
                reach += chance;
                if (chance <= 0 || reach <= 100 || odds.rolls[m] >= std::min(chance, spawnRollCount)) continue;
                if (m == custom && customNeverPicked) continue;
                size_t used = std::strlen(cut);
                std::snprintf(cut + used, sizeof cut - used, "%s%s %d of 99 rolls for %ld percent", used ? ", " : "",
                              spawnModes[m].name, odds.rolls[m], static_cast<long>(chance));
            }
            if (cut[0] != '\0')
                report_.add(0, CheckSeverity::Warning, FindingKind::Other,
                            "the spawn chances add up to %.0f, more than 100, so the shares late in the order get "
                            "fewer rolls: %s. Lower them so that they add up to 100.",
                            sum, cut);
        }
        if (odds.fallBackRolls > 0) {
            // Why the sum is not what he wrote: chances missing from the file count as -1.
            char why[320] = "";
            int missing = 0;
            for (int m = 0; m < spawnModeCount; ++m) {
                size_t used = std::strlen(why);
                if (!present(spawnModes[m].chance))
                    std::snprintf(why + used, sizeof why - used, "%s%s", ++missing > 1 ? ", " : " (",
                                  name(spawnModes[m].chance));
            }
            if (missing > 0)
                std::strncat(why, missing == 1 ? " is missing and counts as -1)" : " are missing and count as -1 each)",
                             sizeof why - std::strlen(why) - 1);
            report_.add(0, CheckSeverity::Note, FindingKind::Other,
                        "the spawn chances add up to %.0f%s, so %d of 99 respawns fall back to the %s (with a sound). "
                        "Raise them so that they add up to 100.",
                        sum, why, odds.fallBackRolls, spawnModes[odds.fallBackMode].name);
        }
        const SettingId customChance = SettingId::custom_spawn_chance;
        const SettingId count = SettingId::number_of_custom_spawn_points_in_use;
        if (odds.rolls[custom] > 0 && intValue(count) <= 0) {
            char consequence[200];
            std::snprintf(consequence, sizeof consequence,
                          "%d of 99 respawns go to custom points, but %s is %ld, so they bring you to the map's "
                          "origin (0, 0)",
                          odds.rolls[custom], name(count), static_cast<long>(intValue(count)));
            valueFinding(customChance, CheckSeverity::Error, "Save points in the game first, or write custom_spawn_chance=0.",
                         consequence);
        }
    }

    // A value held to its range, or a negative one that takes the built-in value.
    void checkHeld(SettingId id) {
        if (!hasNumber(id)) return;
        const SettingKey& key = settingKey(id);
        double read = number(id), used = settingInUse(id, read);
        if (used == read) return;
        char consequence[240];
        if (key.outside == OutsideRange::BuiltInBelowZero && read < 0) {
            std::snprintf(consequence, sizeof consequence, "a negative value, so Pelorin uses %g instead, as shipped",
                          used);
        } else if (read < key.low) {
            // The low end does what a missing key does when the missing value is held to it too.
            const char* atLowest = settingKeyCheck(id).missingEffect;
            bool asMissing = atLowest != nullptr && settingInUse(id, key.missing) == used;
            std::snprintf(consequence, sizeof consequence, "Pelorin holds it to %g, its lowest%s%s", used,
                          asMissing ? ", so " : "", asMissing ? atLowest : "");
        } else if (key.unit == SettingUnit::Milliseconds) {
            char asRead[24], asUsed[24];
            durationText(read, asRead, sizeof asRead);
            durationText(used, asUsed, sizeof asUsed);
            std::snprintf(consequence, sizeof consequence, "that is %s, and Pelorin holds it to %g, %s, its longest",
                          asRead, used, asUsed);
        } else {
            std::snprintf(consequence, sizeof consequence, "Pelorin holds it to %g, its highest", used);
        }
        valueFinding(id, CheckSeverity::Warning, nullptr, consequence);
    }

    // An aircraft's lowest height above its highest, as the plug-in uses them: swapped.
    void checkBand(const HeightKeys& keys) {
        int32_t low = intValue(keys.minimum), high = intValue(keys.maximum);
        double lowUsed = settingInUse(keys.minimum, low), highUsed = settingInUse(keys.maximum, high);
        if (lowUsed <= highUsed) return;
        HeightBand band = aircraftHeightBand(keys, low, high);
        report_.add(present(keys.minimum) ? lineOf(keys.minimum) : lineOf(keys.maximum), CheckSeverity::Note,
                    FindingKind::Other,
                    "%s (%g) is above %s (%g): Pelorin swaps them, so %s come in %ld to %ld above the ground.",
                    name(keys.minimum), lowUsed, name(keys.maximum), highUsed, keys.aircraft,
                    static_cast<long>(band.minimum), static_cast<long>(band.maximum));
    }

    void checkSlowMotion() {
        const SettingId id = SettingId::slow_motion_at_wasted_and_busted_screens;
        if (!hasNumber(id)) return;
        float speed = static_cast<float>(number(id));
        float used = wastedScreenTimeScale(speed);
        char consequence[200];
        const char* standsStill = "the game nearly stands still on the wasted screen, and the respawn may wait up "
                                  "to " SETTINGS_NUMBER_TEXT(LONGEST_DEATH_SCREEN_WAIT_SECONDS) " seconds";
        if (speed == 0.0f) {
            valueFinding(id, CheckSeverity::Note, nullptr, settingKeyCheck(id).missingEffect);
        } else if (used == 1.0f && speed != 1.0f) {
            // The respawn's longest wait still follows the value written (death_handler.cpp).
            std::snprintf(consequence, sizeof consequence, "%s, so Pelorin uses normal speed (1.0)%s",
                          speed < 0.0f ? "a negative speed" : "more than 1.0 would be faster than normal",
                          speed < 0.0f ? ", and the respawn may wait up to " SETTINGS_NUMBER_TEXT(
                                                 LONGEST_DEATH_SCREEN_WAIT_SECONDS) " seconds"
                                           : "");
            valueFinding(id, CheckSeverity::Warning, unitFix, consequence);
        } else if (used != speed) {
            std::snprintf(consequence, sizeof consequence, "Pelorin holds it to %g, the slowest it uses: %s",
                          static_cast<double>(used), standsStill);
            valueFinding(id, CheckSeverity::Warning, nullptr, consequence);
        } else if (speed < 0.1f) {
            valueFinding(id, CheckSeverity::Warning, nullptr, standsStill);
        }
    }

    void checkChoice(SettingId id) {
        const SettingKey& key = settingKey(id);
        double value = number(id);
        if (hasNumber(id) && (value < key.low || value > key.high))
            valueFinding(id, settingKeyCheck(id).valueSeverity, unitFix, settingKeyCheck(id).valueEffect);
    }

    // A switch written other than as a number: what the number it reads as does.
    void checkSwitch(SettingId id) {
        const SettingKey& key = settingKey(id);
        if (!hasNumber(id) || readings_[static_cast<int>(id)].kind == ReadingKind::Plain) return;
        int32_t value = intValue(id);
        bool on = key.kind == SettingKind::Flag ? value > 0 : value != 0;
        const SettingKeyCheck& texts = settingKeyCheck(id);
        valueFinding(id, CheckSeverity::Note, nullptr, on ? texts.missingEffect : texts.valueEffect);
    }

    void checkDistance() {
        const SettingId id = SettingId::preferred_spawn_distance;
        if (!hasNumber(id)) return;
        int32_t distance = intValue(id);
        char consequence[200];
        if (distance < -1) {
            std::snprintf(consequence, sizeof consequence,
                          "a negative distance counts without its sign: close respawns lie about %.0f from the place "
                          "of death",
                          -static_cast<double>(distance));
            valueFinding(id, CheckSeverity::Warning, nullptr, consequence);
        } else if (distance > highestOf(id)) {
            std::snprintf(consequence, sizeof consequence,
                          "close respawns land that far from the place of death, many of them off the map. Write at "
                          "most %ld",
                          static_cast<long>(highestOf(id)));
            valueFinding(id, CheckSeverity::Warning, nullptr, consequence);
        }
    }

    // A key code the chords can use.
    static bool isKeyCode(int32_t code) {
        const SettingId id = SettingId::respawn_on_demand_key_1_of_2;
        return code >= lowestOf(id) && code <= highestOf(id);
    }

    // A keyboard chord: hold key 1, release key 2 (-1: key 1 alone). 0 as a
    // key, and -1 as the first key, turns a chord that came later off.
    struct KeyChord {
        SettingId key1, key2;
        const char* what;  // "respawn on demand"
        bool off;
        int32_t code1, code2;
        bool single() const { return !off && code2 == -1; }
        bool has(int32_t code) const { return !off && (code == code1 || (code2 != -1 && code == code2)); }
    };

    KeyChord chordOf(SettingId key1, SettingId key2, const char* what) const {
        int32_t code1 = intValue(key1), code2 = intValue(key2);
        bool later = takesShippedValueWhenMissing(settingKey(key1));
        // The menu's chord has no single-key form: a second key of -1 turns it off.
        bool menu = key1 == SettingId::menu_key_1_of_2;
        bool off = !isKeyCode(code1) || (code2 != -1 && !isKeyCode(code2)) || (later && (code1 <= 0 || code2 == 0)) ||
                   (menu && code2 == -1);
        return KeyChord{key1, key2, what, off, code1, code2};
    }

    // A chord's two keys. -1 is no key code: for the second key it means the
    // first key alone; 0 (and -1 as the first key) turns a chord that came
    // after the first release off, as the shipped file says.
    void checkChordKeys(const KeyChord& chord, const char* example) {
        const SettingId key1 = chord.key1, key2 = chord.key2;
        const long low = lowestOf(key1), high = highestOf(key1);
        bool later = takesShippedValueWhenMissing(settingKey(key1));
        // Only a 0 written as such turns a chord off; one read from a word is a mistake.
        auto plain = [&](SettingId id) { return readings_[static_cast<int>(id)].kind == ReadingKind::Plain; };
        bool off1 = later && plain(key1) && (chord.code1 == -1 || chord.code1 == 0);
        bool off2 = chord.code2 == -1 || (later && plain(key2) && chord.code2 == 0);
        char consequence[200];
        if (hasNumber(key1) && !off1 && !isKeyCode(chord.code1)) {
            std::snprintf(consequence, sizeof consequence, "no key code (%ld to %ld), so %s by keys never fires", low,
                          high, chord.what);
            valueFinding(key1, CheckSeverity::Error, unitFix, consequence);
        }
        if (hasNumber(key2) && !off2 && !isKeyCode(chord.code2)) {
            const char* alone = key1 == SettingId::menu_key_1_of_2 ? "" : ", or -1 for the first key alone";
            std::snprintf(consequence, sizeof consequence, "no key code (%ld to %ld%s), so %s by keys never fires", low,
                          high, alone, chord.what);
            valueFinding(key2, CheckSeverity::Error, unitFix, consequence);
        }
        if (hasNumber(key1) && hasNumber(key2) && chord.code1 == chord.code2 && isKeyCode(chord.code1))
            report_.add(lineOf(key2), CheckSeverity::Error, FindingKind::Other,
                        "%s and %s are both %ld, so %s by keys never fires. Give it two keys, such as 17 (Ctrl) and "
                        "%s.",
                        name(key1), name(key2), static_cast<long>(chord.code1), chord.what, example);
    }

    // Keys of a later chord that the file lacks: the shipped ones stand in.
    void noteShippedChord(const KeyChord& chord) {
        bool missing1 = !present(chord.key1), missing2 = !present(chord.key2);
        if (!missing1 && !missing2) return;
        char keys[32];
        chordName(chord.code1, chord.code2, keys, sizeof keys);
        report_.add(0, CheckSeverity::Note, FindingKind::Other,
                    "%s%s%s %s not in your file: Pelorin uses the shipped %s for %s.", missing1 ? name(chord.key1) : "",
                    missing1 && missing2 ? " and " : "", missing2 ? name(chord.key2) : "",
                    missing1 && missing2 ? "are" : "is", keys, chord.what);
    }

    // Two chords that share keys: the same two keys fire both; a chord of one
    // key that another chord holds, or the key one releases and another holds,
    // get in each other's way.
    void checkChordPair(const KeyChord& a, const KeyChord& b) {
        if (a.off || b.off) return;
        char keysA[32], keysB[32];
        chordName(a.code1, a.code2, keysA, sizeof keysA);
        chordName(b.code1, b.code2, keysB, sizeof keysB);
        int line = std::max(lineOf(a.key1), lineOf(b.key1));
        if (a.code1 == b.code1 && a.code2 == b.code2) {
            report_.add(line, CheckSeverity::Error, FindingKind::Other,
                        "%s and %s have the same keys (%s), so both fire at once. Give one of them other keys, such "
                        "as Ctrl and another letter.",
                        a.what, b.what, keysA);
            return;
        }
        const KeyChord* single = a.single() && b.has(a.code1) ? &a : b.single() && a.has(b.code1) ? &b : nullptr;
        if (single != nullptr) {
            const KeyChord& other = single == &a ? b : a;
            report_.add(line, CheckSeverity::Warning, FindingKind::Other,
                        "%s is %s alone, a key of %s (%s): it fires only when you press no other key while you hold "
                        "it. Give it a second key, such as %s=75 (K).",
                        single->what, single == &a ? keysA : keysB, other.what, single == &a ? keysB : keysA,
                        name(single->key2));
            return;
        }
        bool crossed = (a.code2 != -1 && a.code2 == b.code1) || (b.code2 != -1 && b.code2 == a.code1);
        if (crossed)
            report_.add(line, CheckSeverity::Warning, FindingKind::Other,
                        "%s (%s) and %s (%s) share a key that one holds and the other releases, so one of them can "
                        "fire while you use the other. Give them the same first key, such as Ctrl.",
                        a.what, keysA, b.what, keysB);
    }

    void checkChords() {
        const KeyChord chords[] = {
            chordOf(SettingId::respawn_on_demand_key_1_of_2, SettingId::respawn_on_demand_key_2_of_2,
                    "respawn on demand"),
            chordOf(SettingId::save_spawn_point_key_1_of_2, SettingId::save_spawn_point_key_2_of_2,
                    "saving custom points"),
            chordOf(SettingId::menu_key_1_of_2, SettingId::menu_key_2_of_2, "opening the menu"),
        };
        const char* examples[] = {"75 (K)", "76 (L)", "118 (F7)"};
        for (int i = 0; i < 3; ++i) checkChordKeys(chords[i], examples[i]);
        for (const KeyChord& chord : chords)
            if (takesShippedValueWhenMissing(settingKey(chord.key1))) noteShippedChord(chord);
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j) checkChordPair(chords[i], chords[j]);
        const SettingId log = SettingId::write_log_file;
        if (!present(log))
            report_.add(0, CheckSeverity::Note, FindingKind::Other,
                        "%s is not in your file: Pelorin uses the shipped %g and writes Pelorin.log.", name(log),
                        settingKey(log).builtIn);
        if (intValue(SettingId::activate_controller) > 0)
            for (SettingId key : {SettingId::respawn_on_demand_controller_button_1_of_2,
                                  SettingId::respawn_on_demand_controller_button_2_of_2})
                if (hasNumber(key) && intValue(key) < -1)
                    valueFinding(key, CheckSeverity::Warning, nullptr,
                                 "a negative control number is no controller button");
    }

    // A point key's first occurrence in the section; nullptr when there is none.
    const CheckState::CustomKey* customKey(int point, int axis) const {
        size_t slot = static_cast<size_t>(point - 1) * 3 + static_cast<size_t>(axis);
        if (slot >= state_.customKeys.size() || state_.customKeys[slot].line == 0) return nullptr;
        return &state_.customKeys[slot];
    }

    // The custom points in use, each as the plug-in reads it, into points
    // when given; returns how many of them the file defines.
    int checkCustomPoints(std::vector<CheckedCustomPoint>* points) {
        const SettingId countKey = SettingId::number_of_custom_spawn_points_in_use;
        int32_t count = intValue(countKey);
        int32_t read = static_cast<int32_t>(settingInUse(countKey, count));
        NumberList undefined;
        int defined = 0;
        for (int k = 1; k <= read; ++k) {
            if (k > state_.highestDefined) {
                // No key of any point from here on: all of them read as the origin.
                int j = k;
                for (; j <= read && undefined.count <= 5; ++j) undefined.add(j);
                undefined.count += read - j + 1;
                break;
            }
            if (checkPoint(k, points))
                ++defined;
            else
                undefined.add(k);
        }
        if (undefined.count > 0) {
            char consequence[384], beyond[48] = "";
            if (count > read) std::snprintf(beyond, sizeof beyond, " (Pelorin reads the first %ld only)", static_cast<long>(read));
            char which[224];
            if (read == 1)
                std::snprintf(which, sizeof which, "custom point 1 is not in the file");
            else if (undefined.count == read)
                std::snprintf(which, sizeof which, "none of the %ld points%s is in the file", static_cast<long>(read),
                              beyond);
            else
                std::snprintf(which, sizeof which, "%d of the %ld points%s %s not in the file (%s%s)", undefined.count,
                              static_cast<long>(read), beyond, undefined.count == 1 ? "is" : "are", undefined.text,
                              undefined.count > 5 ? ", ..." : "");
            std::snprintf(consequence, sizeof consequence,
                          "%s, and a custom spawn that picks %s brings you to the map's origin (0, 0)", which,
                          undefined.count == 1 ? "it" : "one");
            valueFinding(countKey, CheckSeverity::Warning, "Set it to the number of points you have.", consequence);
        } else {
            checkHeld(countKey);
        }
        if (state_.highestDefined > std::max(read, 0)) {
            if (read >= customSpawnPointCap)
                report_.add(lineOf(countKey), CheckSeverity::Note, FindingKind::Other,
                            "points above number %ld are in the file, but Pelorin reads at most %ld.",
                            static_cast<long>(customSpawnPointCap), static_cast<long>(customSpawnPointCap));
            else if (state_.highestDefined == std::max(read, 0) + 1)
                report_.add(lineOf(countKey), CheckSeverity::Note, FindingKind::Other,
                            "point %d is in the file, but %s is %ld, so it is never used. Raise it to %d to use it.",
                            state_.highestDefined, name(countKey), static_cast<long>(count), state_.highestDefined);
            else
                report_.add(lineOf(countKey), CheckSeverity::Note, FindingKind::Other,
                            "points up to number %d are in the file, but %s is %ld, so points %ld to %d are never "
                            "used. Raise it to %d to use them.",
                            state_.highestDefined, name(countKey), static_cast<long>(count),
                            static_cast<long>(std::max(read, 0) + 1), state_.highestDefined, state_.highestDefined);
        }
        return defined;
    }

    // Point k's keys as the walk read them (it told of misread ones), missing
    // ones, and where the point lies; false when none of its keys has a value.
    bool checkPoint(int k, std::vector<CheckedCustomPoint>* points) {
        CheckedCustomPoint point{k, 0.0f, 0.0f, 0.0f, 0, PointDoubt::None};
        float* axes[3] = {&point.x, &point.y, &point.z};
        bool hasValue[3] = {}, plain = true, wholeOnX = false;
        for (int axis = 0; axis < 3; ++axis) {
            const CheckState::CustomKey* key = customKey(k, axis);
            hasValue[axis] = key != nullptr && key->hasValue;
            if (!hasValue[axis]) {
                plain = false;
                continue;
            }
            *axes[axis] = key->value;
            if (point.line == 0) point.line = key->line;
            plain = plain && !key->misread;
            wholeOnX = wholeOnX || key->wholePoint;
        }
        if (point.line == 0) return false;
        if (!(hasValue[0] && hasValue[1] && hasValue[2]) && !wholeOnX)
            report_.compose(point.line, CheckSeverity::Warning, FindingKind::Other, -1, [&](MessageText& text) {
                text.append("custom point %d has no ", k);
                const char* separator = "";
                for (int axis = 0; axis < 3; ++axis) {
                    if (hasValue[axis]) continue;
                    char name[customSpawnKeySize];
                    formatCustomSpawnKey(k, axis, name, sizeof name);
                    text.append("%s%s", separator, name);
                    separator = ", ";
                }
                text.append(", so it reads as 0. Each point needs its _x, _y and _z.");
            });
        point.doubt = doubtOf(point.x, point.y, point.z);
        if (plain && point.doubt == PointDoubt::OffMap)
            report_.add(point.line, CheckSeverity::Warning, FindingKind::Other,
                        "custom point %d (x %.1f, y %.1f, z %.1f) lies off the map: Pelorin treats it as a missing "
                        "point and brings you to the map's origin (0, 0). Check its coordinates.",
                        k, static_cast<double>(point.x), static_cast<double>(point.y), static_cast<double>(point.z));
        else if (plain && point.doubt == PointDoubt::AtOrigin)
            report_.add(point.line, CheckSeverity::Warning, FindingKind::Other,
                        "custom point %d lies at the map's origin (x %.1f, y %.1f): you come back there, as for a "
                        "missing point. Check its coordinates.",
                        k, static_cast<double>(point.x), static_cast<double>(point.y));
        if (points != nullptr) points->push_back(point);
        return true;
    }
};

}  // namespace

SpawnOdds checkSectionValues(const ProfileSection& section, const CheckState& state, FindingReport& report,
                             std::vector<CheckedCustomPoint>* points) {
    ValuesCheck check(section, state, report);
    return check.run(points);
}
