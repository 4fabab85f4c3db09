#pragma once
// The simulated script host: what ScriptHookV does for the plug-in (script
// and keyboard-handler registration, scriptWait on the script's fibre, the
// native-call protocol) and the frame loop that runs the game around it.
#include <cstdint>
#include <string>

#include "sim/world.h"

namespace sim {

void hostScriptRegister(void (*entry)());
void hostScriptUnregister();
void hostKeyboardHandlerRegister(void (*handler)(uint32_t, uint16_t, uint8_t, int32_t, int32_t, int32_t, int32_t));
void hostKeyboardHandlerUnregister();
void hostScriptWait(uint32_t milliseconds);
void hostNativeInit(uint64_t hash);
void hostNativePush64(uint64_t value);
uint64_t* hostNativeCall();

// The folder of the plug-in's file with a trailing separator, where it keeps
// its log; "" for the current directory (on Linux the plug-in is linked in).
void hostSetPluginDirectory(const std::string& directory);
const std::string& pluginDirectory();

// Starts the registered script entry on its fibre (it runs from the next frame).
void startScript();
// The script's turn of one frame: it runs when its wait is over. The game's
// frame (World::advanceFrame) follows.
void runScriptTurn();
// Runs the game frame by frame for the given time: the script runs whenever its
// wait is over, then the world moves on by one frame.
void runFor(uint32_t milliseconds);
// Runs until the predicate holds or the time is up; true when it held. The
// predicate sees the world after the script's turn and after each game frame.
bool runUntil(const std::function<bool(World&)>& done, uint32_t limitMilliseconds);
// Ends the game: the script fibre is dropped.
void stopScript();

}  // namespace sim
