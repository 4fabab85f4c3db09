#pragma once
// The game controls that clash with the open menu, disabled for one frame at
// a time: the player can still walk and drive while it is open. With the
// keyboard and mouse in use (mouse: true) the mouse works the menu's cursor,
// so the camera does not look around with it either.

void disableClashingControls(bool mouse);
