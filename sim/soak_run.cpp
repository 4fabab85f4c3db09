#include "sim/soak_run.h"

#include <chrono>
#include <cstdio>
#include <random>

#include "sim/script_host.h"
#include "sim/soak_bounds.h"
#include "sim/soak_file_story.h"
#include "sim/soak_file_watch.h"
#include "sim/soak_invariants.h"
#include "sim/soak_memory.h"
#include "sim/soak_settings.h"
#include "sim/soak_story.h"
#include "tests/support/plugin_state.h"

namespace sim::soak {
namespace {

// Prints this many violations of each kind in full; the rest are counted.
constexpr long printedPerKind = 5;
// Quiet this long after the story's last event, the episode is over.
constexpr double settledMs = 3000;

// An episode's own generator: the seed and the episode number mixed.
uint64_t episodeSeed(uint64_t seed, long episode) {
    uint64_t z = seed * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(episode) + 0x632BE59BD9B4E019ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

SettingsKind pickSettingsKind(std::mt19937_64& random) {
    double roll = std::uniform_real_distribution<double>(0, 1)(random);
    return roll < 0.3 ? SettingsKind::Shipped : roll < 0.65 ? SettingsKind::RandomValid : SettingsKind::Hostile;
}

struct Tally : ViolationSink {
    const SoakOptions& options;
    long episode = 0;
    const Story* story = nullptr;
    const EpisodeSettings* settings = nullptr;
    const EpisodeSettings* edited = nullptr;  // the file as the player rewrote it, if he did
    uint32_t startTick = 0;
    long counts[violationKindCount] = {};
    long episodesWithViolations = 0;
    bool episodeViolated = false;
    bool kindSeen[violationKindCount] = {};  // in this episode

    explicit Tally(const SoakOptions& o) : options(o) {}

    // Counts each kind once per episode: the first sighting is what replays.
    void report(Violation kind, const std::string& detail) override {
        if (kindSeen[static_cast<int>(kind)]) return;
        kindSeen[static_cast<int>(kind)] = true;
        long& count = counts[static_cast<int>(kind)];
        ++count;
        episodeViolated = true;
        if (count > printedPerKind && !options.verbose) return;
        double at = static_cast<int32_t>(world().tick() - startTick) / 1000.0;
        std::printf("VIOLATION %s: %s\n  episode %ld at %.2f s; replay: pelorin-sim soak --seed %llu --episode %ld\n",
                    violationName(kind), detail.c_str(), episode, at, static_cast<unsigned long long>(options.seed),
                    episode);
        if (story && settings)
            std::printf("  settings %s; story: %s\n", settingsKindName(settings->kind), story->description.c_str());
        if (settings && (options.verbose || count == 1) && settings->kind != SettingsKind::Shipped)
            std::printf("  settings file:\n%s", settings->text.c_str());
        if (edited && (options.verbose || count == 1)) std::printf("  rewritten as:\n%s", edited->text.c_str());
    }
};

// The longest of something seen in any episode, and where.
struct Longest {
    double ms = 0;
    long episode = -1;
    void take(double candidate, long inEpisode) {
        if (candidate <= ms) return;
        ms = candidate;
        episode = inEpisode;
    }
    void print(const char* what, uint32_t bound) const {
        std::printf("  %-30s %.1f s (episode %ld; bound %.0f s)\n", what, ms / 1000.0, episode, bound / 1000.0);
    }
};

struct Figures {
    Longest black, episode, otherHold, ourBlack, slowMotion;
    double simulatedSeconds = 0;
    uint64_t frames = 0;
    uint64_t idleTurns = 0;
    long residentAfterWarmUp = 0;
};

// One episode: a fresh game with the plug-in loaded, its settings file and
// story, played frame by frame until it has settled after the last event.
void playEpisode(long episode, const std::string& shippedText, Tally& tally, Figures& figures) {
    std::mt19937_64 random(episodeSeed(tally.options.seed, episode));
    EpisodeSettings settings = makeSettings(pickSettingsKind(random), random, shippedText);
    World& w = testing_support::loadPlugin();
    w.logCalls = false;
    w.recordTextDraws = false;
    testing_support::writeSettingsFile(settings.text);
    Story story = setUpStory(w, random);
    SettingsFileWatch fileWatch(w, tally);
    fileWatch.playerSaved(settings.text);
    // The player may edit the settings file while he plays.
    EpisodeSettings edited;
    if (std::uniform_real_distribution<double>(0, 1)(random) < 0.2) {
        edited = makeSettings(pickSettingsKind(random), random, shippedText);
        uint32_t at = std::uniform_int_distribution<uint32_t>(1000, story.lengthMs)(random);
        w.after(at, [text = edited.text, &fileWatch](World&) {
            fileWatch.checkNow();
            testing_support::writeSettingsFile(text);
            fileWatch.playerSaved(text);
        });
        story.asksAt.push_back(at);
        story.description += "settings file rewritten (" + std::string(settingsKindName(edited.kind)) + ") at " +
                             std::to_string(at) + "; ";
    }
    FileFaultStory fileStory(w, random, story, fileWatch);
    tally.episode = episode;
    tally.story = &story;
    tally.settings = &settings;
    tally.edited = edited.text.empty() ? nullptr : &edited;
    tally.startTick = w.tick();
    tally.episodeViolated = false;
    for (bool& seen : tally.kindSeen) seen = false;
    if (tally.options.verbose)
        std::printf("episode %ld: settings %s; story: %s\n", episode, settingsKindName(settings.kind),
                    story.description.c_str());
    Observer observer(w, tally);
    for (uint32_t at : story.asksAt) w.after(at, [&observer](World&) { observer.playerAsked(); });
    startScript();
    double elapsed = 0, quietFor = 0;
    double limit = story.lengthMs + static_cast<double>(storyTailMs);
    while (elapsed < limit) {
        fileStory.beforeScriptTurn();
        // The plug-in's allocations: what the simulated game records of the
        // natives it answers (texts drawn, say) is the game's own memory.
        uint64_t allocationsBefore = pluginAllocationCount(), callsBefore = w.nativeCallCount;
        runScriptTurn();
        observer.afterScriptTurn(pluginAllocationCount() - allocationsBefore, w.nativeCallCount - callsBefore);
        fileStory.afterScriptTurn();
        fileWatch.afterScriptTurn();
        w.advanceFrame();
        observer.afterGameFrame();
        fileWatch.afterGameFrame();
        elapsed += w.frameMilliseconds;
        quietFor = observer.quiet() ? quietFor + w.frameMilliseconds : 0;
        if (elapsed > story.lengthMs && quietFor >= settledMs) break;
    }
    stopScript();
    fileWatch.checkNow();
    figures.simulatedSeconds += elapsed / 1000.0;
    figures.frames += static_cast<uint64_t>(elapsed / w.frameMilliseconds);
    figures.idleTurns += observer.idleTurns();
    figures.black.take(observer.longestBlackMs(), episode);
    figures.episode.take(observer.longestEpisodeMs(), episode);
    figures.otherHold.take(observer.longestOtherHoldMs(), episode);
    figures.ourBlack.take(observer.longestOurBlackMs(), episode);
    figures.slowMotion.take(observer.longestSlowMotionMs(), episode);
    tally.episodesWithViolations += tally.episodeViolated;
    tally.story = nullptr;
    tally.settings = tally.edited = nullptr;
}

}  // namespace

int runSoak(const SoakOptions& options) {
    using Clock = std::chrono::steady_clock;
    std::string shippedText = testing_support::shippedSettingsText();
    Tally tally(options);
    Figures figures;
    long warmUp = options.firstEpisode + options.episodes / 10;
    Clock::time_point start = Clock::now();
    for (long e = options.firstEpisode; e < options.firstEpisode + options.episodes; ++e) {
        playEpisode(e, shippedText, tally, figures);
        if (e + 1 == warmUp) figures.residentAfterWarmUp = residentKilobytes();
    }
    double wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    long residentAtEnd = residentKilobytes();
    if (residentGrowthMeaningful && options.episodes >= 100 &&
        residentAtEnd - figures.residentAfterWarmUp > memoryGrowthKilobytes) {
        tally.episode = options.firstEpisode + options.episodes - 1;
        tally.report(Violation::MemoryGrowth, std::to_string(figures.residentAfterWarmUp) + " kB after the warm-up, " +
                                                  std::to_string(residentAtEnd) + " kB at the end");
    }
    long total = 0;
    for (long count : tally.counts) total += count;
    std::printf("soak: seed %llu, episodes %ld from %ld\n", static_cast<unsigned long long>(options.seed),
                options.episodes, options.firstEpisode);
    std::printf("  simulated hours:              %.2f (%llu frames)\n", figures.simulatedSeconds / 3600.0,
                static_cast<unsigned long long>(figures.frames));
    std::printf("  wall seconds:                 %.1f\n", wallSeconds);
    std::printf("  simulated s per wall s:       %.0f\n", figures.simulatedSeconds / wallSeconds);
    std::printf("  idle main-loop turns checked: %llu\n", static_cast<unsigned long long>(figures.idleTurns));
    figures.black.print("longest black screen:", blackScreenMs);
    figures.episode.print("longest episode:", episodeMs);
    figures.otherHold.print("longest other hold of the loop:", mainLoopCheckMs);
    figures.ourBlack.print("longest black after our cut:", ourBlackScreenMs);
    figures.slowMotion.print("longest slow motion:", slowMotionMs);
    std::printf("  resident memory:              %ld kB after the warm-up, %ld kB at the end, %ld kB peak%s\n",
                figures.residentAfterWarmUp, residentAtEnd, peakResidentKilobytes(),
                residentGrowthMeaningful ? "" : " (growth not checked under AddressSanitizer)");
    std::printf("  violations (episodes by kind): %ld in %ld episodes\n", total, tally.episodesWithViolations);
    for (int kind = 0; kind < violationKindCount; ++kind)
        std::printf("    %-44s %ld\n", violationName(static_cast<Violation>(kind)), tally.counts[kind]);
    return total == 0 ? 0 : 1;
}

}  // namespace sim::soak
