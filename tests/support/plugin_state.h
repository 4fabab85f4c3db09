#pragma once
// A fresh game for each test: a new simulated world, the plug-in's state as
// at library load, the plug-in attached to the host, and a game directory of
// its own (the current directory, where ".\Pelorin.ini" lives).
#include <string>
#include <utility>
#include <vector>

#include "sim/world.h"

namespace testing_support {

// Starts a new game and loads the plug-in; returns the world.
sim::World& loadPlugin();
// Loads the plug-in into a game whose settings file holds the text, starts the
// script and plays two seconds, or for a large text as long as
// steppedReadMilliseconds allows for it.
sim::World& gameStartedWith(const std::string& settingsText);
// The game time a read (or check) of a text this long may take when it walks
// a step per frame: a second for the once-a-second check to come round, and a
// frame for each of its least slices, as many as a slow machine (a sanitizer
// build on a busy one) may be left with, plus a few for the steps around
// them. A bound that holds whatever the machine's speed, yet ends a wait
// that would not.
uint32_t steppedReadMilliseconds(size_t textBytes);
// The most steps one try of a write of ours may take on a text this long, on
// a machine however slow: each step makes at least a slice (the text parsed,
// edited and parsed again, 2 KB; read, 64 KB), the edits of the points it
// moves are chosen, listed and indexed some at a time, and a few steps of
// their own come around them (the replace on the background thread among them).
size_t mostStepsOfOurWrite(size_t textBytes);
// Plays frame by frame while a write of ours to the settings file runs, for at
// most the steps its tries take at its file's size; true when it ended.
bool playUntilOurWriteEnds();
// The test's game directory (created empty by loadPlugin).
const std::string& gameDirectory();
// The game directory's Pelorin.ini as it is now ("" when there is none).
std::string settingsFileText();
// Writes the settings file of the game directory.
void writeSettingsFile(const std::string& text);
void removeSettingsFile();
// The shipped settings file, dist/Pelorin.ini.
std::string shippedSettingsText();
// A settings file with every key at its built-in value (those that read so
// when missing left out), plus extra lines.
std::string builtInSettingsText(const std::string& extraLines = "");
// The settings text with one key's value set: its line replaced, or the line
// added at the end when the key is not there.
std::string withSetting(std::string text, const std::string& key, const std::string& value);
// The built-in settings text with some keys set otherwise; later changes win.
using Setting = std::pair<std::string, std::string>;
std::string builtInSettingsWith(const std::vector<Setting>& changes);

}  // namespace testing_support
