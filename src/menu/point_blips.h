#pragma once
// The custom spawn points on the game's map as blips, while the player wants
// them: they follow the points when the settings file changes, and go when he
// switches them off and at a new game (after a loading screen).

// The most blips shown: the map's room for blips is shared with the game.
constexpr int mostPointBlips = 250;

void showPointBlips(bool on);
bool pointBlipsShown();
// The game that held the blips is gone (the script starts afresh): their
// handles mean nothing any more.
void forgetPointBlips();
// Every frame: without a change, no native call.
void keepPointBlips();
