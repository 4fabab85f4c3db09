// The simulated game on Linux: loads the plug-in into the simulated host and
// plays a scenario on the virtual clock, in the current directory; or runs the
// soak, seeded random episodes checked against the players' invariants.
//   pelorin-sim <scenario>
//   pelorin-sim soak [--episodes N] [--seed S] [--from E]
//   pelorin-sim soak --seed S --episode E      (replays one episode, verbosely)
//   pelorin-sim menu-pictures FOLDER            (the menu's pages as SVG pictures)
//   pelorin-sim --help
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/library_entry.h"
#include "sim/scenarios.h"
#include "sim/soak_run.h"
#include "tools/menu_pictures.h"

namespace {

void printUsage(std::FILE* out) {
    std::fprintf(out,
                 "usage: pelorin-sim <scenario>\n"
                 "       pelorin-sim soak [--episodes N] [--seed S] [--from E] [--verbose]\n"
                 "       pelorin-sim soak --seed S --episode E\n"
                 "       pelorin-sim menu-pictures FOLDER\n"
                 "       pelorin-sim --help\n");
}

int usage() {
    printUsage(stderr);
    std::fprintf(stderr, "pelorin-sim --help lists the scenarios.\n");
    return 2;
}

int help() {
    std::printf(
        "pelorin-sim plays the plug-in in our simulated game on a virtual clock: a\n"
        "simulation written for testing, not the game. It works in the current\n"
        "directory, the game's folder, where it reads and writes Pelorin.ini and\n"
        "Pelorin.log.\n\n");
    printUsage(stdout);
    std::printf("\nScenarios (each prints what happened and checks what the player saw; exit 0 when all held):\n");
    for (const sim::ScenarioInfo& scenario : sim::scenarioList())
        std::printf("  %-20s %s\n", scenario.name, scenario.about);
    std::printf(
        "\nThe soak plays seeded random episodes, each a fresh game with its own settings and\n"
        "story, and checks every frame against what a player must never see; exit 0 when\n"
        "nothing was broken. A broken rule prints the command that replays its episode.\n"
        "  --episodes N   how many episodes (%ld by default)\n"
        "  --seed S       the seed of the whole run (%llu by default)\n"
        "  --from E       the first episode's number (0 by default)\n"
        "  --episode E    replays episode E alone, telling its story\n"
        "  --verbose      tells every episode's story\n",
        sim::soak::SoakOptions{}.episodes, static_cast<unsigned long long>(sim::soak::SoakOptions{}.seed));
    return 0;
}

int soak(int argc, char** argv) {
    sim::soak::SoakOptions options;
    for (int i = 2; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (i + 1 >= argc) return usage();
        char* end = nullptr;
        unsigned long long value = std::strtoull(argv[++i], &end, 10);
        if (*end != '\0') return usage();
        if (option == "--episodes") {
            options.episodes = static_cast<long>(value);
        } else if (option == "--seed") {
            options.seed = value;
        } else if (option == "--from") {
            options.firstEpisode = static_cast<long>(value);
        } else if (option == "--episode") {
            options.firstEpisode = static_cast<long>(value);
            options.episodes = 1;
            options.verbose = true;
        } else {
            return usage();
        }
    }
    return sim::soak::runSoak(options);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) return help();
    if (std::strcmp(argv[1], "soak") == 0) return soak(argc, argv);
    onLibraryAttach(nullptr);
    if (std::strcmp(argv[1], "menu-pictures") == 0) {
        if (argc != 3) return usage();
        int result = writeMenuPictures(argv[2]);
        onLibraryDetach(nullptr);
        return result;
    }
    int result = sim::runScenario(argv[1]);
    onLibraryDetach(nullptr);
    return result;
}
