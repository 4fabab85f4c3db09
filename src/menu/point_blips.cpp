#include "menu/point_blips.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "host/natives/hud_natives.h"
#include "host/natives/map_natives.h"
#include "shared/player_state.h"
#include "settings_io/settings_store.h"
#include "spawn/custom_spawn.h"

namespace {

constexpr int32_t pointSprite = 1;  // the map's plain round blip
constexpr int32_t pointColour = 3;  // blue

bool shown = false;
int32_t blips[mostPointBlips];
int blipCount = 0;
uint32_t pointsVersion = 0;          // the settings text the blips show
uint32_t loadingScreenEndShown = 0;  // the last loading screen before they were added

void addBlips() {
    const ProfileSection& section = settingsSectionAsRead();
    int32_t count = std::min<int32_t>(customSpawnPointsInUse(), mostPointBlips);
    for (int32_t number = 1; number <= count; ++number) {
        CustomSpawnPoint point = customSpawnPointIn(section, number);
        int32_t blip = addBlipForCoord(point.x, point.y, point.z);
        setBlipSprite(blip, pointSprite);
        setBlipColour(blip, pointColour);
        char name[40];
        std::snprintf(name, sizeof name, "Custom spawn point %d", static_cast<int>(number));
        beginTextCommandSetBlipName("STRING");
        addTextComponentSubstringPlayerName(name);
        endTextCommandSetBlipName(blip);
        blips[blipCount++] = blip;
    }
    pointsVersion = settingsTextVersion();
    loadingScreenEndShown = playerState.loadingScreenEndTime;
}

void removeBlips() {
    for (int i = 0; i < blipCount; ++i) removeBlip(&blips[i]);
    blipCount = 0;
}

}  // namespace

void showPointBlips(bool on) {
    removeBlips();
    shown = on;
    if (on) addBlips();
}

bool pointBlipsShown() { return shown; }

void forgetPointBlips() {
    shown = false;
    blipCount = 0;
}

void keepPointBlips() {
    if (!shown) return;
    if (playerState.loadingScreenEndTime != loadingScreenEndShown) return showPointBlips(false);
    if (pointsVersion != settingsTextVersion()) showPointBlips(true);
}
