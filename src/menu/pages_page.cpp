// The list of pages, with Respawn now among them.
#include <cstdio>

#include "menu/menu.h"
#include "menu/pages.h"
#include "respawn/respawn_sequences.h"

namespace {

enum Line { WhereYouComeBack, WhatYouKeep, Timing, CustomPoints, RespawnNow, About, LineCount };

constexpr const char* labels[LineCount] = {
    "Where you come back", "What you keep", "Timing", "Custom points", "Respawn now", "About",
};

class PagesPage final : public MenuPage {
public:
    const char* title() const override { return "Pages"; }
    int lineCount() const override { return LineCount; }
    void describe(int line, MenuLine* out) const override {
        std::snprintf(out->label, sizeof out->label, "%s", labels[line]);
    }
    bool accept(int line) override {
        switch (line) {
            case WhereYouComeBack: openPage(whereYouComeBackPage()); return true;
            case WhatYouKeep: openPage(whatYouKeepPage()); return true;
            case Timing: openPage(timingPage()); return true;
            case CustomPoints: openPage(customPointsPage()); return true;
            case About: openPage(aboutPage()); return true;
            case RespawnNow:
                closeMenu();
                respawnOnDemand(true);
                return true;
        }
        return false;
    }
    const char* help(int line) const override {
        return line == RespawnNow ? "Enter: respawn now, as the chord does   Backspace: close"
                                  : "Up/down: choose   Enter: open   Backspace: close";
    }
};

PagesPage page;

}  // namespace

MenuPage& pagesPage() { return page; }
