#include "sim/soak_invariants.h"

#include <cmath>
#include <cstdio>

#include "plugin/settings_reread.h"
#include "settings/settings_record.h"
#include "settings_io/settings_write_job.h"
#include "shared/player_state.h"
#include "sim/roads.h"
#include "sim/soak_bounds.h"
#include "sim/terrain.h"
#include "spawn/spawn_points.h"

namespace sim::soak {
namespace {

// An idle pass of the main loop asks the game about this many things at most.
constexpr uint64_t idlePassNativeCalls = 24;
// What an event of the story sets off (a chord's respawn, a skin change) is
// over this long after it, unless it holds the main loop longer.
constexpr double eventEffectMs = 5000;

bool isBlack(const Screen& s) { return s.fade == FadeState::FadedOut || s.fade == FadeState::FadingOut; }

bool finite(Vec3 p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

bool onListPoint(Vec3 p) {
    for (const SpawnPoint& point : builtInSpawnPoints)
        if (std::hypot(p.x - point.x, p.y - point.y) <= listPointToleranceUnits &&
            p.z >= point.z - groundToleranceUnits)
            return true;
    return false;
}

std::string where(Vec3 p) {
    char text[160];
    std::snprintf(text, sizeof text, "(%.1f, %.1f, %.1f)", p.x, p.y, p.z);
    return text;
}

// The band of an aircraft kind as the plug-in last read it from the settings
// file, when usable as it stands.
bool usableBand(int32_t low, int32_t high, float* minimum) {
    if (low < 0 || low > high || high > static_cast<int32_t>(bandLimitUnits)) return false;
    *minimum = static_cast<float>(low);
    return true;
}

size_t outputs(const World& w) { return w.notifications.size() + w.sounds.size() + w.textDrawCount; }

bool inView(const Screen& s) { return !isBlack(s) && !s.loadingScreen; }

// Adds a frame to a stretch of time; true on the frame that takes it past its bound.
bool crossed(double& stretchMs, double frameMs, double boundMs) {
    stretchMs += frameMs;
    return stretchMs > boundMs && stretchMs - frameMs <= boundMs;
}

std::string modelName(const World& w, uint32_t model) {
    const ModelInfo* info = w.models.find(model);
    return info ? info->name : std::to_string(model);
}

}  // namespace

const char* violationName(Violation kind) {
    switch (kind) {
        case Violation::BlackScreen:
            return "black screen beyond its bound";
        case Violation::OurBlackScreen:
            return "our black screen beyond its bound";
        case Violation::SlowMotion:
            return "slow motion beyond its bound";
        case Violation::GameStandsStill:
            return "time scale below the lowest";
        case Violation::SkinChangedInView:
            return "skin changed in view unasked";
        case Violation::SequenceEndedBlack:
            return "sequence ended with the screen faded out";
        case Violation::EpisodeTooLong:
            return "episode beyond its bound";
        case Violation::MainLoopCheckLate:
            return "once-a-second check late";
        case Violation::NonFinitePosition:
            return "position not finite";
        case Violation::BelowGround:
            return "below the ground";
        case Violation::AircraftTooLow:
            return "aircraft below its band";
        case Violation::VehicleOffRoad:
            return "land vehicle off the road";
        case Violation::IdleAllocation:
            return "allocation in an idle frame";
        case Violation::MemoryGrowth:
            return "memory growth";
        case Violation::SettingsFileDamaged:
            return "settings file damaged";
        case Violation::CustomPointOverwritten:
            return "custom point of the player's overwritten";
        case Violation::StoredSkinReplaced:
            return "stored skin replaced by one not chosen";
        case Violation::LinkBroken:
            return "link of the player's undone";
        case Violation::Count:
            break;
    }
    return "?";
}

Observer::Observer(World& world, ViolationSink& sink)
    : w_(world), sink_(sink), lastCheck_(playerState.lastSettingsCheckTime) {
    if (const Entity* ped = w_.player()) {
        model_ = ownSkin_ = ped->model;
        wasFree_ = !ped->dead && !w_.beingArrested;
    }
    wasInView_ = inView(w_.screen);
}

void Observer::afterScriptTurn(uint64_t allocations, uint64_t nativeCalls) {
    checkBody();
    checkSkin();
    bool outputMade = outputs(w_) != outputsBefore_;
    outputsBefore_ = outputs(w_);
    if (playerState.lastSettingsCheckTime != lastCheck_) {
        uint32_t previous = lastCheck_;
        lastCheck_ = playerState.lastSettingsCheckTime;
        mainLoopChecked(previous);
        return;
    }
    // A turn of the main loop's ordinary pass, between two checks: idle when
    // nothing happened in it or shortly before it. Counted once the next check
    // shows no stall. A check still due after the turn is reading a changed
    // file a step per turn (its storage may grow with the file), and a turn
    // that made a step of a write of ours is writing the file: not idle.
    const size_t writeSteps = settingsWriteSteps();
    const bool wrote = writeSteps != writeStepsSeen_;
    writeStepsSeen_ = writeSteps;
    if (stallMs_ < checkGapMs && sinceEventMs_ > eventEffectMs && quiet() && nativeCalls <= idlePassNativeCalls &&
        !outputMade && !settingsRereadDue() && !wrote) {
        pendingIdleAllocations_ += allocations;
        ++pendingIdleTurns_;
    }
}

void Observer::mainLoopChecked(uint32_t previousCheck) {
    uint32_t gap = playerState.lastSettingsCheckTime - previousCheck;
    if (previousCheck != 0 && gap <= checkGapMs) {
        idleTurns_ += pendingIdleTurns_;
        if (pendingIdleAllocations_ != 0)
            sink_.report(Violation::IdleAllocation, std::to_string(pendingIdleAllocations_) + " allocations in " +
                                                        std::to_string(pendingIdleTurns_) + " idle turns");
    }
    pendingIdleAllocations_ = pendingIdleTurns_ = 0;
    if (checksSinceAsked_ < askedChangeChecks && ++checksSinceAsked_ == askedChangeChecks) asksOpen_ = 0;
    stallMs_ = 0;
    stallReported_ = false;
    // The turn that ran the check may go on into an episode for what it finds now.
    stallWasEpisode_ = deathOrArrest();
    // Our black screen as the turn began: a sequence that cuts to black in the
    // same turn, after the check, has not ended.
    if (ourBlackBeforeTurn_)
        sink_.report(Violation::SequenceEndedBlack, "the main loop runs again behind the plug-in's black screen");
}

void Observer::checkBody() {
    const Entity* ped = w_.player();
    if (!ped) return;
    const Entity* vehicle = w_.find(ped->vehicle);
    const Entity& body = vehicle ? *vehicle : *ped;
    Vec3 p = body.position;
    bool moved = body.handle != bodyHandle_ || p.x != bodyPosition_.x || p.y != bodyPosition_.y ||
                 p.z != bodyPosition_.z;
    bodyHandle_ = body.handle;
    bodyPosition_ = p;
    if (vehicle && vehiclesSeen_.insert(vehicle->handle).second) checkNewVehicle(*vehicle);
    if (!moved) return;
    if (!finite(p)) {
        sink_.report(Violation::NonFinitePosition, where(p));
        return;
    }
    float surface = surfaceHeight(p.x, p.y);
    if (p.z < surface - groundToleranceUnits && !onListPoint(p))
        sink_.report(Violation::BelowGround, where(p) + std::string(vehicle ? " in a vehicle" : " on foot") +
                                                  ", surface at " + std::to_string(surface));
}

// A skin change is the player's own when he asked for it shortly before, or
// when it gives him back the skin he chose (the restore after a death or
// arrest). A change to a player who is dead or being arrested (the reset on
// the death screen) is none of his asking; one behind a black screen is not
// seen, and behind our own black it is the skin his settings give him (also
// when the follow-up to a loading screen finds him being arrested), as is one
// the plug-in puts on him unseen behind another's black.
void Observer::checkSkin() {
    const Entity* ped = w_.player();
    if (!ped) return;  // the game is replacing him: the next ped is compared with the last one
    const Screen& s = w_.screen;
    const bool setByScript = w_.playerModelSets != modelSetsSeen_;
    modelSetsSeen_ = w_.playerModelSets;
    if (ped->model != model_) {
        bool asked = wasFree_ && asksOpen_ > 0;
        if (asked) --asksOpen_;
        if (wasFree_ && wasInView_ && inView(s) && !asked && ped->model != ownSkin_)
            sink_.report(Violation::SkinChangedInView,
                         modelName(w_, model_) + " became " + modelName(w_, ped->model) +
                             " in full view (his own skin: " + modelName(w_, ownSkin_) + ")");
        // Ours: behind our own black, or put on by the plug-in unseen (behind
        // another's black or a loading screen) while he is free.
        bool ours = (isBlack(s) && s.fadeSource == FadeSource::Plugin) ||
                    (setByScript && !inView(s) && wasFree_ && !ped->dead && !w_.beingArrested);
        if (asked || ours) ownSkin_ = ped->model;
    }
    model_ = ped->model;
    wasFree_ = !ped->dead && !w_.beingArrested;
    wasInView_ = inView(s);
}

void Observer::checkNewVehicle(const Entity& vehicle) {
    const ModelInfo* model = w_.models.find(vehicle.model);
    if (!model) return;
    Vec3 p = vehicle.position;
    if (!finite(p)) return;  // reported as a position
    float over = p.z - surfaceHeight(p.x, p.y);
    if (isAircraftKind(model->kind)) {
        bool plane = model->kind == ModelKind::Plane;
        float minimum = clearUnits;
        bool banded = plane ? usableBand(settings.min_plane_spawn_height_over_ground,
                                         settings.max_plane_spawn_height_over_ground, &minimum)
                            : usableBand(settings.min_heli_spawn_height_over_ground,
                                         settings.max_heli_spawn_height_over_ground, &minimum);
        float required = banded ? std::fmax(minimum - groundToleranceUnits, clearUnits) : clearUnits;
        if (!(over >= required))
            sink_.report(Violation::AircraftTooLow, std::string(plane ? "plane " : "helicopter ") + model->name +
                                                        " at " + where(p) + ", " + std::to_string(over) +
                                                        " over the ground, needs " + std::to_string(required));
        return;
    }
    RoadNode node;
    bool onNode = closestRoadNode(w_, p, &node) &&
                  std::hypot(node.position.x - p.x, node.position.y - p.y) <= roadNodeToleranceUnits &&
                  std::fabs(node.position.z - p.z) <= roadNodeToleranceUnits;
    if (!onNode) sink_.report(Violation::VehicleOffRoad, model->name + " at " + where(p));
}

void Observer::afterGameFrame() {
    const Screen& s = w_.screen;
    double frame = w_.frameMilliseconds;
    sinceEventMs_ = w_.eventsRun != eventsSeen_ ? 0 : sinceEventMs_ + frame;
    eventsSeen_ = w_.eventsRun;
    if (!s.loadingScreen) stallMs_ += frame;
    if (deathOrArrest()) stallWasEpisode_ = true;
    double& longestHold = stallWasEpisode_ ? longestEpisodeMs_ : longestOtherHoldMs_;
    longestHold = std::fmax(longestHold, stallMs_);
    double stallLimit = stallWasEpisode_ ? episodeMs : mainLoopCheckMs;
    if (!stallReported_ && stallMs_ > stallLimit) {
        stallReported_ = true;
        sink_.report(stallWasEpisode_ ? Violation::EpisodeTooLong : Violation::MainLoopCheckLate,
                     "no check for " + std::to_string(static_cast<long>(stallMs_)) + " ms outside loading screens");
    }
    checkScreenAndSpeed(frame);
    if (!isBlack(s)) {
        blackMs_ = 0;
        blackReported_ = false;
    } else if (!s.loadingScreen) {
        blackMs_ += frame;
        longestBlackMs_ = std::fmax(longestBlackMs_, blackMs_);
        if (!blackReported_ && blackMs_ > blackScreenMs) {
            blackReported_ = true;
            sink_.report(Violation::BlackScreen, "black for " + std::to_string(static_cast<long>(blackMs_)) + " ms");
        }
    }
}

// Our own cut to black and the game's slow motion, each against its bound.
void Observer::checkScreenAndSpeed(double frame) {
    const Screen& s = w_.screen;
    ourBlackBeforeTurn_ = isBlack(s) && s.fadeSource == FadeSource::Plugin && !s.loadingScreen;
    if (!isBlack(s) || s.fadeSource != FadeSource::Plugin) {
        ourBlackMs_ = 0;
    } else if (!s.loadingScreen && crossed(ourBlackMs_, frame, ourBlackScreenMs)) {
        sink_.report(Violation::OurBlackScreen, "black since our cut for " +
                                                    std::to_string(static_cast<long>(ourBlackMs_)) + " ms");
    }
    longestOurBlackMs_ = std::fmax(longestOurBlackMs_, ourBlackMs_);
    if (!(s.timeScale < 1.0f)) {
        slowMs_ = 0;
    } else if (crossed(slowMs_, frame, slowMotionMs)) {
        sink_.report(Violation::SlowMotion, "below normal speed for " + std::to_string(static_cast<long>(slowMs_)) +
                                                " ms");
    }
    longestSlowMs_ = std::fmax(longestSlowMs_, slowMs_);
    if (s.timeScale < lowestTimeScale)
        sink_.report(Violation::GameStandsStill, "time scale " + std::to_string(s.timeScale));
}

// The game's sequence runs, or the player is dead or being arrested: an arrest
// the police give up at once may end before the sequence shows, yet the
// plug-in's episode for it runs on.
bool Observer::deathOrArrest() const {
    const Entity* ped = w_.player();
    return w_.gameRespawn.stage != GameRespawnStage::None || w_.beingArrested || (ped && ped->dead);
}

bool Observer::quiet() const {
    const Entity* ped = w_.player();
    return stallMs_ < checkGapMs && w_.screen.fade == FadeState::FadedIn && !w_.screen.loadingScreen &&
           w_.gameRespawn.stage == GameRespawnStage::None && ped && !ped->dead && !w_.beingArrested;
}

}  // namespace sim::soak
