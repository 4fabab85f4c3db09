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

constexpr const char* pageSummaries[LineCount] = {
    "The chances of each kind of respawn, how near it lies, the vehicles and aircraft",
    "Weapons, armour, money and the skin after a respawn",
    "The waits around a respawn and the slow motion at death",
    "Save the place you stand at or the map's waypoint, see the points on the map, go to one or delete it",
    "Respawn now, as the chord does",
    "The version, the log, the settings file and what the settings check finds in it",
};

class PagesPage final : public MenuPage {
public:
    const char* title() const override { return "Pages"; }
    int lineCount() const override { return LineCount; }
    void describe(int line, MenuLine* out) const override {
        const MenuPage* page = pageOn(line);
        std::snprintf(out->label, sizeof out->label, "%s", page ? page->title() : "Respawn now");
    }
    void explain(int line, const MenuLine&, char* text, size_t size) const override {
        std::snprintf(text, size, "%s", pageSummaries[line]);
    }
    bool acts(int) const override { return true; }
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
