// The list of pages, with Respawn now among them.
#include <cstdio>

#include "menu/menu.h"
#include "menu/pages.h"
#include "respawn/respawn_sequences.h"

namespace {

enum Line { WhereYouComeBack, WhatYouKeep, Timing, CustomPoints, RespawnNow, About, LineCount };

// The page a line opens, named by its title; nullptr for Respawn now.
MenuPage* pageOn(int line) {
    switch (line) {
        case WhereYouComeBack: return &whereYouComeBackPage();
        case WhatYouKeep: return &whatYouKeepPage();
        case Timing: return &timingPage();
        case CustomPoints: return &customPointsPage();
        case About: return &aboutPage();
    }
    return nullptr;
}

class PagesPage final : public MenuPage {
public:
    const char* title() const override { return "Pages"; }
    int lineCount() const override { return LineCount; }
    void describe(int line, MenuLine* out) const override {
        const MenuPage* page = pageOn(line);
        std::snprintf(out->label, sizeof out->label, "%s", page ? page->title() : "Respawn now");
    }
    bool accept(int line) override {
        if (MenuPage* page = pageOn(line)) {
            openPage(*page);
            return true;
        }
        closeMenu();
        respawnOnDemand(true);
        return true;
    }
    const char* help(int line) const override {
        return line == RespawnNow ? "Enter: respawn now, as the chord does   Backspace: close"
                                  : "Up/down: choose   Enter: open   Backspace: close";
    }
};

PagesPage page;

}  // namespace

MenuPage& pagesPage() { return page; }
