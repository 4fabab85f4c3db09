#pragma once
// The settings file "Pelorin.ini" in the game's current directory: read whole,
// its write time, and the text of values written back by our own writer, which
// keeps the file's encoding and every other byte (the write itself is the job
// of settings_write_job.h).
#include <cstdint>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/files.h"

extern const char* const settingsFilePath;

// The file is there (and is not a directory).
bool settingsFileExists();
// When the file is not there: a file beside it that the player meant as the
// settings file and must rename, "Pelorin.ini.txt" (Notepad's ending, which
// Windows hides) or the release's "Pelorin-default.ini"; nullptr when there
// is none.
const char* misnamedSettingsFile();
// No save of the player's can be under way: the file was last written by us,
// or has not been written for settingsStillMilliseconds (a file that cannot
// be looked at counts as still; its read tells). An editor's save truncates
// the file and writes it in parts; one read between them is whole by every
// test but time.
constexpr uint64_t settingsStillMilliseconds = 1500;
bool settingsFileStill();
// The same from a look at the file already made (its stamp): one look less
// (0.3–0.5 ms under Wine).
bool settingsFileStillAt(const FileStamp& stamp);
// The whole file into text (its previous content replaced) and, when given,
// what the read saw of the file (its write time among it); false when the file
// cannot be read whole (see readWholeFile), or is empty, as it is in the
// middle of an editor's save.
bool readSettingsFileText(std::string* text, FileStamp* stamp = nullptr);
// Which file the name leads to now, its size and write time; false when it is missing.
bool settingsFileStamp(FileStamp* stamp);
// Our write of the file has just replaced it, leaving this write time: it is
// ours (see settingsFileStill).
void noteOwnSettingsWrite(uint64_t writeTime);
// A key and its value, as the writers of the settings take them; a value of
// nullptr removes the key (every line of it in the section).
struct SettingsValue {
    const char* key;
    const char* value;
};
// The keys of the section set or removed in a text, in one pass (see
// withProfileEdits).
std::string withSettingsValues(std::string_view text, const char* section, const SettingsValue* values, size_t count);
// At start: clears up after a write of ours that a crash interrupted (see
// recoverInterruptedReplace) and logs what it found.
void recoverSettingsFile();
