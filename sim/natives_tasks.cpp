// Ped tasks (clearing them, driving around), and the game's own wasted and
// busted sequences.
#include <cmath>

#include "sim/joaat.h"
#include "sim/native_table.h"
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
// outside a police station.
constexpr Vec3 hospital{298.0f, -584.0f, 43.3f};
constexpr Vec3 policeStation{432.0f, -981.0f, 30.7f};

Entity* findPed(const NativeCall& c) {
    Entity* e = c.world.find(c.u32(0));
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
    w.screen.fadeStart = w.tick();
    w.screen.fadeDuration = fadeMilliseconds;
}

void beginSequence(World& w, bool busted) {
    w.gameRespawn.stage = GameRespawnStage::Screen;
    w.gameRespawn.busted = busted;
    w.gameRespawn.stageMilliseconds = 0;
    w.gameRespawn.camera = 0;
}

void enterStage(World& w, GameRespawnStage stage) {
    w.gameRespawn.stage = stage;
    w.gameRespawn.stageMilliseconds = 0;
}

// Assumption: the game brings the player back as a new ped of the story
// character he is (the same steps as a model change: the old ped is gone, the
// new one stands on foot, alive, with nothing carried over).
void putPlayerBack(World& w) {
    Entity* old = w.player();
    uint32_t model = old && isStoryCharacterModel(old->model) ? old->model : joaat("player_zero");
    if (old) {
        if (Entity* vehicle = w.find(old->vehicle)) vehicle->vehicleState.driver = 0;
        w.removeEntity(old->handle);
    }
    Entity& ped = w.spawnPed(model, w.gameRespawn.busted ? policeStation : hospital);
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
        w.screen.effects.insert("DeathFailOut");
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
                enterStage(w, GameRespawnStage::PutBack);
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

// Assumption: a ped with a drive-around task who sits in a vehicle's driver's
// seat moves it straight along its heading at the task's speed (world units
// per second of game time); heading 0 points along +y, turning left.
void ruleAutoDrive(World& w) {
    double seconds = w.frameMilliseconds * w.screen.timeScale / 1000.0;
    for (auto& [handle, ped] : w.entities) {
        if (ped.kind != EntityKind::Ped || !ped.driving || ped.dead) continue;
        Entity* vehicle = w.find(ped.vehicle);
        if (!vehicle || vehicle->vehicleState.driver != handle || vehicle->dead) continue;
        double radians = vehicle->heading * 3.14159265358979323846 / 180.0;
        double distance = ped.driveSpeed * seconds;
        vehicle->position.x += static_cast<float>(-std::sin(radians) * distance);
        vehicle->position.y += static_cast<float>(std::cos(radians) * distance);
    }
}

void registerTaskNatives(NativeTable& t) {
    t[0xE1EF3C1216AFF2CDull] = {"CLEAR_PED_TASKS", clearPedTasks};
    t[0x480142959D337D00ull] = {"TASK_VEHICLE_DRIVE_WANDER", taskDriveAround};
}

}  // namespace sim
