#pragma once
// The settings file's store: the reads of "Pelorin.ini" into the settings
// record (whole reads, a step per frame for a changed text), the held
// changes, and our writes through the crash-safe edit of settings_file.h.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ini/ini_reader.h"
#include "settings/settings_record.h"
#include "settings_io/settings_file.h"

// The settings file's last-write time as last recorded (0 at load).
extern uint64_t settingsFileWriteTime;

// Reads every key into `settings` from one read of the file (one open, which
// also takes the file's write time, and a parse when the text differs from the
// one last read), announcing a switch of "random_player_respawns"; false, with
// nothing changed, when the file is absent or cannot be read.
bool readSettings();
// The same read as a frame does it: a text that differs from the one in force
// is parsed (and checked for the log) a step at a time, this call and the
// following ones going on with it without reading the file again; until the
// last step everything stays as it was (Parsing).
enum class SettingsRead { Failed, Parsing, Read };
SettingsRead readSettingsForFrame();
// The share of a frame that the read of a changed text, its parse and the
// check walking with it take, whatever the machine's speed: the frame of ours
// stays under a millisecond with a file of 10,000 custom points.
constexpr uint64_t settingsStepMicroseconds = 500;
// Between two looks at the clock the parse walks this much of the text (some
// 50 us under Wine), so that a step ends soon after its share is spent.
constexpr size_t settingsSliceBytes = 2 * 1024;
// A read of the file takes this much at a time (a slice of a step): an open,
// a look at the file and a read each.
constexpr size_t settingsFileSliceBytes = 64 * 1024;
// The built-in values, for a game started without a settings file.
void applyBuiltInSettings();
// A float key of the section ("0" when missing), its first 31 characters read
// as a decimal number (decimalFloat: never infinite nor NaN). Reads the file
// afresh on every call.
float readFloatSetting(const char* key);
// For many keys from one read of the file (the custom spawn points): reads the
// file into text and parses section "Player_Respawn" into section; false when
// the file cannot be read (section left as it was). The section points into
// text; keep both alive together, and reuse them to avoid allocations.
bool readSettingsSection(ProfileSection* section, std::string* text);
// The file's write time as readSettings last read it differs from the one
// recorded; records it. Opens nothing: call it after readSettings.
bool settingsFileChanged();
// Sets keys of section "Player_Respawn" in one atomic write of the file, at
// once (a write of ours in steps that was running is finished first); true
// when written. The file's new write time is recorded, so that our own write is
// not taken for a change by the player.
bool writeSettingsKeys(const SettingsValue* values, size_t count);
// As writeSettingsKeys, with keys chosen from the file as it is at the moment
// of writing: choose gets section "Player_Respawn" of the file's text then
// (again after a fresh read when the player saved the file meanwhile) and
// returns the keys to set, none to write nothing. The keys' texts must
// outlive the call.
using SettingsKeysChoice = std::function<std::vector<SettingsValue>(const ProfileSection& section)>;
bool writeChosenSettingsKeys(const SettingsKeysChoice& choose);
// The same as a write of ours in steps (settings_write_job.h), a step per
// frame: false, nothing begun, while another write runs; done gets whether the
// keys were written when it ends.
bool startWritingSettingsKeys(const SettingsValue* values, size_t count, const std::function<void(bool)>& done);
// A change the player made in the game (the menu), in steps as
// startWritingSettingsKeys (done gets the outcome at its end), made only while
// the file still holds what the menu showed him: stillAsShown gets the file's
// section as the settings read it (the held changes applied) at the moment of
// writing and says whether it does. When the file cannot take it (read-only,
// locked), held so that every read of the settings sees it until the game
// closes or the player saves the file. When the file holds something else now
// (a save of his since the menu's read: Changed), or cannot be read
// (Unreadable: it may be in the middle of a save), nothing is written nor
// held. Written, the text written is in force; every other way but NoFile
// (no settings file, nothing changes), the settings are read again in steps
// from the next frame on (readSettingsSoon).
enum class SettingsSave { Written, Held, Changed, Unreadable, NoFile };
using SettingsCondition = std::function<bool(const ProfileSection& section)>;
bool startSavingSettingsKeys(const SettingsValue* values, size_t count, const SettingsCondition& stillAsShown,
                             const std::function<void(SettingsSave)>& done);
// The settings read again from the next frame's check on, in steps as after a
// save of the player's (readSettingsForFrame), rather than whole in this frame
// (several milliseconds for a large file): after a write of ours that met a
// save of his. settingsReadWanted says so until that read has ended.
void readSettingsSoon();
bool settingsReadWanted();
// The section as the last read parsed it (with held changes), and a count
// that moves on whenever that text changes (a save by the player, our write).
const ProfileSection& settingsSectionAsRead();
uint32_t settingsTextVersion();
// Writes the model as "stored_last_used_skin" (signed decimal) when the file
// exists; true when it was written. The file's new write time is recorded, so
// that our own write is not taken for a change by the player.
bool writeStoredSkin(uint32_t model);
// The same in steps, as startWritingSettingsKeys.
bool startWritingStoredSkin(uint32_t model, const std::function<void(bool)>& done);
// "stored_last_used_skin" as the file holds it now (-1 when missing): read
// afresh, or, while the once-a-second check holds its read, from the text in
// force (the check opens and parses the file once).
uint32_t readStoredSkin();
void holdSettingsRead(bool hold);
