#pragma once
// The menu's pages.
#include <cstdint>

#include "menu/menu_page.h"

// The list of pages: where the menu goes back to from each of them.
MenuPage& pagesPage();
MenuPage& whereYouComeBackPage();
MenuPage& whatYouKeepPage();
MenuPage& timingPage();
MenuPage& customPointsPage();
// One custom point: go there, delete it.
MenuPage& customPointPage(int32_t number);
MenuPage& aboutPage();
