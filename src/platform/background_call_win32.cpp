// The background call of background_call.h on Windows: a thread pool of our
// own with one worker, made ahead of the first call and kept until the
// plug-in is freed (a thread made for a write took 1 to 4 ms of the game's
// frame under Wine). Between calls the worker waits in the system's code, not
// in ours; a call holds Pelorin.asi loaded while it runs (the pool's callback
// library), so that a host that frees the plug-in meanwhile unloads it when
// the call returns.
#include <windows.h>

#include <utility>

#include "platform/background_call.h"

namespace {

// Statically initialised and never destroyed: a process that exits ends the
// worker wherever it is, and nothing here may wait for it then.
SRWLOCK lock = SRWLOCK_INIT;
CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
std::function<void()>* pending = nullptr;  // posted, not yet taken by the worker
bool callRunning = false;                  // posted or running
bool poolTried = false;                    // made once; without it, calls run where they are started
PTP_POOL pool = nullptr;
// A work object of each call holds the module from its making (under Wine)
// until it is closed, after the call: one kept for all would hold it for good.
TP_CALLBACK_ENVIRON environment;

// With the lock held: the posted call taken and run without it, then marked done.
void runPending() {
    std::function<void()>* call = pending;
    pending = nullptr;
    ReleaseSRWLockExclusive(&lock);
    (*call)();
    delete call;
    AcquireSRWLockExclusive(&lock);
    callRunning = false;
    WakeAllConditionVariable(&changed);
}

void CALLBACK runPosted(PTP_CALLBACK_INSTANCE, void*, PTP_WORK) {
    AcquireSRWLockExclusive(&lock);
    runPending();
    ReleaseSRWLockExclusive(&lock);
}

void waitLocked() {
    while (callRunning) SleepConditionVariableSRW(&changed, &lock, INFINITE, 0);
}

// With the lock held: the pool, its worker started at once; true when made now.
bool keepLocked() {
    if (poolTried) return false;
    poolTried = true;
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&runPosted), &module))
        return false;
    pool = CreateThreadpool(nullptr);
    if (pool == nullptr) return false;
    SetThreadpoolThreadMaximum(pool, 1);
    InitializeThreadpoolEnvironment(&environment);
    SetThreadpoolCallbackPool(&environment, pool);
    SetThreadpoolCallbackLibrary(&environment, module);
    if (!SetThreadpoolThreadMinimum(pool, 1)) {
        CloseThreadpool(pool);
        pool = nullptr;
    }
    return pool != nullptr;
}

}  // namespace

bool keepBackgroundThread() {
    AcquireSRWLockExclusive(&lock);
    const bool made = keepLocked();
    ReleaseSRWLockExclusive(&lock);
    return made;
}

void startBackgroundCall(std::function<void()> call) {
    AcquireSRWLockExclusive(&lock);
    waitLocked();
    pending = new std::function<void()>(std::move(call));
    callRunning = true;
    keepLocked();
    PTP_WORK work = pool != nullptr ? CreateThreadpoolWork(runPosted, nullptr, &environment) : nullptr;
    if (work != nullptr) {
        SubmitThreadpoolWork(work);
        CloseThreadpoolWork(work);  // freed when the call has returned
    } else {
        runPending();  // no worker to be had: the call runs here
    }
    ReleaseSRWLockExclusive(&lock);
}

void waitForBackgroundCall() {
    AcquireSRWLockExclusive(&lock);
    waitLocked();
    ReleaseSRWLockExclusive(&lock);
}

bool backgroundCallRunning() {
    AcquireSRWLockShared(&lock);
    const bool running = callRunning;
    ReleaseSRWLockShared(&lock);
    return running;
}

void endBackgroundCalls() {
    // No call runs: one would hold the module, and this is its unload. The
    // worker ends in the system's code once the pool is closed.
    if (pool != nullptr) CloseThreadpool(pool);
    pool = nullptr;
}
