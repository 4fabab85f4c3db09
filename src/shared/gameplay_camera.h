#pragma once
// The gameplay camera turned back to look straight ahead behind the player,
// as after every move to a new place.

void resetGameplayCameraAngles();
