#pragma once
// What a player must never see, checked after every script turn and every game
// frame of a soak episode, against the bounds of sim/soak_bounds.h.
#include <cstdint>
#include <set>
#include <string>

#include "sim/world.h"

namespace sim::soak {

enum class Violation {
    BlackScreen,          // black outside a loading screen for longer than its bound
    OurBlackScreen,       // a cut to black of ours not faded in again within its bound
    SlowMotion,           // the game below normal speed for longer than the death screen's bound
    GameStandsStill,      // a time scale below the lowest the slow motion is held to
    SkinChangedInView,    // a living, free player's skin changed in view without his asking
    SequenceEndedBlack,   // the main loop ran again with the plug-in's own fade-out still on
    EpisodeTooLong,       // a death or arrest episode held the main loop beyond its bound
    MainLoopCheckLate,    // the once-a-second check did not run again within its bound
    NonFinitePosition,    // the player or his vehicle moved to a place that is not finite
    BelowGround,          // ... or below the ground or water surface there
    AircraftTooLow,       // an aircraft placed below its band's minimum over the ground
    VehicleOffRoad,       // a land vehicle placed away from every road node
    IdleAllocation,       // a heap allocation in an idle frame of the main loop
    MemoryGrowth,         // the resident size grew over the run
    // The player's settings file (sim/soak_file_watch.h):
    SettingsFileDamaged,     // neither as he left it nor as we meant to write it
    CustomPointOverwritten,  // a custom point of his written over
    StoredSkinReplaced,      // the stored skin replaced by one he did not choose
    LinkBroken,              // a link he made is no longer one
    Count
};
constexpr int violationKindCount = static_cast<int>(Violation::Count);
const char* violationName(Violation kind);

// Receives each violation with a line that says what was seen.
class ViolationSink {
public:
    virtual ~ViolationSink() = default;
    virtual void report(Violation kind, const std::string& detail) = 0;
};

class Observer {
public:
    Observer(World& world, ViolationSink& sink);
    // After the script's turn: where the player is, what the main loop did,
    // and the heap allocations and native calls the turn made.
    void afterScriptTurn(uint64_t allocations, uint64_t nativeCalls);
    // After the game's frame: the screen, the game's speed and the main loop's stall.
    void afterGameFrame();
    // The player asked for a skin change (a chord, a save of the settings file).
    void playerAsked() {
        ++asksOpen_;
        checksSinceAsked_ = 0;
    }
    // The plug-in is at rest: the main loop runs, the screen is in view, no
    // sequence of the game runs and the player stands alive.
    bool quiet() const;
    uint64_t idleTurns() const { return idleTurns_; }
    // The longest seen so far, in milliseconds outside loading screens: a
    // black screen, an episode's hold on the main loop, another hold on it.
    double longestBlackMs() const { return longestBlackMs_; }
    double longestEpisodeMs() const { return longestEpisodeMs_; }
    double longestOtherHoldMs() const { return longestOtherHoldMs_; }
    double longestOurBlackMs() const { return longestOurBlackMs_; }
    double longestSlowMotionMs() const { return longestSlowMs_; }

private:
    void checkBody();
    void checkNewVehicle(const Entity& vehicle);
    void mainLoopChecked(uint32_t previousCheck);
    void checkSkin();
    bool deathOrArrest() const;
    void checkScreenAndSpeed(double frameMs);

    World& w_;
    ViolationSink& sink_;
    uint32_t lastCheck_ = 0;
    double stallMs_ = 0;            // since the last check, loading screens not counted
    bool stallWasEpisode_ = false;  // a death or arrest, or the game's sequence, during the stall
    bool stallReported_ = false;
    double blackMs_ = 0;            // black outside loading screens
    bool blackReported_ = false;
    double ourBlackMs_ = 0;         // black since our own cut, outside loading screens
    bool ourBlackBeforeTurn_ = false;  // our black screen on after the last game frame
    double slowMs_ = 0;             // the game below normal speed
    // The player's model, and whether he was alive and free and the screen in
    // view, at the last turn; the skin he chose (at start, by asking, or by
    // the settings our own sequences apply behind our black screen).
    uint32_t model_ = 0;
    bool wasFree_ = false;
    bool wasInView_ = false;
    uint32_t ownSkin_ = 0;
    uint64_t modelSetsSeen_ = 0;  // the world's count of the player's model changes by script
    // Skin changes the player asked for and has not had yet (the file at start
    // asks for one), and the checks run since he last asked.
    int asksOpen_ = 1;
    int checksSinceAsked_ = 0;
    uint32_t bodyHandle_ = 0;
    Vec3 bodyPosition_{};
    std::set<uint32_t> vehiclesSeen_;
    uint64_t pendingIdleAllocations_ = 0;
    uint64_t pendingIdleTurns_ = 0;
    size_t writeStepsSeen_ = 0;  // of our writes of the settings file, as the last turn left them
    uint64_t idleTurns_ = 0;
    size_t outputsBefore_ = 0;
    uint64_t eventsSeen_ = 0;
    double sinceEventMs_ = 0;       // since the last event of the story
    double longestBlackMs_ = 0, longestEpisodeMs_ = 0, longestOtherHoldMs_ = 0;
    double longestOurBlackMs_ = 0, longestSlowMs_ = 0;
};

}  // namespace sim::soak
