// The simulated game on Linux: loads the plug-in into the simulated host and
// plays a scenario on the virtual clock, in the current directory; or runs the
// soak, seeded random episodes checked against the players' invariants.
//   pelorin-sim <scenario>
//   pelorin-sim soak [--episodes N] [--seed S] [--from E]
//   pelorin-sim soak --seed S --episode E      (replays one episode, verbosely)
//   pelorin-sim menu-pictures FOLDER            (the menu's pages as SVG pictures)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/library_entry.h"
#include "sim/scenarios.h"
#include "sim/soak_run.h"
#include "tools/menu_pictures.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: pelorin-sim <scenario>\n"
                 "       pelorin-sim soak [--episodes N] [--seed S] [--from E] [--verbose]\n"
                 "       pelorin-sim soak --seed S --episode E\n"
                 "       pelorin-sim menu-pictures FOLDER\n");
    return 2;
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
