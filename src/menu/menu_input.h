#pragma once
// What the player asks of the open menu on a frame: arrows or the d-pad to
// move and change (held, they repeat), the mouse wheel to move, Enter or
// accept to act, Backspace or cancel to go back, and a left click of the
// game's mouse cursor. Keys come from the host's keyboard messages, as the
// chords read them; with a controller in use, from the game's front-end
// controls (and there is no cursor).

enum class MenuAction { None, Up, Down, Left, Right, Accept, Back };

// Forgets what was pressed while the menu was closed.
void resetMenuInput();
// One action at most per frame; a second press waits for the next frame.
// keyboard: the game says the keyboard and mouse are in use.
MenuAction readMenuAction(bool keyboard);

// With the keyboard and mouse in use: the cursor shown for this frame, and a
// left click on it, where it stood (fractions of the screen's width and
// height from its top left).
struct MenuClick {
    bool clicked;
    float x, y;
};
MenuClick showCursorAndReadClick();
