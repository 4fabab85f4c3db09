#include "plugin/frame_loop.h"

#include "host/host_abi.h"
#include "host/script_entry.h"
#include "menu/menu.h"
#include "menu/point_blips.h"
#include "platform/background_call.h"
#include "platform/clock.h"
#include "plugin/chords.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "plugin/startup_banner.h"
#include "respawn/death_handler.h"
#include "respawn/respawn_sequences.h"
#include "shared/on_screen_text.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_file.h"
#include "settings_io/settings_write_job.h"
#include "shared/table_random.h"
#include "skin/player_skin.h"
#include "spawn/save_spawn_point.h"

void scriptMain() {
    seedTableRandom(tickCount());
    runMainLoop();
}

namespace {

// The menu is never drawn over a sequence of ours: this one call, on each
// frame's menu turn, closes it before any (the death handler comes right
// after the first turn; a respawn by the chord closes it itself).
void closeMenuBeforeOurSequences() {
    if (isMenuOpen() && sequenceOfOursDue()) closeMenu();
}

// A pass of the loop spans two frames (the death handler's watch waits one):
// the menu's chord is heard, and the open menu drawn, on each of them.
void menuFrame() {
    if (menuChordTriggered()) toggleMenu();
    closeMenuBeforeOurSequences();
    runMenu();
}

}  // namespace

void runMainLoop() {
    captureStartState();
    // A write that an earlier run of the script left going ends first: its
    // replace may be on our thread now, with the temporary file the recovery
    // would remove.
    finishSettingsWrite();
    recoverSettingsFile();
    // The thread of our writes' disk calls is made at the start, in a frame
    // of its own (its making takes milliseconds under Wine), and in no frame
    // of the menu's.
    if (keepBackgroundThread()) host::scriptWait(0);
    // A script started afresh is a new game: the blips of an earlier one are gone.
    closeMenu();
    forgetPointBlips();
    // A large file is parsed a step per frame; the loop starts once it is read.
    SettingsRead read;
    while ((read = readSettingsForFrame()) == SettingsRead::Parsing) host::scriptWait(0);
    if (read == SettingsRead::Failed) applyBuiltInSettings();
    settingsFileChanged();
    for (;;) {
        // A write of ours goes on a step each frame; the check's read waits
        // for a frame without one (the write keeps the text in force anyway).
        bool wrote = stepSettingsWrite();
        if (respawnOnDemandRequested()) {
            closeMenu();
            respawnOnDemand(true);
        }
        if (saveSpawnPointRequested()) saveCurrentPlaceAsSpawnPoint();
        finishWaitingSpawnPointSave();
        if (!wrote && settingsRereadDue()) runSettingsReread();
        menuFrame();
        handleDeathAndArrest();
        trackPlayerModel();
        showStartupBanner();
        stepSettingsWrite();
        menuFrame();
        host::scriptWait(0);
    }
}
