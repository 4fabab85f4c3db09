#include "tests/support/plugin_state.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/keyboard.h"
#include "host/library_entry.h"
#include "plugin/frame_loop.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "shared/table_random.h"
#include "settings_io/held_settings.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"
#include "settings/settings_keys.h"
#include "checker/findings_log.h"
#include "shared/event_log.h"
#include "sim/script_host.h"
#include "sim/soak_file_faults.h"

#ifndef PELORIN_SOURCE_DIR
#define PELORIN_SOURCE_DIR "."
#endif

namespace testing_support {
namespace {

std::string directory;
pid_t directoryMaker = 0;

// The game directory goes when the process that made it ends (a forked child,
// which ends by a signal or _exit, leaves it to its parent).
void removeGameDirectory() {
    if (directory.empty() || getpid() != directoryMaker) return;
    if (chdir("/") != 0) return;
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
}

// The plug-in's globals as they are when the library has just been loaded.
void resetPluginGlobals() {
    playerState = PlayerState{};
    settings = RespawnSettings{};
    settingsFileWriteTime = 0;
    dropHeldSettings();
    for (KeyState& key : keyStates) {
        key.messageTime = 0;
        key.released = 0;
        key.presses = 0;
        key.pressesAtPress = 0;
        key.releasedAlone = 0;
    }
    seedTableRandom(1);
    resetEventLog();
    forgetSettingsProblems();
}

void makeGameDirectory() {
    if (directory.empty()) {
        const char* temporary = std::getenv("TMPDIR");
        std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/pelorin-game-XXXXXX";
        if (!mkdtemp(&pattern[0])) std::abort();
        directory = pattern;
        directoryMaker = getpid();
        std::atexit(removeGameDirectory);
    }
    // Empty: no file, link, folder or leftover of an earlier game stays.
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(directory))
        std::filesystem::remove_all(entry.path());
    if (chdir(directory.c_str()) != 0) std::abort();
}

}  // namespace

sim::World& loadPlugin() {
    sim::stopScript();
    sim::soak::disarmSaveDuringRead();
    sim::World& world = sim::resetWorld();
    makeGameDirectory();
    resetPluginGlobals();
    onLibraryAttach(nullptr);
    return world;
}

const std::string& gameDirectory() { return directory; }

void writeSettingsFile(const std::string& text) {
    std::ofstream(directory + "/Pelorin.ini", std::ios::binary) << text;
}

std::string settingsFileText() {
    std::ifstream in(directory + "/Pelorin.ini", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void removeSettingsFile() { std::remove((directory + "/Pelorin.ini").c_str()); }

std::string shippedSettingsText() {
    std::ifstream in(std::string(PELORIN_SOURCE_DIR) + "/dist/Pelorin.ini", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string builtInSettingsText(const std::string& extraLines) {
    std::string text = "[Player_Respawn]\n";
    for (const SettingKey& key : settingKeys) {
        // A key shipped as -1 (none) is left out, as the shipped file leaves it out.
        if (!key.inRecord || key.builtIn == -1) continue;
        char value[32];
        std::snprintf(value, sizeof value, "%g", key.builtIn);
        text += std::string(key.name) + "=" + value + "\n";
    }
    return text + extraLines;
}

std::string withSetting(std::string text, const std::string& key, const std::string& value) {
    size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return text + key + "=" + value + "\n";
    size_t end = text.find('\n', at + 1);
    return text.replace(at + 1, end - at - 1, key + "=" + value);
}

std::string builtInSettingsWith(const std::vector<Setting>& changes) {
    std::string text = builtInSettingsText();
    for (const Setting& change : changes) text = withSetting(text, change.first, change.second);
    return text;
}

sim::World& gameStartedWith(const std::string& settingsText) {
    sim::World& w = loadPlugin();
    writeSettingsFile(settingsText);
    sim::startScript();
    sim::runFor(std::max<uint32_t>(2000, steppedReadMilliseconds(settingsText.size())));
    return w;
}

size_t mostStepsOfOurWrite(size_t textBytes) {
    // A point's line takes 16 bytes or more; a moved point is three keys.
    const size_t keys = textBytes / 16;
    return 3 * (textBytes / settingsSliceBytes + 1) + textBytes / settingsFileSliceBytes + keys / 3 / 64 + 4 * keys / settingsSliceBytes + 20;
}

bool playUntilOurWriteEnds() {
    const size_t frames = settingsWriteTries * mostStepsOfOurWrite(settingsFileText().size());
    for (size_t frame = 0; frame < frames && settingsWriteRunning(); ++frame) sim::runFor(17);
    return !settingsWriteRunning();
}

uint32_t steppedReadMilliseconds(size_t textBytes) {
    const size_t frames = textBytes / settingsSliceBytes + 10;
    return 1000 + static_cast<uint32_t>(frames * 17);
}

}  // namespace testing_support
