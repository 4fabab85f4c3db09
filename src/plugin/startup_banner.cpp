#include "plugin/startup_banner.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "checker/findings_log.h"
#include "host/natives/gameplay_natives.h"
#include "pelorin_version.h"
#include "settings/key_names.h"
#include "settings/settings_record.h"
#include "settings_io/settings_file.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"
#include "shared/event_log.h"
#include "shared/on_screen_text.h"
#include "shared/player_state.h"

namespace {

void announceLoad() {
    int problems = settingsFileExists() ? settingsProblemCount() : 0;
    if (problems == 0) {
        showNotification("Pelorin " PELORIN_VERSION " loaded");
        return;
    }
    char text[120];
    std::snprintf(text, sizeof text,
                  "Pelorin " PELORIN_VERSION " loaded: %d problem%s in Pelorin.ini, run pelorin-check.exe", problems,
                  problems == 1 ? "" : "s");
    showNotification(text);
}

void announceMissingFile() {
    const char* misnamed = misnamedSettingsFile();
    if (misnamed == nullptr) {
        showNotification("Pelorin.ini was not found. Please install it.");
        return;
    }
    char text[160];
    bool savedAsText = std::strstr(misnamed, ".txt") != nullptr;
    std::snprintf(text, sizeof text, "Pelorin.ini was not found, but %s is there: rename it to Pelorin.ini%s", misnamed,
                  savedAsText ? " (Windows hides the .txt)" : "");
    showNotification(text);
}

// The keys that came after the first release which the file lacks, with the
// values they take (into values, which must hold room for every key): a file
// of an older Pelorin. A key whose shipped value is -1 (none) is one the
// shipped file leaves out too.
std::vector<SettingsValue> laterKeysMissing(std::vector<std::string>* values) {
    std::vector<SettingsValue> missing;
    std::string_view value;
    for (const SettingKey& key : settingKeys) {
        if (!takesShippedValueWhenMissing(key) || key.builtIn == -1) continue;
        if (findProfileValue(settingsSectionAsRead(), key.name, &value)) continue;
        values->push_back(std::to_string(static_cast<long>(key.builtIn)));
        missing.push_back(SettingsValue{key.name, values->back().c_str()});
    }
    return missing;
}

// Once per update: what is new, with the chords in force. The keys it tells
// of are then written into the file with the values they already had, so that
// the next start finds a file of this version; the player's own lines stay as
// he wrote them. A file that cannot take them hears the news at every start.
void announceWhatIsNew() {
    std::vector<std::string> values;
    values.reserve(settingKeyCount);
    std::vector<SettingsValue> missing = laterKeysMissing(&values);
    if (missing.empty()) return;
    char menu[32], save[32], text[200];
    chordName(settings.menu_key_1_of_2, settings.menu_key_2_of_2, menu, sizeof menu);
    chordName(settings.save_spawn_point_key_1_of_2, settings.save_spawn_point_key_2_of_2, save, sizeof save);
    std::snprintf(text, sizeof text,
                  "New in Pelorin " PELORIN_VERSION ": a menu with every setting, open it with %s; save where you "
                  "stand as a custom point with %s; Pelorin.log",
                  menu, save);
    showNotification(text);
    // Written in steps over the next frames (a write of ours still running ends first).
    finishSettingsWrite();
    startWritingSettingsKeys(missing.data(), missing.size(), [](bool written) {
        if (written)
            logEvent("the settings of Pelorin " PELORIN_VERSION
                     " that Pelorin.ini lacked were added with their shipped values");
        else
            logEvent("could not add the settings of Pelorin " PELORIN_VERSION
                     " to Pelorin.ini; they take their shipped values");
    });
}

}  // namespace

// Shown once, on the first frame without a loading screen.
void showStartupBanner() {
    if (playerState.bannerShown || getIsLoadingScreenActive()) return;
    announceLoad();
    if (settingsFileExists()) {
        if (settingsTextVersion() != 0) announceWhatIsNew();  // a text was read
    } else {
        announceMissingFile();
    }
    playerState.bannerShown = true;
}
