#pragma once
// The in-game menu: opened and closed by its chord, a stack of pages moved
// through with the arrows (or the d-pad), Enter and Backspace, or the mouse
// (a click selects a line and acts on the one selected), drawn on every frame
// while it is open. Closed, it costs a frame no native call.
#include <functional>

#include "menu/menu_page.h"

bool isMenuOpen();
// The chord fired: opens the menu on its first page, Where you come back,
// with the cursor on the first line, unless the player is dead or being
// arrested, or a loading screen, a cutscene or a black screen shows; closes
// it when open.
void toggleMenu();
void closeMenu();
// The menu's work for the current frame: the closing rules, the player's
// input, the drawing. Called at every frame of the main loop's pass; does
// nothing a second time on the same game frame.
void runMenu();

// For the pages.
void openPage(MenuPage& page);
void closePage();
// The page is the one shown (a write that ends frames later asks).
bool isPageShown(const MenuPage& page);
// Shows a notice in the help line for a few seconds.
void showMenuNotice(const char* text);
// Calls show (which shows a notice) once the settings are read again after a
// write of ours that met a save of the player's (readSettingsSoon), so that
// it tells what the file holds now; dropped when the menu closes.
void showMenuNoticeOnceRead(std::function<void()> show);
