#include "sim/soak_file_story.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <initializer_list>

#include "settings/settings_key_texts.h"
#include "settings/settings_keys.h"
#include "settings/spawn_roll.h"
#include "sim/game_events.h"

namespace sim::soak {
namespace {

// The disk's room while it is full: less than any settings file of the soak.
constexpr size_t fullDiskBytes = 512;

int uniform(std::mt19937_64& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool chance(std::mt19937_64& random, double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; }

void describe(Story& story, const char* format, long a = 0, long b = 0) {
    char line[160];
    std::snprintf(line, sizeof line, format, a, b);
    story.description += line;
}

// The save chord of the shipped settings: Ctrl held, L pressed and released.
constexpr uint32_t chordReleaseMs = 200;
void pressSaveChord(World& w, uint32_t at) {
    uint32_t now = w.tick() + at;
    w.keyMessageAt(now, 0x11, false);
    w.keyMessageAt(now + 100, 0x4C, false);
    w.keyMessageAt(now + chordReleaseMs, 0x4C, true);
    w.keyMessageAt(now + 350, 0x11, true);
}

// The menu chord of the shipped settings (Ctrl+F7), and the keys that move in it.
constexpr uint32_t keyCtrl = 0x11, keyF7 = 0x76, keyBackspace = 0x08, keyEnter = 0x0D, keyDown = 0x28,
                   keyRight = 0x27;
constexpr uint32_t menuKeyGapMs = 200;
void pressMenuChord(World& w, uint32_t at) {
    uint32_t now = w.tick() + at;
    w.keyMessageAt(now, keyCtrl, false);
    w.keyMessageAt(now + 40, keyF7, false);
    w.keyMessageAt(now + 80, keyF7, true);
    w.keyMessageAt(now + 120, keyCtrl, true);
}
// Keys tapped one after another from at; returns when the last is released.
uint32_t tapKeys(World& w, uint32_t at, std::initializer_list<uint32_t> keys) {
    for (uint32_t key : keys) {
        at += menuKeyGapMs;
        w.keyMessageAt(w.tick() + at, key, false);
        w.keyMessageAt(w.tick() + at + 50, key, true);
    }
    return at + 50;
}
// The menu opens on its first settings page, on the switch of the respawn;
// the line below it is the first of the spawn chances, which Right raises.
constexpr const char* firstMenuKey = settingKey(spawnModes[0].chance).name;
// A click of the mouse on the ► of the line with this label, as the menu
// drew it when the click comes (nothing when it drew no such line); returns
// when the click is over.
uint32_t clickRightArrow(World& w, uint32_t at, const char* label) {
    at += menuKeyGapMs;
    w.at(w.tick() + at, [label](World& world) {
        const std::vector<ScreenItem>& items = world.lastFrame.items;
        for (size_t i = 0; i + 1 < items.size(); ++i) {
            if (!items[i].isText || items[i].text.text != label || !items[i + 1].isText) continue;
            const TextDraw& value = items[i + 1].text;  // right-justified, ending in ►
            mouseClickAt(world, world.tick(), value.wrapRight - 0.002f, value.y + 0.01f);
            return;
        }
    });
    return at + 50;
}
// Right tapped at, as a player does who looks first: only while the line with
// this label is the one selected (drawn dark), as the menu drew it last; else
// he leaves it (a key lost to a respawn, say, left the cursor elsewhere).
// Returns when the key is released.
uint32_t tapRightOnLine(World& w, uint32_t at, const char* label) {
    at += menuKeyGapMs;
    w.at(w.tick() + at, [label](World& world) {
        for (const ScreenItem& item : world.lastFrame.items) {
            const TextDraw& t = item.text;
            if (!item.isText || t.text != label || t.red >= 50 || t.green >= 50 || t.blue >= 50) continue;
            world.keyMessageAt(world.tick(), keyRight, false);
            world.keyMessageAt(world.tick() + 50, keyRight, true);
            return;
        }
    });
    return at + 50;
}
// The menu's closing chord this long after the last key: time for a write
// that waits until the file is still.
constexpr uint32_t menuOpenAfterMs = 4000;

}  // namespace

FileFaultStory::FileFaultStory(World& world, std::mt19937_64& random, Story& story, SettingsFileWatch& watch)
    : w_(world), watch_(watch) {
    auto moment = [&]() { return static_cast<uint32_t>(uniform(random, 1000, static_cast<int>(story.lengthMs))); };
    uint32_t chordAt = 0;
    for (int i = chance(random, 0.5) ? uniform(random, 1, 2) : 0; i > 0; --i) {
        chordAt = moment();
        pressSaveChord(w_, chordAt);
        describe(story, "save chord at %ld; ", chordAt);
    }
    if (chance(random, 0.25)) {
        // Half of them while the chord's write reads the file (its release).
        bool onChord = chordAt != 0 && chance(random, 0.5);
        scheduleEditorSave(random, story, onChord ? chordAt + chordReleaseMs : moment(), onChord);
    }
    if (chance(random, 0.1)) {
        uint32_t at = moment(), lasts = static_cast<uint32_t>(uniform(random, 1000, 30000));
        w_.after(at, [this](World&) {
            watch_.checkNow();
            chmod(watch_.filePath().c_str(), 0444);
            watch_.playerMadeReadOnly(true);
        });
        w_.after(at + lasts, [this](World&) {
            chmod(watch_.filePath().c_str(), 0644);
            watch_.playerMadeReadOnly(false);
        });
        describe(story, "file read-only from %ld to %ld; ", at, at + lasts);
    }
    if (chance(random, 0.1)) scheduleLink(random, story, moment());
    if (chance(random, 0.15)) scheduleMenuEdit(random, story, moment());
    if (chance(random, 0.1)) {
        uint32_t at = moment(), lasts = static_cast<uint32_t>(uniform(random, 1000, 30000));
        w_.after(at, [this](World&) { diskFull_ = true; });
        w_.after(at + lasts, [this](World&) { diskFull_ = false; });
        describe(story, "disk full from %ld to %ld; ", at, at + lasts);
    }
}

FileFaultStory::~FileFaultStory() {
    fullDisk_.reset();
    disarmSaveDuringRead();
}

// The player saves the file in an editor (a comment added to what it holds
// then), and the save lands in the middle of one of the plug-in's next reads.
void FileFaultStory::scheduleEditorSave(std::mt19937_64& random, Story& story, uint32_t at, bool onChord) {
    SaveStyle style = static_cast<SaveStyle>(uniform(random, 0, 2));
    int readsToSkip = onChord ? 0 : uniform(random, 0, 3);
    double cut = std::uniform_real_distribution<double>(0, 1)(random);
    w_.after(at, [this, style, readsToSkip, cut, at](World&) {
        SaveDuringRead save;
        save.path = watch_.filePath();
        save.style = style;
        std::string now = watch_.currentText();
        std::string lineEnd = now.find("\r\n") != std::string::npos ? "\r\n" : "\n";
        save.text = savedText_ = now + "; saved again at " + std::to_string(at) + lineEnd;
        save.afterBytes = static_cast<size_t>(cut * static_cast<double>(now.size()));
        save.readsToSkip = readsToSkip;
        renamedOver_ = style == SaveStyle::WriteAndRename;
        save.struck = [this](const std::string& file) { struck_ = file.empty() ? Struck::Emptied : Struck::Saved; };
        armSaveDuringRead(save);
    });
    const char* const styles[] = {"truncated and rewritten", "truncated, then written", "written and renamed over"};
    char line[160];
    std::snprintf(line, sizeof line, "an editor's save (%s) strikes a read after %ld; ", styles[static_cast<int>(style)],
                  static_cast<long>(at));
    story.description += line;
}

// He raises the first chance of the menu, or deletes his first custom point
// there, and half the time an editor's save strikes the next read (that of
// the menu's write, unless the once-a-second check comes first).
void FileFaultStory::scheduleMenuEdit(std::mt19937_64& random, Story& story, uint32_t at) {
    bool deletes = chance(random, 0.5);
    pressMenuChord(w_, at);
    // Where you come back; or back to the pages, Custom points, Point 1, Delete this point.
    // He raises the chance with the keys, or with a click on its ►.
    bool clicks = !deletes && chance(random, 0.5);
    uint32_t written = deletes ? tapKeys(w_, at, {keyBackspace, keyDown, keyDown, keyDown, keyEnter, keyDown, keyDown,
                                                 keyDown, keyEnter, keyDown, keyEnter})
                       : clicks ? clickRightArrow(w_, at, settingKeyText(spawnModes[0].chance).label)
                                : tapRightOnLine(w_, tapKeys(w_, at, {keyDown}) - 50,
                                                 settingKeyText(spawnModes[0].chance).label);
    w_.after(written - 50, [this, deletes](World&) {
        watch_.checkNow();
        if (deletes)
            watch_.playerDeletesPointInMenu();
        else
            watch_.playerChangesInMenu(firstMenuKey);
    });
    pressMenuChord(w_, written + menuOpenAfterMs);
    describe(story,
             deletes  ? "menu: point 1 deleted at %ld; "
             : clicks ? "menu: first chance raised by a click at %ld; "
                      : "menu: first chance raised at %ld; ",
             written);
    if (chance(random, 0.5)) scheduleEditorSave(random, story, written - 50, true);
}

// He makes the file a symbolic link to his own copy in a folder of his, or
// gives it a second name there.
void FileFaultStory::scheduleLink(std::mt19937_64& random, Story& story, uint32_t at) {
    bool symbolic = chance(random, 0.5);
    w_.after(at, [this, symbolic](World&) {
        watch_.checkNow();
        mkdir("mods", 0755);
        if (symbolic) {
            std::rename("Pelorin.ini", "mods/Pelorin.ini");
            symlink("mods/Pelorin.ini", "Pelorin.ini");
        } else {
            link("Pelorin.ini", "mods/Pelorin.ini");
        }
        watch_.playerLinked(symbolic, "mods/Pelorin.ini");
    });
    describe(story, symbolic ? "file made a symbolic link at %ld; " : "file given a second name at %ld; ", at);
}

void FileFaultStory::beforeScriptTurn() {
    // An editor that truncated the file under a read writes its text by the next turn.
    if (finishPendingSave()) tellWatchOfSave();
    if (diskFull_ && !fullDisk_) fullDisk_.emplace(fullDiskBytes);
}

void FileFaultStory::afterScriptTurn() {
    fullDisk_.reset();
    tellWatchOfSave();
}

void FileFaultStory::tellWatchOfSave() {
    if (struck_ == Struck::No) return;
    watch_.playerSaved(struck_ == Struck::Emptied ? std::string() : savedText_);
    if (struck_ == Struck::Saved && renamedOver_) watch_.playerReplacedFile();
    struck_ = Struck::No;
}

}  // namespace sim::soak
