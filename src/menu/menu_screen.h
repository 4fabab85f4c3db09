#pragma once
// Draws the menu for the current frame with the game's rectangles and text,
// in screen fractions that keep the menu's shape on any aspect ratio: widths
// are laid out in units of the screen's height and divided by the ratio.
#include "menu/menu_view.h"

void drawMenu(const MenuView& view);

// Where a point of the screen (in fractions of its width and height) falls on
// the menu as it was last drawn: on a line (by its place among the view's
// lines), and there on the ◄ or ► of a value left and right change, or off
// the lines (the titles, the description and help, outside the box).
enum class MenuSpotPart { OffTheLines, Line, LeftArrow, RightArrow };
struct MenuSpot {
    MenuSpotPart part;
    int slot;  // among the view's lines, when on a line
};
MenuSpot menuSpotAt(float x, float y);
