#include "menu/menu_page.h"

#include <cstdio>

bool MenuPage::changeable(int) const { return false; }

bool MenuPage::change(int, int) { return false; }

bool MenuPage::accept(int) { return false; }

bool MenuPage::acts(int) const { return false; }

bool MenuPage::writes(int) const { return false; }

void MenuPage::explain(int, const MenuLine& shown, char* text, size_t size) const {
    if (shown.value[0] == '\0')
        std::snprintf(text, size, "%s", shown.label);
    else
        std::snprintf(text, size, "%s: %s", shown.label, shown.value);
}

int MenuPage::listStart() const { return 0; }

const char* MenuPage::help(int) const { return "Up/down: choose   Enter: open   Backspace: back"; }

void MenuPage::opened() {}

void MenuPage::refresh() {}
