#pragma once
// Draws the menu for the current frame with the game's rectangles and text,
// in screen fractions that keep the menu's shape on any aspect ratio: widths
// are laid out in units of the screen's height and divided by the ratio.
#include "menu/menu_view.h"

void drawMenu(const MenuView& view);
