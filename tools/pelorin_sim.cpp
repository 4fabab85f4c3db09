// The simulated game on Linux: loads the plug-in into the simulated host and
// plays a scenario on the virtual clock, in the current directory.
//   pelorin-sim <scenario>
#include <cstdio>

#include "host/library_entry.h"
#include "sim/scenarios.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: pelorin-sim <scenario>\n");
        return 2;
    }
    onLibraryAttach(nullptr);
    int result = sim::runScenario(argv[1]);
    onLibraryDetach(nullptr);
    return result;
}
