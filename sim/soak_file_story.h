#pragma once
// The settings-file part of a soak episode's story, drawn from its generator:
// the save chord pressed (custom points written), a value changed or a point
// deleted in the menu, an editor's save that lands in the middle of one of
// the plug-in's reads, the file made read-only for a
// while, turned into a link (symbolic, or a second name), and the disk full
// for a while. Every change the player makes is told to the watch.
#include <optional>
#include <string>
#include <random>

#include "sim/soak_file_faults.h"
#include "sim/soak_file_watch.h"
#include "sim/soak_story.h"
#include "sim/world.h"

namespace sim::soak {

class FileFaultStory {
public:
    FileFaultStory(World& world, std::mt19937_64& random, Story& story, SettingsFileWatch& watch);
    ~FileFaultStory();
    // The disk is full for the script's turns within its time.
    void beforeScriptTurn();
    void afterScriptTurn();

private:
    void scheduleEditorSave(std::mt19937_64& random, Story& story, uint32_t at, bool onChord);
    void scheduleMenuEdit(std::mt19937_64& random, Story& story, uint32_t at);
    void scheduleLink(std::mt19937_64& random, Story& story, uint32_t at);
    void tellWatchOfSave();

    World& w_;
    SettingsFileWatch& watch_;
    bool diskFull_ = false;
    // What a save did inside the plug-in's read, told to the watch after the
    // script's turn (nothing allocated meanwhile, as the plug-in's own work).
    std::string savedText_;
    enum class Struck { No, Emptied, Saved } struck_ = Struck::No;
    bool renamedOver_ = false;
    std::optional<FullDisk> fullDisk_;
};

}  // namespace sim::soak
