#include "settings_io/settings_store.h"

#include <cstdio>

#include <memory>

#include "settings_io/held_settings.h"
#include "shared/on_screen_text.h"
#include "checker/findings_log.h"
#include "shared/event_log.h"
#include "settings_io/settings_file.h"
#include "settings_io/settings_reads.h"
#include "settings_io/settings_write_job.h"
#include "platform/performance_counter.h"

uint64_t settingsFileWriteTime = 0;

namespace {

// "stored_last_used_skin" when the file lacks it.
constexpr uint32_t missingStoredSkin =
    static_cast<uint32_t>(static_cast<int32_t>(settingKey(SettingId::stored_last_used_skin).missing));

// The read in force and the next one. Each check reads the file into the
// next; only a text that differs from the one in force is parsed (most
// seconds the file is unchanged, and parsing a file of many custom points is
// what costs), there, a step per frame, and then takes its place. Both keep
// their storage, so that once grown to the file's size a reload allocates
// nothing, and neither text moves while its section points into it. A write
// of ours borrows the next one for the text it writes (spareLent).
SettingsTextRead reads[2];
int inForce = 0;
SlicedFileRead fileRead;        // the next read, a slice per step
bool parsing = false;           // the next read is being parsed
bool spareLent = false;
bool settingsTextRead = false;  // the read in force holds a read of the file
uint32_t settingsTextChanges = 0;  // moves on when the text in force changes
bool settingsReadHeld = false;
bool readWanted = false;  // readSettingsSoon, until that read ends
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
    if (spareLent) {
        // Our write runs: the text in force stays until it ends.
        if (!settingsTextRead) return SettingsRead::Failed;
        applyReadInForce();
        return SettingsRead::Read;
    }
    if (!parsing) {
        // A file that is absent, or cannot be read at the moment, leaves every
        // value as it was. A read in steps counts only when every slice saw
        // the same file, of the same size and write time; else a later check
        // reads it again.
        SettingsTextRead& fresh = next();
        bool read = false;
        if (budgetMicroseconds == noTimeLimit) {
            fileRead.stop();
            read = readSettingsFileText(&fresh.text, &fresh.stamp);
        } else {
            if (!fileRead.running()) fileRead.start(settingsFilePath, &fresh.text);
            // The slices of a step through one open, for half of the step's share.
            auto shareLeft = [&] { return performanceCounterMicroseconds() - start < budgetMicroseconds / 2; };
            SlicedFileRead::Progress progress = fileRead.advance(settingsFileSliceBytes, &fresh.stamp, shareLeft);
            if (progress == SlicedFileRead::Progress::Reading) return SettingsRead::Parsing;
            read = progress == SlicedFileRead::Progress::Read && !fresh.text.empty();
        }
        if (!read) {
            settingsTextRead = false;
            logSettingsReadFailure(settingsFileExists());
            return SettingsRead::Failed;
        }
        // A save by the player decides over the changes we could not write.
        if (settingsFileWriteTime != 0 && fresh.stamp.writeTime != settingsFileWriteTime) dropHeldSettings();
        applyHeldSettings(settingsSectionName, &fresh.text);
        if (settingsTextRead && fresh.text == current().text) {
            current().stamp = fresh.stamp;
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

}  // namespace

bool readSettingsSection(ProfileSection* section, std::string* text) {
    if (!readSettingsFileText(text)) return false;
    applyHeldSettings(settingsSectionName, text);
    parseProfileSection(*text, settingsSectionName, section);
    return true;
}

SettingsRead readSettingsForFrame() {
    SettingsRead read = readWithin(settingsStepMicroseconds);
    if (read != SettingsRead::Parsing) readWanted = false;
    return read;
}

bool readSettings() {
    SettingsRead read;
    do {
        read = readWithin(noTimeLimit);
    } while (read == SettingsRead::Parsing);
    readWanted = false;
    return read == SettingsRead::Read;
}

void readSettingsSoon() { readWanted = true; }

bool settingsReadWanted() { return readWanted; }

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
    if (!settingsTextRead || current().stamp.writeTime == settingsFileWriteTime) return false;
    settingsFileWriteTime = current().stamp.writeTime;
    return true;
}

// The write job's share of the store.
const SettingsTextRead* settingsReadInForceFor(const FileStamp& stamp) {
    if (!settingsTextRead || anySettingsHeld() || !(current().stamp == stamp)) return nullptr;
    return &current();
}

SettingsTextRead& lendSpareSettingsRead() {
    fileRead.stop();
    parsing = false;  // a read being parsed is made again at the next check
    spareLent = true;
    return next();
}

void returnSpareSettingsRead(bool takesPlaceInForce) {
    if (!spareLent) return;
    spareLent = false;
    if (!takesPlaceInForce) return;
    inForce = 1 - inForce;
    settingsFileWriteTime = current().stamp.writeTime;
    settingsTextRead = true;
    ++settingsTextChanges;
    applyReadInForce();
}

bool settingsTextIsInForce(const std::string& fileText) { return settingsTextRead && sameAsLastRead(fileText); }

// The file as we wrote it is the file as last read, with its new write time
// recorded as seen: our own write is not announced as a change, while a save
// by the player after it still is.
void takeOwnWriteWhole(std::string* written) {
    FileStamp stamp;
    if (!settingsFileStamp(&stamp)) return;
    parsing = false;  // the file as written replaces a text still being parsed
    fileRead.stop();
    applyHeldSettings(settingsSectionName, written);
    current().text.swap(*written);
    parseProfileSection(current().text, settingsSectionName, &current().section);
    current().stamp = stamp;
    settingsFileWriteTime = stamp.writeTime;
    ++settingsTextChanges;
    settingsTextRead = true;
    applyReadInForce();
}

namespace {

// Keys and values kept in strings of their own, for a write that outlives its caller's texts.
struct OwnedValues {
    OwnedValues(const SettingsValue* values, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            texts.emplace_back(values[i].key);
            texts.emplace_back(values[i].value ? values[i].value : "");
        }
        for (size_t i = 0; i < count; ++i)
            list.push_back(SettingsValue{texts[2 * i].c_str(), values[i].value ? texts[2 * i + 1].c_str() : nullptr});
    }
    std::vector<std::string> texts;
    std::vector<SettingsValue> list;
};

// The keys of writeChosenSettingsKeys, chosen whole in one call.
class ChosenAtOnce : public SettingsKeysChooser {
public:
    explicit ChosenAtOnce(SettingsKeysChoice choice) : choice_(std::move(choice)) {}
    bool choose(const ProfileSection& section, const ProfileSection&, bool, std::vector<SettingsValue>* chosen) override {
        *chosen = choice_(section);
        return true;
    }

private:
    SettingsKeysChoice choice_;
};

// The keys of startSavingSettingsKeys, while the file holds what the menu showed
// (none with a condition that always holds).
class SetWhileAsShown : public SettingsKeysChooser {
public:
    SetWhileAsShown(std::shared_ptr<const OwnedValues> values, SettingsCondition stillAsShown, bool* changed)
        : values_(std::move(values)), stillAsShown_(std::move(stillAsShown)), changed_(changed) {}
    bool choose(const ProfileSection&, const ProfileSection& asRead, bool, std::vector<SettingsValue>* chosen) override {
        bool changed = stillAsShown_ && !stillAsShown_(asRead);
        if (changed_) *changed_ = changed;
        if (changed)
            chosen->clear();
        else
            *chosen = values_->list;
        return true;
    }

private:
    std::shared_ptr<const OwnedValues> values_;
    SettingsCondition stillAsShown_;
    bool* changed_;
};

// A write that must be done before its caller returns: one that was running
// is finished first.
SettingsWriteEnd writeNow(std::unique_ptr<SettingsKeysChooser> chooser) {
    finishSettingsWrite();
    SettingsWriteEnd result = SettingsWriteEnd::Unwritable;
    startSettingsWrite(std::move(chooser), [&](SettingsWriteEnd end, const std::vector<SettingsValue>&) { result = end; });
    finishSettingsWrite();
    return result;
}

SettingsSave settingsSaveOf(SettingsWriteEnd end, bool changed, const SettingsValue* values, size_t count) {
    SettingsSave save = SettingsSave::Written;
    if (end == SettingsWriteEnd::Written) return save;
    if (changed) {
        save = SettingsSave::Changed;
        logEvent("menu: %s not changed: Pelorin.ini was saved meanwhile and holds another value", values[0].key);
    } else if (end == SettingsWriteEnd::Unreadable || end == SettingsWriteEnd::NotStill) {
        save = SettingsSave::Unreadable;
        logEvent("menu: %s not changed: Pelorin.ini could not be read (it may be in the middle of a save)",
                 values[0].key);
    } else {
        holdSettings(values, count);
        save = SettingsSave::Held;
        logEvent("menu: %s held until the game closes: Pelorin.ini cannot be written", values[0].key);
    }
    readSettingsSoon();  // the settings as the file and the held changes make them now
    return save;
}

}  // namespace

bool writeSettingsKeys(const SettingsValue* values, size_t count) {
    return writeChosenSettingsKeys(
        [&](const ProfileSection&) { return std::vector<SettingsValue>(values, values + count); });
}

bool writeChosenSettingsKeys(const SettingsKeysChoice& choose) {
    return writeNow(std::make_unique<ChosenAtOnce>(choose)) == SettingsWriteEnd::Written;
}

bool startSavingSettingsKeys(const SettingsValue* values, size_t count, const SettingsCondition& stillAsShown,
                             const std::function<void(SettingsSave)>& done) {
    if (settingsWriteRunning()) return false;
    if (!settingsFileExists()) {
        if (done) done(SettingsSave::NoFile);
        return true;
    }
    auto owned = std::make_shared<const OwnedValues>(values, count);
    auto changed = std::make_shared<bool>(false);
    return startSettingsWrite(std::make_unique<SetWhileAsShown>(owned, stillAsShown, changed.get()),
                              [owned, changed, done](SettingsWriteEnd end, const std::vector<SettingsValue>&) {
                                  SettingsSave save = settingsSaveOf(end, *changed, owned->list.data(), owned->list.size());
                                  if (done) done(save);
                              });
}

bool startWritingSettingsKeys(const SettingsValue* values, size_t count, const std::function<void(bool)>& done) {
    auto owned = std::make_shared<const OwnedValues>(values, count);
    return startSettingsWrite(std::make_unique<SetWhileAsShown>(owned, SettingsCondition(), nullptr),
                              [owned, done](SettingsWriteEnd end, const std::vector<SettingsValue>&) {
                                  if (done) done(end == SettingsWriteEnd::Written);
                              });
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

bool startWritingStoredSkin(uint32_t model, const std::function<void(bool)>& done) {
    if (settingsWriteRunning()) return false;
    if (!settingsFileExists()) {
        if (done) done(false);
        return true;
    }
    char value[16];
    std::snprintf(value, sizeof value, "%ld", static_cast<long>(static_cast<int32_t>(model)));
    const SettingsValue stored{"stored_last_used_skin", value};
    return startWritingSettingsKeys(&stored, 1, done);
}

uint32_t readStoredSkin() {
    if (settingsReadHeld && settingsTextRead)
        return profileInt(current().section, "stored_last_used_skin", missingStoredSkin);
    if (!readSettingsSection(&singleKeySection, &singleKeyText)) return missingStoredSkin;
    return profileInt(singleKeySection, "stored_last_used_skin", missingStoredSkin);
}

void holdSettingsRead(bool hold) { settingsReadHeld = hold; }
