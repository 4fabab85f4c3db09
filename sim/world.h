#pragma once
// The simulated game: one world that answers the plug-in's natives. It models
// what the plug-in relies on (the player, entities, models, the screen, the
// feed, sounds, controls and the mouse, weapons, stats, terrain and roads)
// plausibly, not the real game. Assumptions about the game are written beside
// the code that models them.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "sim/model_catalogue.h"

namespace sim {

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

enum class EntityKind { Ped, Vehicle };

// How a ped's clothing was last set.
enum class ComponentVariation { Untouched, Default, Random };

struct WeaponState {
    int32_t ammunition = 0;
    std::set<uint32_t> components;
};

struct VehicleState {
    int32_t modKit = -1;
    std::map<int32_t, bool> toggles;            // toggle slots 17, 18, 20
    std::map<int32_t, int32_t> mods;            // slot -> index
    std::map<int32_t, int32_t> modCounts;       // slot -> number of modifications the game offers
    int32_t plateStyle = -1;
    std::string plateText;
    std::set<int32_t> neonLights;
    int32_t neonRed = -1, neonGreen = -1, neonBlue = -1;
    int32_t primaryColour = 0, secondaryColour = 0;  // the colours the game holds
    int32_t pearlescentColour = 0, wheelColour = 0;  // the extra colours
    int32_t modColour1PaintType = -1, modColour1 = -1;
    int32_t modColour2PaintType = -1, modColour2 = -1;
    bool engineOn = false;
    float forwardSpeed = 0;
    int32_t landingGear = -1;
    bool placedOnGround = false;
    bool handedBack = false;                    // given to the game's clean-up
    uint32_t driver = 0;                        // ped in the driver's seat
};

struct Entity {
    uint32_t handle = 0;
    EntityKind kind = EntityKind::Ped;
    uint32_t model = 0;
    Vec3 position;
    float heading = 0;
    bool dead = false;
    bool collision = true;
    // Peds
    uint32_t vehicle = 0;                       // vehicle the ped sits in
    uint32_t lastVehicle = 0;                   // vehicle the ped was last in
    int32_t armour = 0;
    ComponentVariation variation = ComponentVariation::Untouched;
    std::map<uint32_t, WeaponState> weapons;
    bool driving = false;                       // a drive-around task runs
    float driveSpeed = 0;
    int32_t driveStyle = 0;
    int32_t tasksCleared = 0;                   // times the ped's tasks were cleared
    // Vehicles
    VehicleState vehicleState;
};

// One native call as the plug-in made it.
struct CallRecord {
    uint32_t tick;
    uint64_t hash;
    std::vector<uint64_t> args;
};

struct SoundRecord {
    uint32_t tick;
    std::string sound;
    std::string soundSet;
    bool lastArgument;
};

struct TextDraw {
    uint32_t tick;
    std::string text;
    float x, y;
    int32_t red, green, blue, alpha, font;
    float scale, size, wrapLeft, wrapRight;
    bool centred, outline;
    int32_t shadowDistance, edge, edgeAlpha;
    int32_t justification;  // 0 centre, 1 left, 2 right (to wrapRight)
    float width;            // as the width natives answer it (text_width.h)
};

// The text style the next draw takes, as the text natives set it.
struct TextStyle {
    int32_t red = 255, green = 255, blue = 255, alpha = 255, font = 0;
    float scale = 1, size = 1, wrapLeft = 0, wrapRight = 1;
    bool centred = false, outline = false;
    int32_t shadowDistance = 0, edge = 0, edgeAlpha = 0;
    int32_t justification = 1;
};

// A filled rectangle centred on (x, y); coordinates and sizes are fractions
// of the screen's width (x) and height (y).
struct RectDraw {
    float x, y, width, height;
    int32_t red, green, blue, alpha;
};

// What the script drew on one frame, in draw order: rectangles and texts.
struct ScreenItem {
    bool isText;
    RectDraw rect;  // when !isText
    TextDraw text;  // when isText
};
struct FrameDrawing {
    uint64_t frame = 0;  // World::frameCount while it was drawn
    std::vector<ScreenItem> items;
};

// A method of a scaleform movie called by script, with its parameters as text.
struct ScaleformCall {
    std::string method;
    std::vector<std::string> parameters;
};
// A scaleform movie a script requested: loaded some frames later, drawn on the
// frames it was drawn, given back.
struct ScaleformMovie {
    std::string name;
    uint64_t loadedAtFrame = 0;
    bool released = false;
    std::vector<ScaleformCall> calls;
    uint64_t drawnFrames = 0;
    uint64_t lastDrawnFrame = 0;
};

// A blip on the game's map: the plug-in's, or the game's own (the waypoint).
struct Blip {
    Vec3 position;
    int32_t sprite = 1;
    int32_t colour = 0;
    std::string name;
    bool byScript = false;
};
constexpr int32_t waypointSprite = 8;

enum class FadeState { FadedIn, FadingOut, FadedOut, FadingIn };

// Who started the fade that is running or done: the game's own sequences,
// the plug-in (the only script that calls the fade natives), or another script.
enum class FadeSource { Game, Plugin, OtherScript };

struct Screen {
    FadeState fade = FadeState::FadedIn;
    FadeSource fadeSource = FadeSource::Game;
    uint32_t fadeStart = 0;
    uint32_t fadeDuration = 0;
    std::set<std::string> effects;              // screen effects running
    float timeScale = 1.0f;
    int32_t viewMode = 1;
    float gameplayFieldOfView = 50.0f;
    uint32_t renderingCamera = 0xFFFFFFFFu;     // a scripted camera, 0xFFFFFFFF = the gameplay camera
    std::map<uint32_t, float> cameraFieldOfView;
    std::set<uint32_t> camerasSwitchedOff;
    std::set<uint32_t> camerasDestroyed;
    float relativeHeading = 0, relativePitch = 0, relativePitchSecond = 0;
    bool loadingScreen = false;
    int32_t loadingScreensShowing = 0;          // those set off by showLoadingScreen, not yet over
    bool cutscene = false;
    float aspectRatio = 16.0f / 9.0f;           // width over height
    // Answers that the next "faded out" questions take instead of the fade
    // state, one per question (for a screen that changes between two of them).
    std::vector<bool> forcedFadedOutAnswers;
};

// A rectangle of the map, for the switches that take ground or roads away.
struct MapArea {
    float minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool contains(float x, float y) const { return x >= minX && x <= maxX && y >= minY && y <= maxY; }
};

// A part of the map whose collision the game has not streamed in: the ground
// query finds nothing there until some frames after a scene load inside it, or
// until the player has stood in it for a while.
struct StreamingArea {
    MapArea area;
    bool loaded = false;
    double playerInsideMilliseconds = 0;
    uint64_t sceneLoadFrame = 0;                // the frame a scene load completes on; 0: none asked for
};

// The game's own wasted or busted sequence, as ruleDeathAndArrest runs it.
// MissionFailed: a death or arrest during a mission ends it; the player is put
// back behind the mission's fail screen, which the game fades in by itself.
enum class GameRespawnStage { None, Screen, FadingOut, PutBack, FadingIn, MissionFailed };
struct GameRespawn {
    GameRespawnStage stage = GameRespawnStage::None;
    bool busted = false;
    double stageMilliseconds = 0;               // game time spent in the stage, at the game's time scale
    uint32_t camera = 0;                        // the scripted camera of the wasted or busted screen
    int32_t count = 0;                          // times the game put the player back
    bool duringMission = false;                 // the sequence began while a mission was active
};

// Faults of the game that a world can be switched to.
struct GameFaults {
    bool deathEffectNeverRuns = false;          // the wasted and busted screens run no "DeathFailOut"
    // How long the mission fail screen stays black before the game fades it
    // in; 0: it never does.
    uint32_t missionFailFadeInMilliseconds = 4000;
};

// A model request and when its load completes.
struct ModelRequest {
    uint32_t requestedAt = 0;
    bool loaded = false;
};

class World;
using Event = std::function<void(World&)>;

class World {
public:
    World();

    // Clock. The tick count is a 32-bit millisecond count starting at tickBase.
    uint32_t tick() const;
    uint64_t elapsedMicros() const { return elapsedMicros_; }
    void setTickBase(uint32_t base) { tickBase_ = base; }
    double frameMilliseconds = 1000.0 / 60.0;
    uint64_t frameCount = 0;
    uint64_t eventsRun = 0;                     // scheduled events and keyboard messages so far
    // Moves the game on by one frame: the clock, then scheduled events, keyboard
    // messages and the game's own rules.
    void advanceFrame();

    // Events and keyboard messages at given ticks (absolute) or after a delay.
    void at(uint32_t tick, Event event);
    void after(uint32_t milliseconds, Event event);
    void keyMessageAt(uint32_t tick, uint32_t key, bool up);

    // Player
    uint32_t playerId = 1;
    uint32_t playerPed = 0;
    bool beingArrested = false;
    uint64_t playerModelSets = 0;  // the player's model changed by a script (SET_PLAYER_MODEL)
    bool missionActive = false;
    int32_t wantedLevel = 0;                    // the player's stars

    // Entities
    std::map<uint32_t, Entity> entities;
    Entity* find(uint32_t handle);
    const Entity* find(uint32_t handle) const;
    Entity& spawnPed(uint32_t model, Vec3 position);
    Entity& spawnVehicle(uint32_t model, Vec3 position);
    void removeEntity(uint32_t handle);
    Entity* player() { return find(playerPed); }

    // Models
    ModelCatalogue models;
    std::map<uint32_t, ModelRequest> requests;
    std::map<uint32_t, int32_t> releases;      // model -> times released
    uint32_t modelLoadMilliseconds = 50;

    // Screen, camera, effects
    Screen screen;
    uint32_t nextCameraHandle = 0x1000;
    GameRespawn gameRespawn;

    // Terrain and roads (sim/terrain.h, sim/roads.h): areas where the ground
    // query finds nothing at any height, areas without road nodes, and every
    // scene load asked for.
    std::vector<MapArea> groundlessAreas;
    std::vector<MapArea> roadlessAreas;
    std::vector<StreamingArea> unstreamedAreas;
    std::vector<Vec3> sceneLoads;
    bool collisionMissingAt(float x, float y) const;
    // How many frames a scene load takes at most, and the generator that draws
    // each load's number of frames.
    uint32_t sceneLoadMaxFrames = 30;
    std::mt19937 streamingRandom{6789};

    GameFaults faults;

    // Notifications and text
    std::vector<std::string> notifications;
    std::vector<uint32_t> notificationTicks;
    std::vector<std::string> pendingComponents;  // text components of the item being built
    std::string pendingComponentType;
    TextStyle textStyle;
    uint64_t textWidthQueries = 0;  // answers of the width natives so far
    // Every draw of the run, for tests that look back over it. The game keeps
    // a frame's draws only (drawing, lastFrame): a long run (the soak) turns
    // the record off, and counts the draws.
    bool recordTextDraws = true;
    std::vector<TextDraw> textDraws;
    uint64_t textDrawCount = 0;  // recorded or not
    // The frame being drawn, and the last one shown (complete).
    FrameDrawing drawing;
    FrameDrawing lastFrame;

    // The map's blips by handle, the plug-in's and the game's.
    std::map<int32_t, Blip> blips;
    int32_t nextBlipHandle = 0x2001;
    int32_t scriptBlipCount() const;

    // Sounds
    std::vector<SoundRecord> sounds;

    // Controls of group 2: held down, and pressed on this frame; and those a
    // script disabled for this frame.
    std::set<int32_t> controlsHeld;
    std::set<int32_t> controlsJustPressed;
    std::set<int32_t> controlsDisabled;
    // The last input came from the keyboard (a key message) rather than the
    // controller (a control pressed).
    bool keyboardInUse = true;
    // The mouse cursor: where it is, in fractions of the screen's width and
    // height from the top left, and the last frame a script showed it on
    // (0: never).
    float cursorX = 0.5f, cursorY = 0.5f;
    uint64_t cursorShownFrame = 0;
    // How often the game acted on each control (an attack fired, the phone
    // taken out): a control pressed on a frame that no script disabled.
    std::map<int32_t, int32_t> controlsActedOn;

    // The scaleform movies scripts requested, by handle; the method being called.
    std::map<int32_t, ScaleformMovie> scaleformMovies;
    int32_t nextScaleformHandle = 1;
    int32_t methodMovie = 0;
    ScaleformCall pendingMethod;

    // Stats by name hash
    std::map<uint32_t, int32_t> stats;

    // The host's random natives: a seeded generator, with values a test can
    // force; a forced value is used by the next call of that native.
    std::mt19937 random{12345};
    std::vector<int32_t> forcedInts;
    std::vector<float> forcedFloats;

    // Call log and counters
    bool logCalls = true;
    // A typed slot given a handle of another kind ends the run, as a wrong
    // argument count does; off, the natives answer it as the game does.
    bool refuseHandlesOfWrongKind = true;
    std::vector<CallRecord> calls;
    uint64_t nativeCallCount = 0;
    int32_t countCalls(uint64_t hash) const;

    // Keyboard handler registered by the plug-in.
    void (*keyboardHandler)(uint32_t, uint16_t, uint8_t, int32_t, int32_t, int32_t, int32_t) = nullptr;
    void (*scriptEntry)() = nullptr;

    // The game's own per-frame behaviour, registered by the rule files.
    std::vector<std::function<void(World&)>> frameRules;

    uint32_t nextHandle = 0x100;

private:
    uint64_t elapsedMicros_ = 0;
    uint32_t tickBase_ = 100000;
    std::multimap<uint32_t, Event> events_;  // keyed by elapsed milliseconds
    uint32_t elapsedMilliseconds() const { return static_cast<uint32_t>(elapsedMicros_ / 1000); }
};

// The one world the host functions answer from.
World& world();
// Starts a new game: a fresh world with the player standing as "player_zero".
World& resetWorld();

}  // namespace sim
