#pragma once
// Binds the host functions from the ScriptHookV.dll loaded in the game
// process; false, with nothing bound, when the host or one of its functions is
// absent (the plug-in then stays idle rather than crash the game).
bool bindHost();
