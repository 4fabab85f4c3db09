#include "sim/soak_story.h"

#include <cstdio>

#include "sim/game_events.h"
#include "sim/joaat.h"
#include "sim/terrain.h"

namespace sim::soak {
namespace {

int uniform(std::mt19937_64& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool chance(std::mt19937_64& random, double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; }

void describe(Story& story, const char* format, long a = 0, long b = 0) {
    char line[160];
    std::snprintf(line, sizeof line, format, a, b);
    story.description += line;
}

// Where the story begins: where the game starts, on the mountain's summit, by
// the lake, in the western range, or anywhere on dry land.
Vec3 startPlace(std::mt19937_64& random) {
    const float places[][2] = {{-50.0f, -1110.0f}, {500.0f, 5300.0f}, {1560.0f, 4250.0f}, {-2300.0f, 2900.0f}};
    int pick = uniform(random, 0, 5);
    float x, y;
    if (pick < 4) {
        x = places[pick][0];
        y = places[pick][1];
    } else {
        do {
            x = static_cast<float>(uniform(random, -3400, 3800));
            y = static_cast<float>(uniform(random, -3500, 6800));
        } while (!isDryLand(x, y));
    }
    return Vec3{x, y, terrainHeight(x, y)};
}

void schedule(World& w, uint32_t at, Event event) { w.after(at, std::move(event)); }

// The respawn-on-demand chord of the shipped settings: Ctrl held, K pressed.
void pressKeyChord(World& w, uint32_t at) {
    uint32_t now = w.tick() + at;
    w.keyMessageAt(now, 0x11, false);
    w.keyMessageAt(now + 100, 0x4B, false);
    w.keyMessageAt(now + 200, 0x4B, true);
    w.keyMessageAt(now + 350, 0x11, true);
}

// The controller chord of the shipped settings: control 44 held, 18 pressed.
void pressControllerChord(World& w, uint32_t at) {
    schedule(w, at, [](World& world) { holdControl(world, 44); });
    schedule(w, at + 100, [](World& world) { pressControl(world, 18); });
    schedule(w, at + 300, [](World& world) {
        releaseControl(world, 18);
        releaseControl(world, 44);
    });
}

void setUpFaults(World& w, std::mt19937_64& random, Story& story) {
    if (chance(random, 0.15)) {
        w.faults.deathEffectNeverRuns = true;
        describe(story, "no DeathFailOut; ");
    }
    w.faults.missionFailFadeInMilliseconds =
        chance(random, 0.15) ? 0u : static_cast<uint32_t>(uniform(random, 500, 20000));
    describe(story, "mission fail screen fades in after %ld ms (0 never); ", w.faults.missionFailFadeInMilliseconds);
    int unstreamed = chance(random, 0.5) ? uniform(random, 1, 3) : 0;
    for (int i = 0; i < unstreamed; ++i) {
        float x = static_cast<float>(uniform(random, -3500, 3500));
        float y = static_cast<float>(uniform(random, -3500, 6500));
        float size = static_cast<float>(uniform(random, 300, 3000));
        w.unstreamedAreas.push_back(StreamingArea{MapArea{x, x + size, y, y + size}});
        describe(story, "collision missing from (%ld, %ld) ", static_cast<long>(x), static_cast<long>(y));
        describe(story, "size %ld; ", static_cast<long>(size));
    }
    if (chance(random, 0.5)) {
        w.unstreamedAreas.push_back(StreamingArea{MapArea{-400.0f, 1400.0f, 4400.0f, 6200.0f}});
        describe(story, "the mountain's collision missing; ");
    }
    if (chance(random, 0.25)) {
        uint32_t salt = static_cast<uint32_t>(random());
        w.models.makeSomeVehiclesNeverLoad(salt, 4);
        describe(story, "a quarter of the vehicle models never load; ");
    }
    // Assumption: the game keeps its story characters' models loaded; other
    // peds' models can fail to load like any other.
    if (chance(random, 0.1)) {
        w.models.makeNeverLoading("a_m_y_hipster_01");
        describe(story, "a_m_y_hipster_01 never loads; ");
    }
}

// The events of the story, at random moments of its length.
void scheduleEvents(World& w, std::mt19937_64& random, Story& story) {
    uint32_t length = static_cast<uint32_t>(uniform(random, 20000, 150000));
    story.lengthMs = length;
    auto moment = [&]() { return static_cast<uint32_t>(uniform(random, 2000, static_cast<int>(length))); };
    int deaths = uniform(random, 0, 3);
    for (int i = 0; i < deaths; ++i) {
        uint32_t at = moment();
        schedule(w, at, killPlayer);
        describe(story, "death at %ld; ", at);
        if (chance(random, 0.3)) {
            // Again, while the plug-in may be bringing him back.
            uint32_t again = at + static_cast<uint32_t>(uniform(random, 3000, 45000));
            schedule(w, again, killPlayer);
            describe(story, "death again at %ld; ", again);
        }
        if (chance(random, 0.1)) {
            // The game brings him back by itself, in whatever skin he wears.
            uint32_t back = at + static_cast<uint32_t>(uniform(random, 1500, 10000));
            schedule(w, back, gameBringsPlayerBackAsHeIs);
            describe(story, "the game brings him back as he is at %ld; ", back);
        }
        if (chance(random, 0.2)) {
            // A loading screen in the middle of the respawn.
            uint32_t loading = at + static_cast<uint32_t>(uniform(random, 3000, 45000));
            uint32_t shows = static_cast<uint32_t>(uniform(random, 300, 10000));
            schedule(w, loading, [shows](World& world) { showLoadingScreen(world, shows); });
            describe(story, "loading screen at %ld for %ld ms; ", loading, shows);
        }
    }
    for (int i = uniform(random, 0, 2); i > 0; --i) {
        uint32_t at = moment();
        schedule(w, at, arrestPlayer);
        describe(story, "arrest at %ld; ", at);
        if (chance(random, 0.2)) {
            uint32_t off = at + static_cast<uint32_t>(uniform(random, 100, 900));
            schedule(w, off, arrestCalledOff);
            describe(story, "called off at %ld; ", off);
        }
    }
    for (int i = uniform(random, 0, 3); i > 0; --i) {
        uint32_t at = moment();
        bool keys = chance(random, 0.6);
        story.asksAt.push_back(at);
        if (keys)
            pressKeyChord(w, at);
        else
            pressControllerChord(w, at);
        describe(story, keys ? "key chord at %ld; " : "controller chord at %ld; ", at);
    }
    for (int i = uniform(random, 0, 3); i > 0; --i) {
        uint32_t at = moment();
        uint32_t shows = chance(random, 0.1) ? uniform(random, 60000, 100000) : uniform(random, 300, 15000);
        schedule(w, at, [shows](World& world) { showLoadingScreen(world, shows); });
        describe(story, "loading screen at %ld for %ld ms; ", at, shows);
    }
    for (int i = uniform(random, 0, 2); i > 0; --i) {
        uint32_t at = moment(), lasts = static_cast<uint32_t>(uniform(random, 5000, 120000));
        schedule(w, at, startMission);
        schedule(w, at + lasts, endMission);
        describe(story, "mission from %ld to %ld; ", at, at + lasts);
    }
    if (chance(random, 0.3)) {
        uint32_t at = moment(), fade = static_cast<uint32_t>(uniform(random, 0, 1500));
        uint32_t hold = chance(random, 0.25) ? 0u : static_cast<uint32_t>(uniform(random, 1000, 120000));
        schedule(w, at, [fade, hold](World& world) { otherScriptFadesOut(world, fade, hold); });
        describe(story, "another script fades out at %ld, holds %ld ms (0 for good); ", at, hold);
    }
    if (chance(random, 0.2)) {
        uint32_t at = moment(), back = static_cast<uint32_t>(uniform(random, 0, 5000));
        schedule(w, at, [back](World& world) { playerPedVanishes(world, back); });
        describe(story, "the player's ped vanishes at %ld, back after %ld ms; ", at, back);
    }
}

}  // namespace

Story setUpStory(World& w, std::mt19937_64& random) {
    Story story;
    w.random.seed(static_cast<uint32_t>(random()));
    w.streamingRandom.seed(static_cast<uint32_t>(random()));
    if (chance(random, 0.25)) {
        // The tick count wraps during the story.
        uint32_t base = 0u - static_cast<uint32_t>(uniform(random, 1000, 200000));
        w.setTickBase(base);
        describe(story, "ticks start %ld ms before the wrap; ", static_cast<long>(0u - base));
    }
    Entity* player = w.player();
    player->position = startPlace(random);
    describe(story, "starts at (%ld, %ld); ", static_cast<long>(player->position.x),
             static_cast<long>(player->position.y));
    if (chance(random, 0.3)) {
        player->model = joaat(chance(random, 0.5) ? "a_m_y_hipster_01" : "a_c_chop");
        describe(story, "in another skin; ");
    } else if (chance(random, 0.3)) {
        player->model = joaat(chance(random, 0.5) ? "player_one" : "player_two");
    }
    setUpFaults(w, random, story);
    scheduleEvents(w, random, story);
    return story;
}

}  // namespace sim::soak
