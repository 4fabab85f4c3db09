// Ped tasks (clearing them, driving around), and the game's own wasted and
// busted sequences.
#include <cmath>

#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/native_table.h"
#include "sim/terrain.h"
#include "sim/world_rules.h"

namespace sim {
namespace {

// Assumption: the wasted and busted screens run on game time, which the time
// scale slows down: the screen effect and the scripted camera come 1000 ms of
// game time after the death or the start of the arrest, the fade-out 5000 ms
// after it. The fade-out lasts 1000 ms of real time; the player is put back
// at once when it is over; the fade-in starts 1000 ms of game time later and
// lasts 1000 ms.
constexpr double effectAfterMilliseconds = 1000;
constexpr double fadeOutAfterMilliseconds = 5000;
constexpr double fadeInAfterMilliseconds = 1000;
constexpr int32_t fadeMilliseconds = 1000;
constexpr uint32_t gameplayCamera = 0xFFFFFFFFu;

// Assumption: a dead player comes back outside a hospital, an arrested one
// outside a police station, standing on the ground there.
constexpr float hospitalX = 298.0f, hospitalY = -584.0f;
constexpr float policeStationX = 432.0f, policeStationY = -981.0f;

Entity* findPed(const NativeCall& c) {
    Entity* e = c.world.find(c.ped(0));
    return e && e->kind == EntityKind::Ped ? e : nullptr;
}

// Assumption: clearing a ped's tasks ends its drive-around task; a ped in a
// vehicle stays in his seat (unlike clearing them at once).
void clearPedTasks(const NativeCall& c) {
    Entity* ped = findPed(c);
    if (!ped) return;
    ped->driving = false;
    ++ped->tasksCleared;
}

// (ped, vehicle, speed, driving style). Assumption: the task is taken by any
// ped; it moves a vehicle only while the ped sits in its driver's seat.
void taskDriveAround(const NativeCall& c) {
    Entity* ped = findPed(c);
    if (!ped) return;
    ped->driving = true;
    ped->driveSpeed = c.f32(2);
    ped->driveStyle = c.i32(3);
}

bool isStoryCharacterModel(uint32_t model) {
    return model == joaat("player_zero") || model == joaat("player_one") || model == joaat("player_two");
}

void startFade(World& w, FadeState running) {
    w.screen.fade = running;
    w.screen.fadeSource = FadeSource::Game;
    w.screen.fadeStart = w.tick();
    w.screen.fadeDuration = fadeMilliseconds;
}

void beginSequence(World& w, bool busted) {
    w.gameRespawn.stage = GameRespawnStage::Screen;
    w.gameRespawn.busted = busted;
    w.gameRespawn.stageMilliseconds = 0;
    w.gameRespawn.camera = 0;
    w.gameRespawn.duringMission = w.missionActive;
}

void enterStage(World& w, GameRespawnStage stage) {
    w.gameRespawn.stage = stage;
    w.gameRespawn.stageMilliseconds = 0;
}

// Assumption: the game brings the player back as a new ped of the story
// character he is (the same steps as a model change: the old ped is gone, the
// new one stands on foot, alive, with nothing carried over).
void putPlayerBack(World& w, bool inHisSkin = false) {
    Entity* old = w.player();
    uint32_t model = old && (inHisSkin || isStoryCharacterModel(old->model)) ? old->model : joaat("player_zero");
    if (old) {
        if (Entity* vehicle = w.find(old->vehicle)) vehicle->vehicleState.driver = 0;
        w.removeEntity(old->handle);
    }
    float x = w.gameRespawn.busted ? policeStationX : hospitalX;
    float y = w.gameRespawn.busted ? policeStationY : hospitalY;
    Entity& ped = w.spawnPed(model, Vec3{x, y, terrainHeight(x, y)});
    w.playerPed = ped.handle;
    w.beingArrested = false;
    ++w.gameRespawn.count;
}

// The wasted or busted screen. Assumption: the game cannot bring back a
// player who is not one of its story characters, so with another skin the
// screen stays up, faded in, until the player's model becomes a story
// character (a script has to change it); only then does it fade out.
void runScreenStage(World& w) {
    GameRespawn& g = w.gameRespawn;
    if (g.camera == 0 && g.stageMilliseconds >= effectAfterMilliseconds) {
        if (!w.faults.deathEffectNeverRuns) w.screen.effects.insert("DeathFailOut");
        g.camera = w.nextCameraHandle++;
        w.screen.renderingCamera = g.camera;
    }
    Entity* player = w.player();
    if (g.stageMilliseconds >= fadeOutAfterMilliseconds && player && isStoryCharacterModel(player->model)) {
        startFade(w, FadeState::FadingOut);
        enterStage(w, GameRespawnStage::FadingOut);
    }
}

}  // namespace

// Assumption: the busted screen runs the same "DeathFailOut" effect and
// timeline as the wasted screen. A death wins over an arrest.
void ruleDeathAndArrest(World& w) {
    GameRespawn& g = w.gameRespawn;
    if (g.stage == GameRespawnStage::None) {
        Entity* player = w.player();
        if (player && player->dead)
            beginSequence(w, false);
        else if (w.beingArrested)
            beginSequence(w, true);
        else
            return;
    }
    g.stageMilliseconds += w.frameMilliseconds * w.screen.timeScale;
    switch (g.stage) {
        case GameRespawnStage::Screen:
            runScreenStage(w);
            break;
        case GameRespawnStage::FadingOut:
            if (w.screen.fade == FadeState::FadedOut) {
                putPlayerBack(w);
                // Assumption: a death or arrest fails the mission in progress;
                // the mission's fail screen keeps the screen black.
                enterStage(w, g.duringMission ? GameRespawnStage::MissionFailed : GameRespawnStage::PutBack);
                if (g.duringMission) w.missionActive = false;
            }
            break;
        case GameRespawnStage::MissionFailed:
            // Assumption: the game fades the fail screen in by itself after a
            // while (or, as a fault, never), whoever holds the screen black then.
            if (w.faults.missionFailFadeInMilliseconds != 0 &&
                g.stageMilliseconds >= w.faults.missionFailFadeInMilliseconds) {
                if (w.screen.fade == FadeState::FadedOut) startFade(w, FadeState::FadingIn);
                enterStage(w, GameRespawnStage::FadingIn);
            } else if (w.faults.missionFailFadeInMilliseconds == 0 && g.stageMilliseconds >= fadeMilliseconds) {
                enterStage(w, GameRespawnStage::None);
            }
            break;
        case GameRespawnStage::PutBack:
            if (g.stageMilliseconds >= fadeInAfterMilliseconds) {
                startFade(w, FadeState::FadingIn);
                enterStage(w, GameRespawnStage::FadingIn);
            }
            break;
        case GameRespawnStage::FadingIn:
            // Assumption: the game drops its camera once its own fade-in has
            // run its course; a script that took the screen over (cut it to
            // black again) is left to deal with the camera itself.
            if (g.stageMilliseconds >= fadeMilliseconds) {
                if (w.screen.fade == FadeState::FadedIn && w.screen.renderingCamera == g.camera)
                    w.screen.renderingCamera = gameplayCamera;
                enterStage(w, GameRespawnStage::None);
            }
            break;
        case GameRespawnStage::None:
            break;
    }
}

// Assumption: the police can give up an arrest until the busted screen shows
// (its camera comes with the effect); from then on it runs to its end.
void arrestCalledOff(World& w) {
    GameRespawn& g = w.gameRespawn;
    bool screenUp = g.stage != GameRespawnStage::None && (g.stage != GameRespawnStage::Screen || g.camera != 0);
    if (!w.beingArrested || screenUp || (g.stage != GameRespawnStage::None && !g.busted)) return;
    w.beingArrested = false;
    g.stage = GameRespawnStage::None;
}

// Assumption: when the game brings the player back in his own skin it does so
// without its fade: his new ped stands where the game puts him, the effect
// and the sequence's camera are gone.
void gameBringsPlayerBackAsHeIs(World& w) {
    GameRespawn& g = w.gameRespawn;
    if (g.stage == GameRespawnStage::None) return;
    putPlayerBack(w, true);
    w.screen.effects.erase("DeathFailOut");
    if (w.screen.renderingCamera == g.camera) w.screen.renderingCamera = gameplayCamera;
    enterStage(w, GameRespawnStage::None);
}

// Assumption: a ped with a drive-around task who sits in a vehicle's driver's
// seat moves it straight along its heading at the task's speed (world units
// per second of game time); heading 0 points along +y, turning left. A land
// vehicle keeps to the ground and stops at the water's edge; an aircraft keeps
// its altitude but climbs to stay at least 30 units over the ground.
void ruleAutoDrive(World& w) {
    double seconds = w.frameMilliseconds * w.screen.timeScale / 1000.0;
    for (auto& [handle, ped] : w.entities) {
        if (ped.kind != EntityKind::Ped || !ped.driving || ped.dead) continue;
        Entity* vehicle = w.find(ped.vehicle);
        if (!vehicle || vehicle->vehicleState.driver != handle || vehicle->dead) continue;
        double radians = vehicle->heading * 3.14159265358979323846 / 180.0;
        double distance = ped.driveSpeed * seconds;
        Vec3 next = vehicle->position;
        next.x += static_cast<float>(-std::sin(radians) * distance);
        next.y += static_cast<float>(std::cos(radians) * distance);
        const ModelInfo* model = w.models.find(vehicle->model);
        if (model && isAircraftKind(model->kind)) {
            next.z = std::fmax(next.z, surfaceHeight(next.x, next.y) + 30.0f);
        } else {
            if (!isDryLand(next.x, next.y)) continue;
            next.z = terrainHeight(next.x, next.y);
        }
        vehicle->position = next;
        ped.position = next;
    }
}

void registerTaskNatives(NativeTable& t) {
    t[0xE1EF3C1216AFF2CDull] = {"CLEAR_PED_TASKS", clearPedTasks};
    t[0x480142959D337D00ull] = {"TASK_VEHICLE_DRIVE_WANDER", taskDriveAround};
}

}  // namespace sim
