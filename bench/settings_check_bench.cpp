// The settings checker, as the plug-in runs it after a settings read that saw
// a change: time per check of the shipped file, of a file that claims the most
// custom points read, and of a large damaged file.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/custom_points_text.h"
#include "tools/settings_check_list.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void timeCheck(const char* what, const std::string& text, int runs) {
    size_t findings = 0;
    Clock::time_point start = Clock::now();
    for (int i = 0; i < runs; ++i) findings += checkSettingsText(text).findings.size();
    double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / runs;
    std::printf("  %-52s %10.1f us per check, %zu findings, %zu bytes\n", what, us, findings / runs, text.size());
}

}  // namespace

void benchSettingsCheck() {
    std::string source = PELORIN_SOURCE_DIR;
    timeCheck("shipped Pelorin.ini", fileText(source + "/dist/Pelorin.ini"), 2000);
    timeCheck("10000 custom points in use and defined",
              withTenThousandCustomPoints(fileText(source + "/dist/Pelorin.ini")), 50);
    timeCheck("10000 custom points claimed, one defined",
              fileText(source + "/tests/check_corpus/custom_points_past_cap.ini"), 20);
    std::string damaged = "[Player_Respawn]\n";
    for (int i = 0; i < 20000; ++i)
        damaged += "unknown_key_" + std::to_string(i) + "=1\n[Section" + std::to_string(i) + "]\n";
    timeCheck("20000 unknown keys in 20000 sections", damaged, 5);
}
