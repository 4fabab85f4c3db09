#include "menu/menu_page.h"

bool MenuPage::change(int, int) { return false; }

bool MenuPage::accept(int) { return false; }

bool MenuPage::writes(int) const { return false; }

const char* MenuPage::help(int) const { return "Up/down: choose   Enter: open   Backspace: back"; }

void MenuPage::opened() {}

void MenuPage::refresh() {}
