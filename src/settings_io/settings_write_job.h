#pragma once
// Our writes of the settings file (the menu's changes and deletes, the saved
// points, the stored skin, the keys of a new version) as a job that advances a
// step per frame, each within the frame's share of settingsStepMicroseconds:
// the keys chosen and the new text made from the text in force when the file
// is unchanged since it was read (else from a fresh read in slices), then the
// replace of the file (replaceFileContent: the temporary file written and
// flushed, the check that the file is still as read, the rename) on the
// background thread, while the new text is parsed, and in a step after, the
// new text made the text in force. A save of the player's meanwhile is never
// lost: the job starts again from his text (a few times), and a crash leaves
// the old file or the new one.
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "ini/ini_reader.h"
#include "settings_io/settings_file.h"

// The keys one write sets, chosen from the file as it is when written.
class SettingsKeysChooser {
public:
    virtual ~SettingsKeysChooser() = default;
    // A part of the choice from section "Player_Respawn" of the file's text
    // (fromStart on the first call for a text: the job's first, or one that a
    // save of the player's brought); asRead is the same section as the
    // settings read it, with the changes held in memory made to it. True when
    // the choice is complete, chosen then holding every key to set (none to
    // write nothing); their texts must live as long as the job.
    virtual bool choose(const ProfileSection& section, const ProfileSection& asRead, bool fromStart,
                        std::vector<SettingsValue>* chosen) = 0;
};

enum class SettingsWriteEnd {
    Written,     // the file holds the keys (it may have held them already)
    NothingChosen,
    NotStill,    // written by someone else a moment ago (settingsFileStill)
    Unreadable,  // missing, empty or not readable whole
    Unwritable,  // read-only, locked, a failed write, or it kept changing
};
// A file that the player keeps saving while we write is left alone after this
// many starts from his text (the stored skin is tried again at a later check).
constexpr int settingsWriteTries = 4;
using SettingsWriteDone = std::function<void(SettingsWriteEnd end, const std::vector<SettingsValue>& written)>;

// One write at a time: false, and nothing done, while another runs. done is
// called at its end, in the step that ends it, with the keys it chose.
bool startSettingsWrite(std::unique_ptr<SettingsKeysChooser> chooser, SettingsWriteDone done);
bool settingsWriteRunning();
// A frame's step of the write; false when none runs.
bool stepSettingsWrite();
// Every step of the running write at once (a write that must be done now).
void finishSettingsWrite();
// The steps the writes made so far (each writes at least a slice of bytes, of
// the file or of its new text, unless it ends the write or makes the thread
// for the replace).
size_t settingsWriteSteps();
