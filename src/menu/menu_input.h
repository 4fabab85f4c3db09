#pragma once
// What the player asks of the open menu on a frame: arrows or the d-pad to
// move and change (held, they repeat), the mouse wheel to move, Enter or accept to act, Backspace or
// cancel to go back. Keys come from the host's keyboard messages, as the
// chords read them; with a controller in use, from the game's front-end
// controls.

enum class MenuAction { None, Up, Down, Left, Right, Accept, Back };

// Forgets what was pressed while the menu was closed.
void resetMenuInput();
// One action at most per frame; a second press waits for the next frame.
MenuAction readMenuAction();
