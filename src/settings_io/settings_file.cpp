#include "settings_io/settings_file.h"

#include <vector>

#include "platform/file_age.h"
#include "platform/files.h"
#include "ini/ini_reader.h"
#include "ini/ini_writer.h"
#include "shared/event_log.h"

// Relative to the game's current directory on every platform.
const char* const settingsFilePath = "Pelorin.ini";

namespace {

// A file of 0 bytes is as often one in the middle of a save (an editor empties
// it before it writes the new text) as one the player emptied: it is neither
// read nor written, and a later check reads it again.
bool readWholeSettingsFile(std::string* text, FileStamp* stamp) {
    return readWholeFile(settingsFilePath, text, stamp) && !text->empty();
}

// The file's write time after our last write of it.
uint64_t ownWriteTime = 0;

}  // namespace

bool settingsFileExists() { return fileExists(settingsFilePath); }

const char* misnamedSettingsFile() {
    for (const char* name : {"Pelorin.ini.txt", "Pelorin-default.ini"})
        if (fileExists(name)) return name;
    return nullptr;
}

bool settingsFileStillAt(const FileStamp& stamp) {
    if (ownWriteTime != 0 && stamp.writeTime == ownWriteTime) return true;
    const uint64_t written = fileTimeMilliseconds(stamp.writeTime), now = fileClockMilliseconds();
    return (now > written ? now - written : 0) >= settingsStillMilliseconds;
}

bool settingsFileStill() {
    FileStamp stamp;
    if (settingsFileStamp(&stamp)) return settingsFileStillAt(stamp);
    // A file we cannot open now (an editor may hold it) still tells its age.
    uint64_t age = 0;
    return !fileAgeMilliseconds(settingsFilePath, &age) || age >= settingsStillMilliseconds;
}

bool readSettingsFileText(std::string* text, FileStamp* stamp) { return readWholeSettingsFile(text, stamp); }

bool settingsFileStamp(FileStamp* stamp) { return fileStamp(settingsFilePath, stamp); }

void noteOwnSettingsWrite(uint64_t writeTime) { ownWriteTime = writeTime; }

std::string withSettingsValues(std::string_view text, const char* section, const SettingsValue* values, size_t count) {
    std::vector<ProfileEdit> edits(count);
    for (size_t i = 0; i < count; ++i)
        edits[i] = ProfileEdit{values[i].key, values[i].value ? std::string_view(values[i].value) : std::string_view()};
    return withProfileEdits(text, section, edits.data(), count);
}

void recoverSettingsFile() {
    ReplaceRecovery recovery = recoverInterruptedReplace(settingsFilePath);
    if (recovery.temporaryFilesRemoved > 0)
        logEvent("removed %d temporary file(s) that an interrupted write of Pelorin.ini left",
                 recovery.temporaryFilesRemoved);
    if (recovery.rewriteUndone) logEvent("Pelorin.ini: a write that a crash interrupted was undone");
}
