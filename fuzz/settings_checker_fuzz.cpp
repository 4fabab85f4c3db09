// The settings checker against the plug-in's own reader over arbitrary files:
// no line the reader takes a value from is called unread, a key called
// missing is one the reader does not find (and every such key with something
// to say is called missing), the parse the check rides on is the reader's
// plain parse, the odds and custom points are those of the record read, and
// the check done in small steps, as the plug-in does it over frames, finds the
// same as the check at once.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "ini/ini_reader.h"
#include "settings/settings_record.h"
#include "settings/setting_limits.h"
#include "tools/settings_check_list.h"

namespace {

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "checker and reader differ: %s\n", what);
        std::abort();
    }
}

// Every finding, with its message.
class Findings final : public FindingSink {
public:
    std::vector<SettingsFinding> all;
    bool wantsMessage(int, CheckSeverity) const override { return true; }
    void add(int line, CheckSeverity severity, FindingKind kind, int key, const char* message) override {
        all.push_back(SettingsFinding{line, severity, message, kind, key});
    }
};

// The line of each entry of the section, in entry order.
class EntryLines final : public ProfileLineVisitor {
public:
    std::vector<int> lines;
    int sectionLine = 0;
    void visit(const ProfileLine& line) override {
        if (line.inSection) lines.push_back(line.number);
        if (line.sectionHeader) sectionLine = line.number;
    }
};

// The line the reader takes a key's value from; 0 when it finds none.
int lineRead(const ProfileSection& section, const EntryLines& lines, std::string_view key) {
    std::string_view value;
    if (!findProfileValue(section, key, &value)) return 0;
    for (size_t i = 0; i < section.entries.size(); ++i) {
        std::string_view entry = section.entries[i].value;
        if (entry.data() != nullptr && value.data() >= entry.data() && value.data() <= entry.data() + entry.size())
            return lines.lines[i];
    }
    check(false, "a value found outside every entry");
    return 0;
}

// A custom point key the plug-in looks up: "custom_spawn_<n>_<axis>" with n
// written without leading zeros, from 1 up to the count it reads.
bool readPointKey(std::string_view key, int32_t pointsRead) {
    const std::string_view prefix = "custom_spawn_";
    if (key.size() < prefix.size() + 3 || !equalIgnoringCase(key.substr(0, prefix.size()), prefix)) return false;
    std::string_view rest = key.substr(prefix.size(), key.size() - prefix.size() - 2);
    if (rest.empty() || rest.size() > 6 || rest.front() == '0') return false;
    int32_t number = 0;
    for (char c : rest) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
    }
    char separator = key[key.size() - 2], axis = lowerAscii(key.back());
    return separator == '_' && axis >= 'x' && axis <= 'z' && number <= pointsRead;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string file(reinterpret_cast<const char*>(data), size);
    SettingsCheck checked = checkSettingsText(file);

    ProfileSection section;
    EntryLines lines;
    parseProfileSection(file, settingsSectionName, &section, &lines);
    check(lines.lines.size() == section.entries.size(), "entries and their lines");
    ProfileSection plain;
    parseProfileSection(file, settingsSectionName, &plain);
    check(plain.entries.size() == section.entries.size(), "the walk of a check parses as the plain parse");
    RespawnSettings record = settingsFromSection(section);

    // Every line the reader takes a value from: the table's keys and the custom points in use.
    std::set<int> linesRead;
    for (const SettingKey& key : settingKeys)
        if (int line = lineRead(section, lines, key.name)) linesRead.insert(line);
    int32_t pointsRead = std::min(record.number_of_custom_spawn_points_in_use, customSpawnPointCap);
    for (const ProfileSection::Entry& entry : section.entries)
        if (readPointKey(entry.key, pointsRead))
            if (int line = lineRead(section, lines, entry.key)) linesRead.insert(line);

    std::vector<bool> calledMissing(settingKeyCount, false);
    for (const SettingsFinding& finding : checked.findings) {
        if (finding.kind == FindingKind::KeyNotRead)
            check(linesRead.count(finding.line) == 0, "a line the reader reads is called unread");
        if (finding.kind == FindingKind::KeyMissing) {
            check(finding.key >= 0 && finding.key < settingKeyCount, "a missing key of the table");
            check(lineRead(section, lines, settingKeys[finding.key].name) == 0, "a key the reader finds is missing");
            calledMissing[finding.key] = true;
        }
    }
    for (int i = 0; i < settingKeyCount; ++i)
        if (lines.sectionLine != 0 && settingKeyChecks[i].missingEffect != nullptr &&
            lineRead(section, lines, settingKeys[i].name) == 0)
            check(calledMissing[i], "a key the reader does not find is not called missing");

    // In steps of a few bytes: the same findings in the same order, the same section.
    Findings stepped;
    ProfileSection steppedSection;
    std::vector<CheckedCustomPoint> steppedPoints;
    SettingsCheckRun run;
    run.start(file, &steppedSection, &stepped, &steppedPoints);
    while (!run.advance(1 + size % 61)) {
    }
    std::stable_sort(stepped.all.begin(), stepped.all.end(),
                     [](const SettingsFinding& a, const SettingsFinding& b) { return a.line < b.line; });
    check(stepped.all.size() == checked.findings.size(), "the number of findings in steps");
    for (size_t i = 0; i < stepped.all.size(); ++i)
        check(stepped.all[i].line == checked.findings[i].line && stepped.all[i].message == checked.findings[i].message,
              "a finding in steps");
    check(std::memcmp(&run.odds(), &checked.odds, sizeof checked.odds) == 0, "the odds in steps");
    check(steppedPoints.size() == checked.customPoints.size(), "the custom points in steps");
    check(steppedSection.entries.size() == section.entries.size(), "the section in steps");
    for (const ProfileSection::Entry& entry : section.entries) {
        std::string_view a, b;
        bool found = findProfileValue(section, entry.key, &a);
        check(found == findProfileValue(steppedSection, entry.key, &b) && (!found || a == b), "a value in steps");
    }

    SpawnOdds odds = spawnOddsOf(spawnChancesOf(record), record.on_close_point_player_spawn_chance);
    check(std::memcmp(&odds, &checked.odds, sizeof odds) == 0, "the odds of the roll");
    for (const CheckedCustomPoint& point : checked.customPoints) {
        check(point.number >= 1 && point.number <= pointsRead, "a custom point in use");
        float axes[3] = {point.x, point.y, point.z};
        for (int axis = 0; axis < 3; ++axis) {
            char key[40];
            std::snprintf(key, sizeof key, "custom_spawn_%d_%c", point.number, 'x' + axis);
            check(std::isfinite(axes[axis]) && axes[axis] == profileFloat(section, key, 0.0f), "a custom coordinate");
        }
    }
    return 0;
}
