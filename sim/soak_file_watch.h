#pragma once
// The player's settings file, watched from outside the plug-in after every
// script turn of a soak episode: it is always the text the player last saved,
// or that text with keys the plug-in writes set ("stored_last_used_skin", new
// custom points, "number_of_custom_spawn_points_in_use", the keys that came after
// the first release with the values an older file gives them), never a part or a
// mix of texts; no custom point of the player's ever changes; a link he made
// stays a link; and the stored skin only ever becomes one he chose. What he
// chose: a skin he wore at the start or typed into the file, or one that his
// ped took while alive, free and outside the game's death or arrest sequence
// (the plug-in's choices on his settings' behalf included). A skin put on
// while he was dead, arrested or being brought back is forced on him. What he
// asks of the menu is his too: a value he changes there, and a custom point he
// deletes there (the later points moved up a number, nothing else changed).
#include <cstdint>
#include <set>
#include <string>

#include "sim/soak_invariants.h"
#include "sim/world.h"

namespace sim::soak {

class SettingsFileWatch {
public:
    SettingsFileWatch(World& world, ViolationSink& sink);
    // The file as the player saved it (at the start, an edit, an editor's save
    // in the middle of a read): his text from now on. Call checkNow before his
    // save where the plug-in may have written since the last look.
    void playerSaved(const std::string& text);
    // His editor saved by renaming a new file over the file: a second name
    // the file had is no longer the same file (his doing, not ours), and the
    // new file is writable whatever the old one was.
    void playerReplacedFile();
    // He changes the key's value in the menu: it may take a new value (once).
    void playerChangesInMenu(const std::string& key);
    // He deletes a custom point in the menu: one point may go, the later ones
    // moving up a number (once).
    void playerDeletesPointInMenu();
    // He made the file read-only, or writable again.
    void playerMadeReadOnly(bool readOnly);
    // He made "Pelorin.ini" a symbolic link to target, or gave the file a
    // second name, target (a hard link).
    void playerLinked(bool symbolic, const std::string& target);
    // The path of the file itself (the link's target when he linked it).
    const std::string& filePath() const { return target_; }
    // The file's text as it is now.
    std::string currentText() const;
    void afterScriptTurn();
    void afterGameFrame();
    // Looks at the file now (also before each save of the player's, and at the
    // end of the episode).
    void checkNow();

private:
    struct Stamp {
        uint64_t device = 0, inode = 0, size = 0, seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp& o) const {
            return device == o.device && inode == o.inode && size == o.size && seconds == o.seconds &&
                   nanoseconds == o.nanoseconds;
        }
    };
    static Stamp stampOf(const std::string& path);
    void checkText(const std::string& text);
    void checkPoints(const std::string& text);
    void checkStoredSkin(const std::string& text);
    void checkLink();

    World& w_;
    ViolationSink& sink_;
    std::string target_ = "Pelorin.ini";  // the file itself
    std::string otherName_;                 // its second name, when hard-linked
    bool symbolicLink_ = false, hardLink_ = false, readOnly_ = false;
    std::string accepted_;           // the file as last seen, the player's or ours from it
    Stamp seenStamp_;                // its identity, size and write time then
    std::set<uint32_t> chosenSkins_;
    std::set<std::string> menuKeys_;  // keys he changes in the menu, until written
    bool menuDelete_ = false;         // a point he deletes in the menu, until deleted
    uint32_t lastModel_ = 0;
    uint64_t turns_ = 0;
};

}  // namespace sim::soak
