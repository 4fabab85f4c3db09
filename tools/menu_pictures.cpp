#include "tools/menu_pictures.h"

#include <cstdio>
#include <fstream>

#include "sim/game_events.h"
#include "sim/screen_picture.h"
#include "sim/script_host.h"
#include "sim/world.h"

namespace {

void tap(sim::World& w, uint32_t key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        w.keyMessageAt(w.tick() + 10, key, false);
        w.keyMessageAt(w.tick() + 60, key, true);
        sim::runFor(150);
    }
}

constexpr uint32_t up = 38, down = 40, enter = 13, back = 8;

bool save(const sim::World& w, const std::string& folder, const char* name) {
    std::string path = folder + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out << sim::screenPicture(w.lastFrame, w.screen.aspectRatio, 720, sim::instructionalButtonsShown(w));
    std::printf("%s %s\n", out ? "wrote" : "could not write", path.c_str());
    return static_cast<bool>(out);
}

}  // namespace

int writeMenuPictures(const std::string& folder) {
    sim::World& w = sim::world();
    w.logCalls = false;
    sim::startScript();
    sim::runFor(1500);
    w.player()->position = sim::Vec3{-300.0f, -900.0f, 31.0f};
    uint32_t now = w.tick();
    w.keyMessageAt(now + 20, 17, false);
    w.keyMessageAt(now + 60, 118, false);
    w.keyMessageAt(now + 100, 118, true);
    w.keyMessageAt(now + 160, 17, true);
    sim::runFor(300);
    bool ok = true;
    tap(w, down);
    ok &= save(w, folder, "menu-where.svg");
    tap(w, back);
    ok &= save(w, folder, "menu-pages.svg");
    tap(w, down);
    tap(w, enter);
    ok &= save(w, folder, "menu-keep.svg");
    tap(w, back);
    tap(w, down);
    tap(w, enter);
    ok &= save(w, folder, "menu-timing.svg");
    tap(w, back);
    tap(w, down);
    tap(w, enter);
    tap(w, down, 2);
    tap(w, enter);  // the points on the map
    tap(w, down, 2);
    ok &= save(w, folder, "menu-points.svg");
    tap(w, back);
    tap(w, down, 2);
    tap(w, enter);
    tap(w, down, 5);  // the first finding, in full below the page
    ok &= save(w, folder, "menu-about.svg");
    sim::stopScript();
    return ok ? 0 : 1;
}
