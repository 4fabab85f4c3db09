#include "menu/menu_controls.h"

#include <cstdint>

#include "host/natives/control_natives.h"
#include "settings/settings_record.h"

namespace {

// The game's control numbers that the menu's keys, d-pad, accept and cancel
// also work, or that would fire while the player is in the menu.
constexpr int32_t clashingControls[] = {
    24, 257, 69, 70, 92, 114,          // attack, on foot and in vehicles
    25, 68, 91, 140, 141, 142, 143,    // aim (also in vehicles), melee attacks and block
    106, 122, 135, 346, 347,           // what the mouse buttons do in vehicles
    37, 12, 13, 14, 15, 16, 17,        // the weapon wheel and weapon switching
    99, 100, 261, 262,                 //   (in vehicles and with the mouse wheel)
    27, 172, 173, 174, 175, 176, 177,  // the phone and its keys
    19, 20, 47, 51, 74, 85,            // what the d-pad does in the game
    18, 45, 80,                        // what accept and cancel do in the game
};
constexpr int32_t lookControls[] = {1, 2};  // the camera looking left-right and up-down

void disableChordButtons(int32_t first, int32_t second) {
    if (first >= 0) disableControlAction(first);
    if (second >= 0) disableControlAction(second);
}

}  // namespace

void disableClashingControls(bool mouse) {
    for (int32_t control : clashingControls) disableControlAction(control);
    if (mouse)
        for (int32_t control : lookControls) disableControlAction(control);
    // The controller chords of the other features.
    if (settings.activate_controller)
        disableChordButtons(settings.respawn_on_demand_controller_button_1_of_2,
                            settings.respawn_on_demand_controller_button_2_of_2);
    disableChordButtons(settings.menu_controller_button_1_of_2, settings.menu_controller_button_2_of_2);
}
