#include "sim/world.h"

#include <algorithm>

#include "sim/joaat.h"
#include "sim/terrain.h"
#include "sim/world_rules.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace sim {

World::World() {
    frameRules = defaultFrameRules();
    // Assumption: a new game starts with the player standing on the ground.
    Entity& ped = spawnPed(joaat("player_zero"), Vec3{-50.0f, -1110.0f, terrainHeight(-50.0f, -1110.0f)});
    playerPed = ped.handle;
    // The story characters' money at the start of a game.
    stats[joaat("SP0_TOTAL_CASH")] = 5000;
    stats[joaat("SP1_TOTAL_CASH")] = 8000;
    stats[joaat("SP2_TOTAL_CASH")] = 12000;
}

#ifdef _WIN32
// The stand-in host runs in real time: the clock is the system's tick count and
// a frame lasts as long as it really does.
uint32_t World::tick() const { return GetTickCount(); }

void World::advanceFrame() {
    static uint32_t start = GetTickCount();
    Sleep(static_cast<DWORD>(frameMilliseconds));
    elapsedMicros_ = static_cast<uint64_t>(GetTickCount() - start) * 1000u;
#else
// The simulator's virtual clock: each frame adds frameMilliseconds.
uint32_t World::tick() const { return tickBase_ + elapsedMilliseconds(); }

void World::advanceFrame() {
    elapsedMicros_ += static_cast<uint64_t>(frameMilliseconds * 1000.0);
#endif
    // The frame the script drew is shown; what it disabled is enabled again.
    lastFrame.items.swap(drawing.items);
    lastFrame.frame = drawing.frame;
    drawing.items.clear();
    drawing.frame = ++frameCount;
    // Assumption: the game acts on a frame's controls after the scripts ran,
    // so that a control they disabled on that frame does nothing.
    for (int32_t control : controlsJustPressed)
        if (!controlsDisabled.count(control)) ++controlsActedOn[control];
    controlsJustPressed.clear();
    controlsDisabled.clear();
    while (!events_.empty() && events_.begin()->first <= elapsedMilliseconds()) {
        Event event = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        ++eventsRun;
        event(*this);
    }
    for (auto& rule : frameRules) rule(*this);
}

void World::at(uint32_t when, Event event) {
    uint32_t delay = static_cast<int32_t>(when - tick()) > 0 ? when - tick() : 0;
    after(delay, std::move(event));
}

void World::after(uint32_t milliseconds, Event event) {
    events_.emplace(elapsedMilliseconds() + milliseconds, std::move(event));
}

void World::keyMessageAt(uint32_t when, uint32_t key, bool up) {
    at(when, [key, up](World& w) {
        w.keyboardInUse = true;
        if (w.keyboardHandler) w.keyboardHandler(key, 1, 0, 0, 0, up ? 1 : 0, up ? 1 : 0);
    });
}

Entity* World::find(uint32_t handle) {
    auto it = entities.find(handle);
    return it == entities.end() ? nullptr : &it->second;
}

const Entity* World::find(uint32_t handle) const {
    auto it = entities.find(handle);
    return it == entities.end() ? nullptr : &it->second;
}

bool World::collisionMissingAt(float x, float y) const {
    for (const StreamingArea& s : unstreamedAreas)
        if (!s.loaded && s.area.contains(x, y)) return true;
    return false;
}

Entity& World::spawnPed(uint32_t model, Vec3 position) {
    Entity& e = entities[nextHandle];
    e.handle = nextHandle++;
    e.kind = EntityKind::Ped;
    e.model = model;
    e.position = position;
    return e;
}

Entity& World::spawnVehicle(uint32_t model, Vec3 position) {
    Entity& e = spawnPed(model, position);
    e.kind = EntityKind::Vehicle;
    return e;
}

void World::removeEntity(uint32_t handle) { entities.erase(handle); }

int32_t World::scriptBlipCount() const {
    return static_cast<int32_t>(
        std::count_if(blips.begin(), blips.end(), [](const auto& entry) { return entry.second.byScript; }));
}

int32_t World::countCalls(uint64_t hash) const {
    return static_cast<int32_t>(
        std::count_if(calls.begin(), calls.end(), [hash](const CallRecord& c) { return c.hash == hash; }));
}

namespace {
std::unique_ptr<World> theWorld;
}

World& world() {
    if (!theWorld) theWorld = std::make_unique<World>();
    return *theWorld;
}

World& resetWorld() {
    theWorld = std::make_unique<World>();
    return *theWorld;
}

}  // namespace sim
