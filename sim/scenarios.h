#pragma once
// Short stories of play for the simulated game, shared by the command-line
// simulator (virtual clock) and the stand-in host under Wine (real time). Each
// prints what happened and checks what the player must have seen.
#include <string>
#include <vector>

namespace sim {

// Plays the named scenario with the plug-in already attached, in the current
// directory (the game directory). Prints a report; 0 when every check held,
// 1 when one failed, 2 for an unknown scenario.
int runScenario(const std::string& name);

struct ScenarioInfo {
    const char* name;
    const char* about;  // one line, for a help text
};
// The scenarios by name, each with what it plays.
std::vector<ScenarioInfo> scenarioList();

}  // namespace sim
