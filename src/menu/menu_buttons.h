#pragma once
// The control hints at the bottom right of the screen while the menu is open,
// as the game shows its own: its instructional buttons movie, with the glyphs
// of the input in use (keys or a controller's buttons).

// Shows the hints for this frame: the movie requested on the menu's first
// frame, drawn once it has loaded, its buttons set again when the selected
// line's hints or the input in use change.
struct MenuButtons {
    bool change;  // left and right change the selected line's value
    bool select;  // Enter acts on it
};
// keyboard: the game says the keyboard and mouse are in use (their glyphs show).
void showMenuButtons(MenuButtons buttons, bool keyboard);
// The menu closed: the movie goes back to the game.
void releaseMenuButtons();
