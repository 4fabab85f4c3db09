#pragma once
// What the script does once before its first frame.

// Takes the player's handles and model, and starts the once-a-second clock.
void captureStartState();
