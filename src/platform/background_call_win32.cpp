// The background call of background_call.h on a Windows thread, made for the
// first call and ending after a few idle seconds. The thread holds a
// reference to our module and ends through FreeLibraryAndExitThread: a host
// that frees Pelorin.asi while a call runs cannot unmap the code the thread
// is in, and the module goes when the thread does.
#include <windows.h>

#include <utility>

#include "platform/background_call.h"

namespace {

constexpr DWORD idleMilliseconds = 2000;

// Statically initialised and never destroyed: a process that exits ends the
// thread wherever it is, and nothing here may wait for it then.
SRWLOCK lock = SRWLOCK_INIT;
CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
std::function<void()>* pending = nullptr;  // posted, not yet taken by the thread
bool callRunning = false;                  // posted or running
bool threadAlive = false;

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

DWORD WINAPI run(void* module) {
    AcquireSRWLockExclusive(&lock);
    for (;;) {
        while (pending == nullptr) {
            if (!SleepConditionVariableSRW(&changed, &lock, idleMilliseconds, 0) && pending == nullptr) {
                threadAlive = false;
                ReleaseSRWLockExclusive(&lock);
                FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
            }
        }
        runPending();
    }
}

void waitLocked() {
    while (callRunning) SleepConditionVariableSRW(&changed, &lock, INFINITE, 0);
}

// A thread that holds our module, so that the module stays while it runs.
bool startThread() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&run), &module))
        return false;
    HANDLE thread = CreateThread(nullptr, 256 * 1024, run, module, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr) {
        FreeLibrary(module);
        return false;
    }
    CloseHandle(thread);
    return true;
}

}  // namespace

void startBackgroundCall(std::function<void()> call) {
    AcquireSRWLockExclusive(&lock);
    waitLocked();
    pending = new std::function<void()>(std::move(call));
    callRunning = true;
    if (!threadAlive) threadAlive = startThread();
    if (threadAlive) WakeAllConditionVariable(&changed);
    else runPending();  // no thread to be had: the call runs here
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
