#include "settings_io/settings_write_job.h"

#include "ini/ini_writer.h"
#include "platform/background_call.h"
#include "platform/files.h"
#include "platform/performance_counter.h"
#include "settings/settings_record.h"
#include "settings_io/held_settings.h"
#include "settings_io/settings_reads.h"
#include "settings_io/settings_store.h"

namespace {

enum class Phase {
    Begin,
    ReadingBase,
    ParsingBase,
    Choosing,
    Listing,
    Editing,
    Starting,
    ParsingNew,
    Replaced,
};
// The replace waits on the disk (a millisecond or more under Wine, whatever
// the file's size): it runs on the background thread from the step that
// starts it (after a look at the file's age), and a later step takes its
// result, alone, as the game's frame has given the thread time.
bool stepOfItsOwn(Phase phase) { return phase == Phase::Starting || phase == Phase::Replaced; }
// A replace that outlasts a frame (a slow disk, a busy machine) is waited for
// only after this many frames more (some 100 ms), so that it holds up no
// frame before; the game goes on meanwhile, the menu saying "saving…".
constexpr int framesBeforeWaitingForReplace = 6;

// The write in progress. Its storage stays from one write to the next.
struct Job {
    std::unique_ptr<SettingsKeysChooser> chooser;
    SettingsWriteDone done;
    Phase phase = Phase::Begin;
    int tries = 0;
    bool fromStart = true;
    // The file's text the write starts from: the read in force, or the job's
    // own read of a file the player saved since.
    const std::string* baseText = nullptr;
    const ProfileSection* baseSection = nullptr;
    const ProfileSection* asRead = nullptr;
    FileStamp baseStamp;
    bool basedOnLastRead = false;  // the base is the text in force without its held changes
    // The new text is the text in force with our keys: parsed a slice a step
    // while the replace runs, it takes the place in force when written.
    bool parsesNew = false;
    std::string ownText;
    ProfileSection ownSection;
    std::string heldText;
    ProfileSection heldSection;
    SlicedFileRead read;
    ProfileParse parse;
    std::vector<SettingsValue> chosen;
    std::vector<ProfileEdit> edits;
    ProfileEditor editor;
    // Written by the background call: whether the file was still (else
    // nothing was done), the replace's result, and the new file's stamp.
    bool wasStill = false;
    ReplaceResult replaced = ReplaceResult::Failed;
    bool newStampKnown = false;
    FileStamp newStamp;
    int framesReplacing = 0;
    SettingsTextRead* written = nullptr;  // the store's spare read, lent for the new text
};
Job job;
bool running = false;
bool endedInStep = false;  // the step's write ended (done may have begun the next)
size_t stepsMade = 0;

void end(SettingsWriteEnd outcome) {
    returnSpareSettingsRead(false);
    running = false;
    endedInStep = true;
    // Kept while done runs (it may start the next write): the chosen keys' texts live in the chooser.
    std::unique_ptr<SettingsKeysChooser> chooser = std::move(job.chooser);
    SettingsWriteDone done = std::move(job.done);
    // Taken, not copied (30,000 keys for a delete), and its storage given back
    // to the job when done started no write that fills the job's list.
    std::vector<SettingsValue> chosen;
    chosen.swap(job.chosen);
    if (done) done(outcome, chosen);
    if (job.chosen.empty() && job.chosen.capacity() < chosen.capacity()) {
        chosen.clear();
        job.chosen.swap(chosen);
    }
}

void begin() {
    if (job.tries == settingsWriteTries) return end(SettingsWriteEnd::Unwritable);
    ++job.tries;
    job.fromStart = true;
    FileStamp now;
    const bool looked = settingsFileStamp(&now);
    if (looked ? !settingsFileStillAt(now) : !settingsFileStill()) return end(SettingsWriteEnd::NotStill);
    const SettingsTextRead* inForce = looked ? settingsReadInForceFor(now) : nullptr;
    if (inForce != nullptr) {
        // Unchanged since the read in force: its text and section, without a parse.
        job.baseText = &inForce->text;
        job.baseSection = job.asRead = &inForce->section;
        job.baseStamp = inForce->stamp;
        job.basedOnLastRead = job.parsesNew = true;
        job.phase = Phase::Choosing;
        return;
    }
    job.parsesNew = false;
    job.read.start(settingsFilePath, &job.ownText);
    job.phase = Phase::ReadingBase;
}

void readBase() {
    SlicedFileRead::Progress progress = job.read.advance(settingsFileSliceBytes, &job.baseStamp);
    if (progress == SlicedFileRead::Progress::Reading) return;
    // A file of 0 bytes is as often one in the middle of a save as one the player emptied.
    if (progress == SlicedFileRead::Progress::Failed || job.ownText.empty()) return end(SettingsWriteEnd::Unreadable);
    job.basedOnLastRead = settingsTextIsInForce(job.ownText);
    // The same text under a new stamp (a save without a change): as from the text in force.
    job.parsesNew = job.basedOnLastRead && !anySettingsHeld();
    job.baseText = &job.ownText;
    job.baseSection = job.asRead = &job.ownSection;
    if (anySettingsHeld()) {
        // Rare (a file we could not write): the section as the settings read it, made whole.
        job.heldText = job.ownText;
        applyHeldSettings(settingsSectionName, &job.heldText);
        parseProfileSection(job.heldText, settingsSectionName, &job.heldSection);
        job.asRead = &job.heldSection;
    }
    job.parse.start(job.ownText, settingsSectionName, &job.ownSection);
    job.phase = Phase::ParsingBase;
}

void choose() {
    bool complete = job.chooser->choose(*job.baseSection, *job.asRead, job.fromStart, &job.chosen);
    job.fromStart = false;
    if (!complete) return;
    if (job.chosen.empty()) return end(SettingsWriteEnd::NothingChosen);
    job.edits.clear();
    job.edits.reserve(job.chosen.size());
    job.phase = Phase::Listing;
}

// The chosen keys as the writer takes them, some a call.
void list() {
    const size_t end = std::min(job.chosen.size(), job.edits.size() + settingsSliceBytes / 8);
    for (size_t i = job.edits.size(); i < end; ++i) {
        const SettingsValue& value = job.chosen[i];
        job.edits.push_back(ProfileEdit{value.key, value.value ? std::string_view(value.value) : std::string_view()});
    }
    if (job.edits.size() < job.chosen.size()) return;
    job.editor.start(*job.baseText, settingsSectionName, job.edits.data(), job.edits.size(), &job.written->text);
    job.phase = Phase::Editing;
}

// The replace of the file by the new text, on the background thread, with
// the looks at the file around it (whether it is still, its new stamp: each
// 0.3–0.5 ms under Wine): the step's own work ends with its start.
// The new text of a write from the text in force (or from the same text
// under a new stamp) is parsed meanwhile, so that it is in force from the
// step that takes the result.
void startReplace() {
    if (job.written->text == *job.baseText) return end(SettingsWriteEnd::Written);  // it holds them already
    job.framesReplacing = 0;
    startBackgroundCall([] {
        job.wasStill = settingsFileStill();
        if (!job.wasStill) return;
        job.replaced = replaceFileContent(settingsFilePath, *job.baseText, job.baseStamp, job.written->text);
        job.newStampKnown = job.replaced == ReplaceResult::Replaced && settingsFileStamp(&job.newStamp);
    });
    if (job.parsesNew) job.parse.start(job.written->text, settingsSectionName, &job.written->section);
    job.phase = job.parsesNew ? Phase::ParsingNew : Phase::Replaced;
}

void takeReplaceResult() {
    if (backgroundCallRunning() && ++job.framesReplacing < framesBeforeWaitingForReplace) return;
    waitForBackgroundCall();
    if (!job.wasStill) return end(SettingsWriteEnd::NotStill);
    switch (job.replaced) {
        case ReplaceResult::Replaced:
            break;
        case ReplaceResult::Changed:
            job.phase = Phase::Begin;  // saved since our read: from his text again
            return;
        case ReplaceResult::Failed:
            return end(SettingsWriteEnd::Unwritable);
    }
    noteOwnSettingsWrite(job.newStampKnown ? job.newStamp.writeTime : 0);
    releaseHeldSettings(job.chosen.data(), job.chosen.size());
    if (job.parsesNew && job.newStampKnown) {
        job.written->stamp = job.newStamp;
        returnSpareSettingsRead(true);
    } else if (job.basedOnLastRead) {
        // The file as we wrote it is the file as last read with our keys
        // (a write that merged them into a save of the player's that the last
        // read had not seen is left to the next check, which announces it).
        job.heldText = job.written->text;
        takeOwnWriteWhole(&job.heldText);
    }
    end(SettingsWriteEnd::Written);
}

// One slice of the phase's work.
void advance() {
    switch (job.phase) {
        case Phase::Begin:
            return begin();
        case Phase::ReadingBase:
            return readBase();
        case Phase::ParsingBase:
            if (job.parse.advance(settingsSliceBytes)) job.phase = Phase::Choosing;
            return;
        case Phase::Choosing:
            return choose();
        case Phase::Listing:
            return list();
        case Phase::Editing:
            if (job.editor.advance(settingsSliceBytes)) job.phase = Phase::Starting;
            return;
        case Phase::Starting:
            return startReplace();
        case Phase::ParsingNew:
            if (job.parse.advance(settingsSliceBytes)) job.phase = Phase::Replaced;
            return;
        case Phase::Replaced:
            return takeReplaceResult();
    }
}

}  // namespace

bool startSettingsWrite(std::unique_ptr<SettingsKeysChooser> chooser, SettingsWriteDone done) {
    if (running) return false;
    job.chooser = std::move(chooser);
    job.done = std::move(done);
    job.phase = Phase::Begin;
    job.tries = 0;
    job.chosen.clear();
    job.written = &lendSpareSettingsRead();
    running = true;
    return true;
}

bool settingsWriteRunning() { return running; }

bool stepSettingsWrite() {
    if (!running) return false;
    ++stepsMade;
    endedInStep = false;
    // Our thread for the replace is kept while the write lasts; when there is
    // none (the script's start makes it), making it (milliseconds under
    // Wine) is the step.
    if (keepBackgroundThread()) return true;
    const uint64_t start = performanceCounterMicroseconds();
    // A slice like the last one must still fit in the share: the step ends
    // before one that would run over it (a slice of the disk's, some 0.3 ms).
    uint64_t spent = 0, slice = 0;
    do {
        bool alone = stepOfItsOwn(job.phase);
        advance();
        if (alone) return true;
        const uint64_t now = performanceCounterMicroseconds() - start;
        slice = now - spent;
        spent = now;
    } while (!endedInStep && !stepOfItsOwn(job.phase) && spent + slice < settingsStepMicroseconds);
    return true;
}

void finishSettingsWrite() {
    while (running) stepSettingsWrite();
}

size_t settingsWriteSteps() { return stepsMade; }
