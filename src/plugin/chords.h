#pragma once
// The respawn-on-demand chords: a two-key keyboard chord, and a two-button
// controller chord when the settings enable it; the two-key chord that saves
// the current place as a custom spawn point; and the chords that open and
// close the menu.
#include <cstdint>

bool isControllerButtonHeld(int32_t control);
bool isControllerButtonJustPressed(int32_t control);
bool keyboardChordTriggered();
// Hold key 1, release key 2; with key 2 at -1, releasing key 1 when no other
// key was pressed while it was held (Ctrl alone never fires with Ctrl+F7).
bool keyChordTriggered(int32_t key1, int32_t key2);
bool controllerChordTriggered();
bool respawnOnDemandRequested();
bool saveSpawnPointRequested();
bool menuChordTriggered();
