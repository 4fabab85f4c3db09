#pragma once
// The settings file explained: every line as the plug-in's own reader walks
// it, and what the plug-in makes of it. Unknown keys (with the closest known
// one), keys outside [Player_Respawn], duplicates, missing keys and what the
// plug-in does instead, values that are no numbers or make no sense, the odds
// of each spawn mode as the roll uses them, and the custom points.
// The check rides on the reader's one parse of the text (the lines it walks,
// the entries it takes, its number readers), so what it calls read is what
// the plug-in reads. Plain work over one text, in time linear in its size.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ini/ini_reader.h"
#include "settings/settings_keys.h"
#include "settings/spawn_roll.h"

// What a finding says of a key, for tools that act on findings.
enum class FindingKind {
    Other,
    KeyNotRead,  // the key on the finding's line is not read by the plug-in
    KeyMissing,  // the table's key `key` is not in the section (line 0, or the line of a slip that meant it)
};

struct SettingsFinding {
    int line;  // 1-based; 0 for the file as a whole (a missing key, the sum of chances)
    CheckSeverity severity;
    std::string message;
    FindingKind kind;
    int key;  // index in settingKeys of a missing key; -1 otherwise
};

// Receives the findings as they are made, not in line order.
class FindingSink {
public:
    // Whether the message of such a finding is wanted; if not, add gets a
    // null message and none is formatted.
    virtual bool wantsMessage(int line, CheckSeverity severity) const = 0;
    virtual void add(int line, CheckSeverity severity, FindingKind kind, int key, const char* message) = 0;

protected:
    ~FindingSink() = default;
};

// Why a custom point in use looks wrong: one off the map is no place for the
// plug-in, which then brings the player to the map's origin as for a missing
// point; one at the origin is what missing or unreadable coordinates give.
enum class PointDoubt { None, OffMap, AtOrigin };

struct CheckedCustomPoint {
    int number;  // 1-based, as in "custom_spawn_<number>_x"
    float x, y, z;
    int line;  // line of its x key (0 when missing)
    PointDoubt doubt;
};

// What a check keeps from one step to the next, and from one check to the
// next: run again on a text no larger than before, a check allocates nothing.
// The checker's own; its users only hold it.
struct CheckState {
    // Keys of the table and custom point keys where the plug-in does not read
    // them, told as one finding for each place: above every section, or under
    // one header (another section, or a second [Player_Respawn]).
    struct StrayKeys {
        int headerLine;             // 0: above every section
        std::string_view section;   // the header's name
        bool secondMain;            // a second [Player_Respawn]
        int firstLine;              // the first such key's line
        std::string_view firstKey;  // and its name
        int count;
    };
    // A custom point key's first occurrence, for the points the plug-in may
    // read, as the walk finds it: its value read once there, so that the end
    // of the check looks nothing up for thousands of points.
    struct CustomKey {
        int line;          // 0: not in the section
        float value;       // as the plug-in reads it
        bool hasValue;     // the line has an '='
        bool misread;      // told by a finding of its own
        bool wholePoint;   // an x holding three numbers
    };
    std::vector<CustomKey> customKeys;  // (point - 1) * 3 + axis
    int sectionLine = 0;
    int knownLines[settingKeyCount] = {};  // line of each table key's first occurrence in the section
    // The first unknown key of the section taken for each table key (a typing
    // slip, "custom_spawn_chanse"), and its line; 0 for none.
    int misspeltLines[settingKeyCount] = {};
    std::string_view misspeltKeys[settingKeyCount];
    int highestDefined = 0;                // the highest custom point number in the section
    StrayKeys aboveSections{};
    StrayKeys underHeader{};               // under the last header, when it is not that of the section
    bool beforeAnySection = true;
    bool inMisnamedMain = false;
    bool misnamedMainSeen = false;
    int unknownKeys = 0;
};

// A check in steps: the file's section [Player_Respawn] parsed into section
// (for the plug-in's reader) and checked in the same walk, a budget of bytes
// at a time (see ProfileParse); the findings go to sink, and to points, when
// given, the custom points in use and defined. The file, section, sink and
// points must stay alive until a step returns true; then odds holds the odds
// of the spawn roll. The check of the values, which on a large file takes as
// long as a good part of the walk, is a step of its own, after the one that
// ends the walk.
class SettingsCheckRun {
public:
    void start(std::string_view file, ProfileSection* section, FindingSink* sink,
               std::vector<CheckedCustomPoint>* points);
    bool advance(size_t budget);
    // The walk is done: the next step checks the values.
    bool valuesCheckDue() const { return walked_; }
    const SpawnOdds& odds() const { return odds_; }

private:
    ProfileParse parse_;
    CheckState state_;
    ProfileSection* section_ = nullptr;
    FindingSink* sink_ = nullptr;
    std::vector<CheckedCustomPoint>* points_ = nullptr;
    SpawnOdds odds_{};
    bool walked_ = false;
};

// The same check at once.
SpawnOdds checkSettings(std::string_view file, ProfileSection* section, FindingSink* sink,
                        std::vector<CheckedCustomPoint>* points);
