// One custom spawn point: go there now (a respawn of ours to it, to try it),
// or delete it (the later points move up).
#include <cstdio>

#include "menu/menu.h"
#include "menu/pages.h"
#include "respawn/respawn_sequences.h"
#include "settings_io/settings_store.h"
#include "spawn/custom_spawn.h"
#include "spawn/delete_spawn_point.h"

namespace {

enum Line { GoThere, Delete, Position, LineCount };

class CustomPointPage final : public MenuPage {
public:
    void show(int32_t number) {
        number_ = number;
        std::snprintf(title_, sizeof title_, "Custom point %d", static_cast<int>(number));
    }

    const char* title() const override { return title_; }
    int lineCount() const override { return LineCount; }

    void describe(int line, MenuLine* out) const override {
        switch (line) {
            case GoThere:
                std::snprintf(out->label, sizeof out->label, "Go there now");
                if (!customSpawnPointOnMap(point())) {
                    std::snprintf(out->value, sizeof out->value, "off the map");
                    out->dimmed = true;
                }
                return;
            case Delete:
                std::snprintf(out->label, sizeof out->label, "Delete this point");
                return;
            case Position: {
                CustomSpawnPoint p = point();
                std::snprintf(out->label, sizeof out->label, "Position");
                if (customSpawnPointOnMap(p))
                    std::snprintf(out->value, sizeof out->value, "%.1f, %.1f, %.1f", p.x, p.y, p.z);
                else
                    std::snprintf(out->value, sizeof out->value, "off the map: %.3g, %.3g, %.3g", p.x, p.y, p.z);
                out->dimmed = true;
                return;
            }
        }
    }

    bool acts(int line) const override { return line != Position; }
    bool accept(int line) override {
        if (line == GoThere) {
            CustomSpawnPoint destination = point();
            if (!customSpawnPointOnMap(destination)) {
                showMenuNotice("This point lies off the map: a custom spawn never goes there");
                return false;
            }
            closeMenu();
            respawnAtCustomPoint(destination);
            return true;
        }
        if (line == Delete) return deletePoint();
        return false;
    }

    bool writes(int line) const override { return line == Delete; }

    const char* help(int line) const override {
        if (line == GoThere) return "Enter: respawn at this point now, to try it";
        if (line == Delete) return "Enter: delete it; the later points move up a number";
        return "Backspace: back to the points";
    }

    void refresh() override {
        // The point went (deleted in the editor): back to the list.
        if (number_ > customSpawnPointsInUse()) closePage();
    }

private:
    // The delete ends some frames later: the page then says what came of it.
    bool deletePoint() {
        return deleteCustomSpawnPoint(number_, point(), [this](PointDelete outcome) { tellOutcome(outcome); });
    }

    void tellOutcome(PointDelete outcome) {
        switch (outcome) {
            case PointDelete::Deleted:
                if (isPageShown(*this)) closePage();
                return;
            case PointDelete::Changed:
                return showMenuNotice("Pelorin.ini was saved meanwhile with another point here: nothing deleted");
            case PointDelete::Unreadable:
                return showMenuNotice("Pelorin.ini could not be read (it may be being saved): nothing deleted");
            case PointDelete::Unwritable:
                return showMenuNotice("Pelorin.ini could not be written: nothing deleted");
            case PointDelete::NoSuchPoint:
                return showMenuNotice("Pelorin.ini no longer holds this point: nothing deleted");
        }
    }

    CustomSpawnPoint point() const { return customSpawnPointIn(settingsSectionAsRead(), number_); }

    int32_t number_ = 1;
    char title_[32] = "";
};

CustomPointPage page;

}  // namespace

MenuPage& customPointPage(int32_t number) {
    page.show(number);
    return page;
}
