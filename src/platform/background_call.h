#pragma once
// One call at a time on a thread of our own, for the disk calls that wait on
// the disk (a temporary file created, written and flushed, a rename: a
// millisecond or more each under Wine, far more on a slow disk) and would
// hold up the game's frame. The thread is made for the first call and ends
// after a few seconds without one. On Windows it keeps Pelorin.asi loaded
// while it runs, so that a host that unloads the plug-in meanwhile unloads it
// when the thread ends; a process that exits ends it where it is, as a crash
// would (our writes are crash-safe).
#include <functional>

// Starts call on the thread (a call still running is waited for first). What
// call uses must stay alive, and untouched by the caller, until it is done.
void startBackgroundCall(std::function<void()> call);
// The last call started has not returned yet.
bool backgroundCallRunning();
// Until the last call started has returned (at once when none runs).
void waitForBackgroundCall();
