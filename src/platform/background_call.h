#pragma once
// One call at a time on a thread of our own, for the disk calls that wait on
// the disk (a temporary file created, written and flushed, a rename: a
// millisecond or more each under Wine, far more on a slow disk) and would
// hold up the game's frame. The thread is made ahead of the first call (the
// script's start makes it) or for it.
// - On Windows it is the one worker of a thread pool of ours, kept until the
//   plug-in is freed. A call keeps Pelorin.asi loaded while it runs, so that
//   a host that unloads the plug-in meanwhile unloads it when the call ends.
// - On Linux it ends after a few seconds without a call or a keep.
// A process that exits ends the thread where it is, as a crash would (our
// writes are crash-safe).
#include <functional>

// Keeps the thread for calls to come, making it when there is none: true
// when it was made in this call, which then took the time of it (1 to 4 ms
// under Wine), so that the call that follows only posts.
bool keepBackgroundThread();
// Starts call on the thread (a call still running is waited for first). What
// call uses must stay alive, and untouched by the caller, until it is done.
void startBackgroundCall(std::function<void()> call);
// The last call started has not returned yet.
bool backgroundCallRunning();
// Until the last call started has returned (at once when none runs).
void waitForBackgroundCall();
// Windows, when the host frees the plug-in (no call runs then): the pool
// closed, its worker ending in the system's code.
void endBackgroundCalls();
