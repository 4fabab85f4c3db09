#include "settings_io/settings_store.h"

#include <cstdio>

#include "settings_io/held_settings.h"
#include "shared/on_screen_text.h"
#include "checker/findings_log.h"
#include "shared/event_log.h"
#include "settings_io/settings_file.h"
#include "platform/performance_counter.h"

uint64_t settingsFileWriteTime = 0;

namespace {

// "stored_last_used_skin" when the file lacks it.
constexpr uint32_t missingStoredSkin =
    static_cast<uint32_t>(static_cast<int32_t>(settingKey(SettingId::stored_last_used_skin).missing));

// A text of the settings file with its parsed section and its write time.
struct SettingsTextRead {
    std::string text;
    ProfileSection section;
    uint64_t writeTime = 0;
};
// The read in force and the next one. Each check reads the file into the
// next; only a text that differs from the one in force is parsed (most
// seconds the file is unchanged, and parsing a file of many custom points is
// what costs), there, a step per frame, and then takes its place. Both keep
// their storage, so that once grown to the file's size a reload allocates
// nothing, and neither text moves while its section points into it.
SettingsTextRead reads[2];
int inForce = 0;
bool parsing = false;           // the next read is being parsed
bool settingsTextRead = false;  // the read in force holds a read of the file
uint32_t settingsTextChanges = 0;  // moves on when the text in force changes
bool settingsReadHeld = false;
// The whole parse in one go (a read that must be whole at once).
constexpr uint64_t noTimeLimit = UINT64_MAX;
// A text this short (a file of the keys without comments) is parsed whole in
// the step that read it, whatever the clock says: a busy machine that takes
// the processor away mid-step would otherwise put off so small a read to a
// later frame for no gain. The shipped file with its comments (under 10 KB)
// is longer, and is parsed by time like any other.
constexpr size_t wholeStepBytes = 4 * 1024;

SettingsTextRead& current() { return reads[inForce]; }
SettingsTextRead& next() { return reads[1 - inForce]; }

// The same for the single-key reads of one value from the file.
std::string singleKeyText;
ProfileSection singleKeySection;

// Announces a switch of the alternative respawn: to 0 is a deactivation; a
// change between values below 1 and others (other than to 0) an activation.
void announceRespawnSwitch(int32_t oldValue, int32_t newValue) {
    if (newValue == oldValue) return;
    if (newValue == 0) {
        showNotification("Alternative Respawn Deactivated");
    } else if (oldValue < 1 || newValue < 1) {
        showNotification("Alternative Respawn Activated");
    }
}

// The file's text is the one in force (with the changes held from it made
// again).
bool sameAsLastRead(const std::string& fileText) {
    if (!anySettingsHeld()) return fileText == current().text;
    std::string withHeld = fileText;
    applyHeldSettings(settingsSectionName, &withHeld);
    return withHeld == current().text;
}

// Every key of the record from the read in force.
void applyReadInForce() {
    RespawnSettings read = settingsFromSection(current().section);
    announceRespawnSwitch(settings.random_player_respawns, read.random_player_respawns);
    settings = read;
}

SettingsRead readWithin(uint64_t budgetMicroseconds) {
    const uint64_t start = performanceCounterMicroseconds();
    if (!parsing) {
        // A file that is absent, or cannot be read at the moment, leaves every value as it was.
        SettingsTextRead& fresh = next();
        if (!readSettingsFileText(&fresh.text, &fresh.writeTime)) {
            settingsTextRead = false;
            logSettingsReadFailure(settingsFileExists());
            return SettingsRead::Failed;
        }
        // A save by the player decides over the changes we could not write.
        if (settingsFileWriteTime != 0 && fresh.writeTime != settingsFileWriteTime) dropHeldSettings();
        applyHeldSettings(settingsSectionName, &fresh.text);
        if (settingsTextRead && fresh.text == current().text) {
            current().writeTime = fresh.writeTime;
            applyReadInForce();
            return SettingsRead::Read;
        }
        startSettingsParse(fresh.text, &fresh.section);
        parsing = true;
        if (fresh.text.size() <= wholeStepBytes) budgetMicroseconds = noTimeLimit;
        // The read of a large file takes a good part of the step's share: the
        // parse then begins with the next step.
        if (performanceCounterMicroseconds() - start >= budgetMicroseconds / 2) return SettingsRead::Parsing;
    }
    // A slice at least in every later step. The check of the values, as long
    // on a large file as a good part of the step, follows in the same step
    // only while less than half of its share is spent.
    size_t slice = budgetMicroseconds == noTimeLimit ? SIZE_MAX : settingsSliceBytes;
    while (!continueSettingsParse(slice)) {
        uint64_t spent = performanceCounterMicroseconds() - start;
        if (spent >= budgetMicroseconds || (settingsValuesCheckDue() && spent >= budgetMicroseconds / 2))
            return SettingsRead::Parsing;
    }
    parsing = false;
    inForce = 1 - inForce;
    settingsTextRead = true;
    ++settingsTextChanges;
    applyReadInForce();
    return SettingsRead::Read;
}

// The file as we wrote it is the file as last read, with its new write time
// recorded as seen: our own write is not announced as a change, while a save
// by the player after it still is. (A write that merged our keys into a save
// of the player's that the last read had not seen is left to the next check,
// which announces his save.)
void recordOwnWrite(std::string* written) {
    uint64_t writeTime = 0;
    if (!readSettingsFileWriteTime(&writeTime)) return;
    parsing = false;  // the file as written replaces a text still being parsed
    applyHeldSettings(settingsSectionName, written);
    current().text.swap(*written);
    parseProfileSection(current().text, settingsSectionName, &current().section);
    current().writeTime = settingsFileWriteTime = writeTime;
    ++settingsTextChanges;
    settingsTextRead = true;
}

}  // namespace

bool readSettingsSection(ProfileSection* section, std::string* text) {
    if (!readSettingsFileText(text)) return false;
    applyHeldSettings(settingsSectionName, text);
    parseProfileSection(*text, settingsSectionName, section);
    return true;
}

SettingsRead readSettingsForFrame() { return readWithin(settingsStepMicroseconds); }

bool readSettings() {
    SettingsRead read;
    do {
        read = readWithin(noTimeLimit);
    } while (read == SettingsRead::Parsing);
    return read == SettingsRead::Read;
}

void applyBuiltInSettings() {
    // "player_ped_skin_upon_respawn" and "wait_time_before_skin_change" keep
    // their values, which at start are their built-in ones.
    RespawnSettings builtIn;
    builtIn.player_ped_skin_upon_respawn = settings.player_ped_skin_upon_respawn;
    builtIn.wait_time_before_skin_change = settings.wait_time_before_skin_change;
    settings = builtIn;
}

float readFloatSetting(const char* key) {
    if (!readSettingsSection(&singleKeySection, &singleKeyText)) return 0.0f;  // the default "0"
    return profileFloat(singleKeySection, key, 0.0f);
}

bool settingsFileChanged() {
    if (!settingsTextRead || current().writeTime == settingsFileWriteTime) return false;
    settingsFileWriteTime = current().writeTime;
    return true;
}

bool writeSettingsKeys(const SettingsValue* values, size_t count) {
    return writeChosenSettingsKeys(
        [&](const ProfileSection&) { return std::vector<SettingsValue>(values, values + count); });
}

bool writeChosenSettingsKeys(const SettingsKeysChoice& choose) {
    ProfileSection section;
    std::string written;
    std::vector<SettingsValue> chosen;
    bool basedOnLastRead = false;
    auto edit = [&](std::string* text) {
        basedOnLastRead = settingsTextRead && sameAsLastRead(*text);
        parseProfileSection(*text, settingsSectionName, &section);
        chosen = choose(section);
        *text = withSettingsValues(*text, settingsSectionName, chosen.data(), chosen.size());
        return !chosen.empty();
    };
    if (!editSettingsFile(edit, &written)) return false;
    releaseHeldSettings(chosen.data(), chosen.size());
    if (basedOnLastRead) recordOwnWrite(&written);
    return true;
}

SettingsSave saveSettingsKeys(const SettingsValue* values, size_t count, const SettingsCondition& stillAsShown) {
    if (!settingsFileExists()) return SettingsSave::NoFile;
    bool read = false, changed = false, basedOnLastRead = false;
    std::string asRead, written;
    ProfileSection section;
    auto edit = [&](std::string* text) {
        read = true;
        asRead = *text;
        applyHeldSettings(settingsSectionName, &asRead);
        parseProfileSection(asRead, settingsSectionName, &section);
        changed = !stillAsShown(section);
        if (changed) return false;
        basedOnLastRead = settingsTextRead && sameAsLastRead(*text);
        *text = withSettingsValues(*text, settingsSectionName, values, count);
        return true;
    };
    SettingsSave save = SettingsSave::Written;
    if (editSettingsFile(edit, &written)) {
        releaseHeldSettings(values, count);
        if (basedOnLastRead) recordOwnWrite(&written);
    } else if (changed) {
        save = SettingsSave::Changed;
        logEvent("menu: %s not changed: Pelorin.ini was saved meanwhile and holds another value", values[0].key);
    } else if (!read) {
        save = SettingsSave::Unreadable;
        logEvent("menu: %s not changed: Pelorin.ini could not be read (it may be in the middle of a save)",
                 values[0].key);
    } else {
        holdSettings(values, count);
        save = SettingsSave::Held;
        logEvent("menu: %s held until the game closes: Pelorin.ini cannot be written", values[0].key);
    }
    parsing = false;  // read afresh: a text being parsed lacks this change
    readSettings();
    return save;
}

const ProfileSection& settingsSectionAsRead() { return current().section; }

uint32_t settingsTextVersion() { return settingsTextChanges; }

bool writeStoredSkin(uint32_t model) {
    if (!settingsFileExists()) return false;
    char value[16];
    std::snprintf(value, sizeof value, "%ld", static_cast<long>(static_cast<int32_t>(model)));
    const SettingsValue stored{"stored_last_used_skin", value};
    return writeSettingsKeys(&stored, 1);
}

uint32_t readStoredSkin() {
    if (settingsReadHeld && settingsTextRead)
        return profileInt(current().section, "stored_last_used_skin", missingStoredSkin);
    if (!readSettingsSection(&singleKeySection, &singleKeyText)) return missingStoredSkin;
    return profileInt(singleKeySection, "stored_last_used_skin", missingStoredSkin);
}

void holdSettingsRead(bool hold) { settingsReadHeld = hold; }
