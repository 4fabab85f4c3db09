// The custom spawn points: save where the player stands or the map's
// waypoint, show them on the map, and the list, each with how far and which
// way it lies; Enter on a point opens its page.
#include <cstdio>

#include "host/natives/entity_natives.h"
#include "host/natives/map_natives.h"
#include "host/natives/player_natives.h"
#include "menu/menu.h"
#include "menu/pages.h"
#include "menu/point_blips.h"
#include "menu/point_direction.h"
#include "settings_io/settings_store.h"
#include "spawn/custom_spawn.h"
#include "spawn/save_spawn_point.h"
#include "spawn/waypoint_place.h"

namespace {

enum Line { SaveHere, SaveWaypoint, ShowOnMap, FirstPoint };

class CustomPointsPage final : public MenuPage {
public:
    const char* title() const override { return "Custom points"; }
    int lineCount() const override { return FirstPoint + pointCount(); }

    void refresh() override {
        Vector3 here = getEntityCoords(playerPedId());
        playerX_ = here.x;
        playerY_ = here.y;
        waypointSet_ = isWaypointActive();
    }

    void describe(int line, MenuLine* out) const override {
        switch (line) {
            case SaveHere:
                std::snprintf(out->label, sizeof out->label, "Save where I stand");
                return;
            case SaveWaypoint:
                std::snprintf(out->label, sizeof out->label, "Save the map's waypoint");
                if (!waypointSet_) std::snprintf(out->value, sizeof out->value, "none set");
                out->dimmed = !waypointSet_;
                return;
            case ShowOnMap:
                std::snprintf(out->label, sizeof out->label, "Show the points on the map");
                std::snprintf(out->value, sizeof out->value, "%s", pointBlipsShown() ? "On" : "Off");
                return;
        }
        int number = line - FirstPoint + 1;
        CustomSpawnPoint point = customSpawnPointIn(settingsSectionAsRead(), number);
        std::snprintf(out->label, sizeof out->label, "Point %d", number);
        describeDistance(playerX_, playerY_, point.x, point.y, out->value, sizeof out->value);
    }

    int listStart() const override { return FirstPoint; }
    bool changeable(int line) const override { return line == ShowOnMap; }
    bool change(int, int) override {
        showPointBlips(!pointBlipsShown());
        return true;
    }

    bool acts(int) const override { return true; }
    bool accept(int line) override {
        switch (line) {
            case SaveHere:
                saveCurrentPlaceAsSpawnPoint();
                return true;
            case SaveWaypoint: {
                Vector3 place;
                if (!waypointPlace(&place)) {
                    showMenuNotice("No waypoint is set on the map");
                    return false;
                }
                saveSpawnPointAt(place);
                return true;
            }
            case ShowOnMap:
                return change(line, 1);
        }
        openPage(customPointPage(line - FirstPoint + 1));
        return true;
    }

    bool writes(int line) const override { return line == SaveHere || line == SaveWaypoint; }

    const char* help(int line) const override {
        switch (line) {
            case SaveHere: return "Enter: save this place as the next point";
            case SaveWaypoint: return "Enter: save the waypoint you set on the map as the next point";
            case ShowOnMap:
                return pointBlipsShown() ? "Enter or left/right: take the points off the map"
                                         : "Enter or left/right: show the points on the map";
        }
        return "Enter: go there or delete it   Backspace: back";
    }

private:
    static int pointCount() {
        int32_t count = customSpawnPointsInUse();
        return count > 0 ? count : 0;
    }

    float playerX_ = 0, playerY_ = 0;
    bool waypointSet_ = false;
};

CustomPointsPage page;

}  // namespace

MenuPage& customPointsPage() { return page; }
