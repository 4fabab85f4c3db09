#pragma once
// The script's own fibre: the host runs the plug-in's script entry on it, and
// the plug-in's scriptWait hands control back to the host.
namespace sim {

void startScriptFiber(void (*entry)());
// Runs the script until it waits again; false when there is no script fibre.
bool resumeScriptFiber();
bool onScriptFiber();
void yieldToHost();
// The time the frames so far waited at their end for a disk call of the
// plug-in's background thread (Linux, where the plug-in runs in this process).
double backgroundWaitMilliseconds();
// Forgets the script fibre without running it further (the game has ended).
void discardScriptFiber();

}  // namespace sim
