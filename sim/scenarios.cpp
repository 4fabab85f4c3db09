#include "settings/settings_keys.h"
#include "sim/scenarios.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <thread>
#include <vector>

#include "bench/custom_points_text.h"
#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/script_host.h"
#include "sim/world.h"

namespace sim {
namespace {

struct Story {
    int failures = 0;
    size_t notificationsPrinted = 0;

    void check(bool ok, const std::string& what) {
        std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
        if (!ok) ++failures;
    }
    void printNewNotifications(World& w) {
        for (; notificationsPrinted < w.notifications.size(); ++notificationsPrinted)
            std::printf("notification at %+.1f s: %s\n", secondsSinceStart(w, w.notificationTicks[notificationsPrinted]),
                        w.notifications[notificationsPrinted].c_str());
    }
    uint32_t startTick = 0;
    double secondsSinceStart(World&, uint32_t tick) const { return static_cast<int32_t>(tick - startTick) / 1000.0; }
};

bool hasNotification(const World& w, const std::string& text, size_t from = 0) {
    for (size_t i = from; i < w.notifications.size(); ++i)
        if (w.notifications[i] == text) return true;
    return false;
}

// The first notice of a save from notification number from on ("Pelorin.ini
// modified", with the problems found in the saved file when there are any);
// empty when there is none.
std::string saveNotice(const World& w, size_t from = 0) {
    for (size_t i = from; i < w.notifications.size(); ++i)
        if (w.notifications[i].rfind("Pelorin.ini modified", 0) == 0) return w.notifications[i];
    return std::string();
}

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const char* path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

float distance(Vec3 a, Vec3 b) { return std::hypot(a.x - b.x, a.y - b.y); }

void printPosition(const char* what, Vec3 p) { std::printf("%s: (%.1f, %.1f, %.1f)\n", what, p.x, p.y, p.z); }

// Where the player is, and in what vehicle if any.
void printPlayer(World& w, const char* what) {
    Entity* ped = w.player();
    if (!ped) {
        std::printf("%s: no player ped\n", what);
        return;
    }
    const ModelInfo* skin = w.models.find(ped->model);
    std::printf("%s: (%.1f, %.1f, %.1f) as %s", what, ped->position.x, ped->position.y, ped->position.z,
                skin ? skin->name.c_str() : "an unknown model");
    if (Entity* vehicle = w.find(ped->vehicle)) {
        const ModelInfo* model = w.models.find(vehicle->model);
        std::printf(", driving a %s", model ? model->name.c_str() : "vehicle");
    }
    std::printf("\n");
}

// The settings file is absent at start: the banner, then the missing-file
// message; then the user installs it and saves it again.
void missingThenSaved(Story& story, World& w) {
    std::remove("Pelorin.ini");
    startScript();
    runFor(2500);
    story.printNewNotifications(w);
    story.check(w.notifications.size() == 2, "two notifications at start");
    story.check(w.notifications.size() >= 1 && w.notifications[0].rfind("Pelorin ", 0) == 0 &&
                    w.notifications[0].find(" loaded") != std::string::npos,
                "the banner names the plug-in and its version");
    story.check(w.notifications.size() >= 2 && w.notifications[1] == "Pelorin.ini was not found. Please install it.",
                "then the missing-file message");
    writeFile("Pelorin.ini", "[Player_Respawn]\nrandom_player_respawns=1\n");
    runFor(2500);
    size_t before = w.notifications.size();
    // Two keys of the table's many: the others read as missing, which the notice counts.
    writeFile("Pelorin.ini", "[Player_Respawn]\nrandom_player_respawns=1\nland_vehicle_type=2\n");
    uint32_t savedAt = w.tick();
    bool announced = runUntil([&](World& world) { return !saveNotice(world, before).empty(); }, 2500);
    story.printNewNotifications(w);
    story.check(announced, "\"Pelorin.ini modified\" after the save");
    story.check(static_cast<int32_t>(w.tick() - savedAt) <= 2000, "within about a second of the save");
    const std::string notice = saveNotice(w, before);
    story.check(notice.size() > std::strlen(" problems, run pelorin-check.exe") &&
                    notice.compare(notice.size() - std::strlen(" problems, run pelorin-check.exe"), std::string::npos,
                                   " problems, run pelorin-check.exe") == 0,
                "the notice counts the problems of a file of two keys and names the checker");
}

// Respawn on demand by the key chord: hold Ctrl, press and release K.
void keyChord(Story& story, World& w) {
    startScript();
    runFor(1500);
    Vec3 before = w.player()->position;
    printPosition("player before the chord", before);
    uint32_t now = w.tick();
    w.keyMessageAt(now + 100, 0x11, false);
    w.keyMessageAt(now + 300, 0x4B, false);
    w.keyMessageAt(now + 400, 0x4B, true);
    w.keyMessageAt(now + 700, 0x11, true);
    runFor(4000);
    Vec3 after = w.player() ? w.player()->position : Vec3{};
    printPlayer(w, "player after the chord");
    story.printNewNotifications(w);
    story.check(distance(before, after) > 1.0f, "the chord moved the player");
    story.check(w.player() && !w.player()->dead, "the player is alive");
}

// A death: the game's wasted screen, its own respawn, then the plug-in moves
// the player behind a black screen and fades in.
void death(Story& story, World& w) {
    startScript();
    runFor(1500);
    Vec3 deathPoint = w.player()->position;
    printPosition("player killed at", deathPoint);
    killPlayer(w);
    // The game puts the player back on a faded-in screen; the plug-in then cuts
    // to black and moves him while the screen stays black.
    bool gameRespawned = runUntil(
        [](World& world) {
            return world.player() && !world.player()->dead && world.screen.fade != FadeState::FadedOut &&
                   world.screen.fade != FadeState::FadingOut;
        },
        30000);
    Vec3 gamePlace = w.player() ? w.player()->position : Vec3{};
    printPosition("the game put the player back at", gamePlace);
    story.check(gameRespawned, "the game put the player back");
    bool movedBehindBlack = false;
    bool back = runUntil(
        [&](World& world) {
            if (world.player() && world.screen.fade == FadeState::FadedOut &&
                distance(world.player()->position, gamePlace) > 1.0f)
                movedBehindBlack = true;
            return movedBehindBlack && world.screen.fade == FadeState::FadedIn && world.player() &&
                   !world.player()->dead;
        },
        30000);
    runFor(2000);
    story.printNewNotifications(w);
    printPlayer(w, "player respawned at");
    story.check(movedBehindBlack, "the player was moved while the screen was black");
    story.check(back, "the player is back, alive, on a faded-in screen");
    int respawnSounds = 0;
    for (const SoundRecord& s : w.sounds) respawnSounds += s.soundSet == "DLC_HEIST_PLANNING_BOARD_SOUNDS";
    story.check(respawnSounds == 3, "the three respawn sounds played");
    story.check(w.screen.timeScale == 1.0f, "normal time scale again");
}

// The skin the player wears is written back to the settings file through the
// platform's writer, without a "modified" notice; its hash lies above 2^31, so
// it is stored as a negative decimal.
void storedSkinWriteBack(Story& story, World& w) {
    writeFile("Pelorin.ini",
              "[Player_Respawn]\r\nrandom_player_respawns=1\r\nplayer_ped_skin_upon_respawn=3\r\n"
              "wait_time_before_skin_change=0\r\ntime_before_reset_skin=0\r\n");
    startScript();
    runFor(2500);
    uint32_t skin = joaat("a_m_y_acult_01");
    Entity* old = w.player();
    Entity& ped = w.spawnPed(skin, old->position);
    w.removeEntity(old->handle);
    w.playerPed = ped.handle;
    std::printf("the player now wears a_m_y_acult_01 (0x%08X = %d)\n", skin, static_cast<int32_t>(skin));
    runFor(3000);
    story.printNewNotifications(w);
    std::string text = readFile("Pelorin.ini");
    std::string expected = "stored_last_used_skin=" + std::to_string(static_cast<int32_t>(skin));
    std::printf("settings file now:\n%s\n", text.c_str());
    story.check(text.find(expected) != std::string::npos, "the file holds " + expected);
    story.check(saveNotice(w).empty(), "the write-back is not announced");
}

// A few minutes of play with the settings file as installed: deaths, an
// arrest, a loading screen and respawns on demand.
void play(Story& story, World& w) {
    startScript();
    runFor(3000);
    int deaths = 0, chords = 0;
    for (int round = 0; round < 3; ++round) {
        Vec3 before = w.player()->position;
        killPlayer(w);
        ++deaths;
        runUntil([](World& world) { return world.player() && !world.player()->dead &&
                                           world.screen.fade == FadeState::FadedIn && world.sounds.size() >= 3u; },
                 40000);
        runFor(3000);
        printPlayer(w, "respawned after a death at");
        story.check(distance(before, w.player()->position) > 1.0f, "the player came back somewhere else");
        uint32_t now = w.tick();
        w.keyMessageAt(now + 100, 0x11, false);
        w.keyMessageAt(now + 200, 0x4B, false);
        w.keyMessageAt(now + 300, 0x4B, true);
        w.keyMessageAt(now + 500, 0x11, true);
        ++chords;
        runFor(5000);
        printPlayer(w, "after respawn on demand");
    }
    arrestPlayer(w);
    runFor(30000);
    printPlayer(w, "after an arrest");
    showLoadingScreen(w, 3000);
    runFor(15000);
    printPlayer(w, "after a loading screen");
    story.printNewNotifications(w);
    std::printf("deaths %d, chords %d, native calls %llu, frames %llu\n", deaths, chords,
                static_cast<unsigned long long>(w.nativeCallCount), static_cast<unsigned long long>(w.frameCount));
    story.check(w.player() && !w.player()->dead, "the player is alive at the end");
    story.check(w.screen.fade == FadeState::FadedIn, "the screen is faded in at the end");
}

// Pelorin.log, beside the plug-in's file: the load, then a respawn on demand
// and a death with its phases, each written within about a second.
void eventLog(Story& story, World& w) {
    std::string logPath = pluginDirectory() + "Pelorin.log";
    std::remove(logPath.c_str());
    std::remove((logPath + ".1").c_str());
    startScript();
    runFor(1500);
    uint32_t now = w.tick();
    w.keyMessageAt(now + 100, 0x11, false);
    w.keyMessageAt(now + 200, 0x4B, false);
    w.keyMessageAt(now + 300, 0x4B, true);
    w.keyMessageAt(now + 500, 0x11, true);
    runFor(3000);
    std::string log = readFile(logPath.c_str());
    auto has = [&log](const char* part) { return log.find(part) != std::string::npos; };
    story.check(has("Pelorin ") && has(" loaded; script host found"), "the log tells the load and the host");
    story.check(has("respawn on demand by the key chord") && has("you are now at ("),
                "a respawn on demand is in the log within a second or two");
    killPlayer(w);
    bool written = runUntil([&](World&) { return readFile(logPath.c_str()).find("back in play") != std::string::npos; },
                            40000);
    runFor(1500);
    log = readFile(logPath.c_str());
    std::printf("%s (%s):\n%s", "Pelorin.log", logPath.c_str(), log.c_str());
    story.check(written, "the death is written by the end of its episode");
    story.check(has("wasted at (") && has("the wasted screen ended after") && has("the game brought you back") &&
                    has("back in play"),
                "the death and its phases are in the log");
    story.check(has("\r\n") && !has("Pelorin.ini:"), "lines end in CR LF; the shipped settings have no problem");
    story.check(pluginDirectory().empty() || readFile("Pelorin.log").empty(),
                "beside the plug-in, not in the game's current directory");
}

// Value of a key in the settings text, "" when it is not there.
std::string settingsValue(const std::string& text, const std::string& key) {
    size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "";
    at += key.size() + 2;
    return text.substr(at, text.find_first_of("\r\n", at) - at);
}

// Ctrl + L saves where the player stands as the next custom spawn point,
// twice, without a "Pelorin.ini modified" notice.
void saveSpawnPoint(Story& story, World& w) {
    startScript();
    runFor(1500);
    Vec3 place = w.player()->position;
    printPosition("player saves his place at", place);
    size_t before = w.notifications.size();
    for (int save = 0; save < 2; ++save) {
        uint32_t now = w.tick();
        w.keyMessageAt(now + 100, 0x11, false);
        w.keyMessageAt(now + 200, 0x4C, false);
        w.keyMessageAt(now + 300, 0x4C, true);
        w.keyMessageAt(now + 500, 0x11, true);
        runFor(1000);
    }
    runFor(2500);
    story.printNewNotifications(w);
    std::string text = readFile("Pelorin.ini");
    std::printf("saved: custom_spawn_1 = (%s, %s, %s), number_of_custom_spawn_points_in_use=%s\n",
                settingsValue(text, "custom_spawn_1_x").c_str(), settingsValue(text, "custom_spawn_1_y").c_str(),
                settingsValue(text, "custom_spawn_1_z").c_str(),
                settingsValue(text, number_of_custom_spawn_points_in_useKeyName).c_str());
    story.check(hasNotification(w, "Custom spawn point 1 saved", before) &&
                    hasNotification(w, "Custom spawn point 2 saved", before),
                "\"Custom spawn point 1 saved\", then 2");
    story.check(std::fabs(std::atof(settingsValue(text, "custom_spawn_1_x").c_str()) - place.x) < 0.01f &&
                    std::fabs(std::atof(settingsValue(text, "custom_spawn_1_y").c_str()) - place.y) < 0.01f &&
                    std::fabs(std::atof(settingsValue(text, "custom_spawn_1_z").c_str()) - place.z) < 0.01f,
                "the file holds the player's place as point 1");
    story.check(settingsValue(text, number_of_custom_spawn_points_in_useKeyName) == "2", "the count is raised to 2");
    story.check(saveNotice(w, before).empty(), "the saves are not announced as a change");
}

// Texts of the last frame drawn, in draw order.
std::vector<std::string> drawnTexts(const World& w) {
    std::vector<std::string> texts;
    for (const ScreenItem& item : w.lastFrame.items)
        if (item.isText) texts.push_back(item.text.text);
    return texts;
}

bool drawn(const World& w, const std::string& text) {
    std::vector<std::string> texts = drawnTexts(w);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The text drawn right after the label on its line: its value.
std::string drawnValue(const World& w, const std::string& label) {
    std::vector<std::string> texts = drawnTexts(w);
    auto it = std::find(texts.begin(), texts.end(), label);
    return it == texts.end() || it + 1 == texts.end() ? "" : *(it + 1);
}

void tap(World& w, uint32_t key) {
    w.keyMessageAt(w.tick() + 20, key, false);
    w.keyMessageAt(w.tick() + 80, key, true);
    runFor(250);
}

// A left click just inside the start of a text the last frame drew.
bool clickOn(World& w, const std::string& text) {
    for (const ScreenItem& item : w.lastFrame.items) {
        if (!item.isText || item.text.text != text) continue;
        mouseClickAt(w, w.tick() + 20, item.text.x + 0.002f, item.text.y + 0.01f);
        runFor(250);
        return true;
    }
    return false;
}

void menuChord(World& w) {
    uint32_t now = w.tick();
    w.keyMessageAt(now + 20, 0x11, false);
    w.keyMessageAt(now + 80, 0x76, false);
    w.keyMessageAt(now + 140, 0x76, true);
    w.keyMessageAt(now + 200, 0x11, true);
    runFor(400);
}

// The menu: Ctrl + F7 opens it on Where you come back; a chance changed with
// the right arrow is written at once, every other byte kept and not
// announced; two clicks of the mouse open the custom points page, where the
// place the player stands is saved and the points are shown on the map; the
// chord closes it.
void menu(Story& story, World& w) {
    startScript();
    runFor(1500);
    // As the start left it (an older file has the later keys added by then).
    std::string before = readFile("Pelorin.ini");
    menuChord(w);
    std::vector<std::string> texts = drawnTexts(w);
    std::printf("menu drawn: %zu rectangles and texts; page \"%s\"\n", w.lastFrame.items.size(),
                texts.size() > 1 ? texts[1].c_str() : "");
    story.check(texts.size() > 1 && texts[0] == "Pelorin" && texts[1] == "Where you come back",
                "Ctrl + F7 opens the menu on Where you come back");
    tap(w, 0x28);  // down to the second line, Point from the list (the roll's first mode)
    std::printf("Point from the list: %s\n", drawnValue(w, "Point from the list").c_str());
    tap(w, 0x27);  // right
    std::string after = readFile("Pelorin.ini");
    std::string expected = before;
    size_t at = expected.find("on_point_from_list_player_spawn_chance=40");
    if (at != std::string::npos) expected.replace(at, 41, "on_point_from_list_player_spawn_chance=45");
    std::printf("Point from the list after the right arrow: %s\n", drawnValue(w, "Point from the list").c_str());
    story.check(at != std::string::npos && after == expected, "the file holds 45, every other byte as it was");
    story.check(drawnValue(w, "Point from the list") == "\u25C4 45 % (45.5 % of respawns) \u25BA",
                "the page shows 45 % with its odds, between the arrows that change it");
    tap(w, 0x08);  // back to the pages
    story.check(w.cursorShownFrame > 0, "the game's mouse cursor shows while the menu is open");
    bool clicked = clickOn(w, "Custom points") && clickOn(w, "Custom points");
    story.check(clicked && drawn(w, "Save where I stand"), "a click selects Custom points, a second opens it");
    tap(w, 0x0D);  // save where I stand
    tap(w, 0x28);
    tap(w, 0x28);
    tap(w, 0x0D);  // show the points on the map
    int blips = 0;
    for (const auto& entry : w.blips) blips += entry.second.byScript;
    std::printf("custom points: %s; blips on the map: %d\n", drawnValue(w, "Point 1").c_str(), blips);
    story.check(drawn(w, "Point 1") && blips == 1, "the place is saved as point 1 and shown on the map");
    menuChord(w);
    story.check(w.lastFrame.items.empty(), "Ctrl + F7 closes it");
    runFor(2500);
    story.printNewNotifications(w);
    story.check(!hasNotification(w, "Pelorin.ini modified"), "the menu's writes are not announced as a change");
}

// Enter, pressed in the frames to come.
void pressEnter(World& w) {
    w.keyMessageAt(w.tick() + 20, 0x0D, false);
    w.keyMessageAt(w.tick() + 80, 0x0D, true);
}

// Our script's turns, timed, from an action in the menu until the write it
// began has ended (the menu says "saving…" while one runs): each turn
// followed by the rest of a game's frame, 16 ms of real time, in which our
// thread replaces the file; at most frames of them.
struct WriteFrames {
    int savingFrames = 0, overOneMillisecond = 0;
    double longest = 0;
};
WriteFrames timeWriteFrames(World& w, int frames = 600) {
    WriteFrames write;
    bool seen = false;
    for (int frame = 0; frame < frames; ++frame) {
        const auto start = std::chrono::steady_clock::now();
        runScriptTurn();
        const double took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        write.longest = std::max(write.longest, took);
        write.overOneMillisecond += took > 1.0;
        w.advanceFrame();
        bool saving = false;
        for (const std::string& text : drawnTexts(w)) saving = saving || text.rfind("saving\u2026", 0) == 0;
        if (saving) {
            seen = true;
            ++write.savingFrames;
        } else if (seen) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
    return write;
}

// Figures, not a test of behaviour alone: the menu's delete of point 1 of a
// file of 10,000 custom points and its save of the place where the player
// stands, frame by frame, with the longest of our frames (the menu drawn
// included) beside the longest of the open menu's idle frames.
void writeFrames(Story& story, World& w) {
    writeFile("Pelorin.ini", withTenThousandCustomPoints(readFile("Pelorin.ini")));
    startScript();
    runFor(3000);  // the start's read of the large file, a step per frame
    menuChord(w);
    tap(w, 0x08);  // back to the pages
    bool opened = clickOn(w, "Custom points") && clickOn(w, "Custom points") && clickOn(w, "Point 1") &&
                  clickOn(w, "Point 1") && clickOn(w, "Delete this point");
    if (!opened)
        for (const std::string& text : drawnTexts(w)) std::printf("  drawn: %s\n", text.c_str());
    story.check(opened, "the menu opens custom point 1, with Delete this point selected");
    // Our writes wait until the file has been still a moment (a save of the player's may be under way).
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
    WriteFrames idle = timeWriteFrames(w, 60);
    std::printf("the open menu, idle: the longest of 60 frames %.2f ms, %d over 1 ms\n", idle.longest,
                idle.overOneMillisecond);
    pressEnter(w);
    WriteFrames deleted = timeWriteFrames(w);
    std::printf("deleting point 1 of 10,000: %d frames saving, the longest of ours %.2f ms, %d over 1 ms\n",
                deleted.savingFrames, deleted.longest, deleted.overOneMillisecond);
    std::string text = readFile("Pelorin.ini");
    story.check(settingsValue(text, number_of_custom_spawn_points_in_useKeyName) == "9999" &&
                    settingsValue(text, "custom_spawn_1_x") == "-1498.5",
                "point 1 deleted, point 2 now point 1, the count 9999");
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
    if (!drawn(w, "Save where I stand")) tap(w, 0x08);  // back to the points
    bool onSave = clickOn(w, "Save where I stand");
    story.check(onSave, "Save where I stand selected");
    pressEnter(w);
    WriteFrames saved = timeWriteFrames(w);
    std::printf("saving a point as number 10,000: %d frames saving, the longest of ours %.2f ms, %d over 1 ms\n",
                saved.savingFrames, saved.longest, saved.overOneMillisecond);
    text = readFile("Pelorin.ini");
    story.check(settingsValue(text, number_of_custom_spawn_points_in_useKeyName) == "10000",
                "the place saved as point 10,000");
    story.check(deleted.savingFrames > 0 && saved.savingFrames > 0, "the menu said saving… while each write ran");
}

struct Scenario {
    const char* about;
    std::function<void(Story&, World&)> play;
};

const std::map<std::string, Scenario>& scenarios() {
    static const std::map<std::string, Scenario> all = {
        {"missing-then-saved", {"no Pelorin.ini at start, then the player installs and saves it", missingThenSaved}},
        {"key-chord", {"respawn on demand by Ctrl + K", keyChord}},
        {"death", {"a death: the wasted screen, the game's respawn, then Pelorin's place", death}},
        {"stored-skin", {"the skin worn is written back to Pelorin.ini, unannounced", storedSkinWriteBack}},
        {"play", {"a few minutes of play: deaths, an arrest, a loading screen, respawns on demand", play}},
        {"log", {"Pelorin.log beside the plug-in: the load, a respawn on demand, a death", eventLog}},
        {"save-spawn-point", {"Ctrl + L saves the player's place as custom point 1, then 2", saveSpawnPoint}},
        {"menu",
         {"the menu: Ctrl + F7, a chance changed and written, a page opened by the mouse, a point saved and shown "
          "on the map",
          menu}},
        {"write-frames",
         {"figures: the frames of the menu's delete and save in a file of 10,000 custom points (real time)",
          writeFrames}},
    };
    return all;
}

}  // namespace

std::vector<ScenarioInfo> scenarioList() {
    std::vector<ScenarioInfo> list;
    for (const auto& entry : scenarios()) list.push_back(ScenarioInfo{entry.first.c_str(), entry.second.about});
    return list;
}

int runScenario(const std::string& name) {
    auto it = scenarios().find(name);
    if (it == scenarios().end()) {
        std::printf("unknown scenario %s; known:", name.c_str());
        for (const auto& entry : scenarios()) std::printf(" %s", entry.first.c_str());
        std::printf("\n");
        return 2;
    }
    World& w = world();
    // A scenario looks at the last frame drawn only. A record of every call
    // and every draw of the run would copy itself as it grows, the simulated
    // game's cost inside our script's timed turns (write-frames).
    w.logCalls = false;
    w.recordTextDraws = false;
    Story story;
    story.startTick = w.tick();
    std::printf("scenario %s\n", name.c_str());
    it->second.play(story, w);
    stopScript();
    std::printf("scenario %s: %s\n", name.c_str(), story.failures ? "FAILED" : "passed");
    std::fflush(stdout);
    return story.failures ? 1 : 0;
}

}  // namespace sim
