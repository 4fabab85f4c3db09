#pragma once
// The game controls that clash with the open menu, disabled for one frame at
// a time: the player can still walk and drive while it is open.

void disableClashingControls();
