// The background call of background_call.h on a POSIX thread, made detached
// for the first call (or ahead of it) and ending after a few idle seconds.
#include <pthread.h>
#include <time.h>

#include <cstdlib>

#include "platform/background_call.h"

namespace {

constexpr int idleSeconds = 2;

// Plain POSIX objects, statically initialised and never destroyed, so that a
// process that exits while the thread lives finds them whole.
pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
pthread_cond_t changed = PTHREAD_COND_INITIALIZER;
std::function<void()>* pending = nullptr;  // posted, not yet taken by the thread
bool callRunning = false;                  // posted or running
bool threadAlive = false;
bool usedSinceWait = false;                // a call or a keep since the thread's idle wait began

// With the lock held: the posted call taken and run without it, then marked done.
void runPending() {
    std::function<void()>* call = pending;
    pending = nullptr;
    pthread_mutex_unlock(&lock);
    (*call)();
    delete call;
    pthread_mutex_lock(&lock);
    callRunning = false;
    pthread_cond_broadcast(&changed);
}

void* run(void*) {
    pthread_mutex_lock(&lock);
    for (;;) {
        while (pending == nullptr) {
            timespec until;
            clock_gettime(CLOCK_REALTIME, &until);
            until.tv_sec += idleSeconds;
            usedSinceWait = false;
            if (pthread_cond_timedwait(&changed, &lock, &until) != 0 && pending == nullptr && !usedSinceWait) {
                threadAlive = false;
                pthread_mutex_unlock(&lock);
                return nullptr;
            }
        }
        runPending();
    }
}

void waitLocked() {
    while (callRunning) pthread_cond_wait(&changed, &lock);
}

// A process that exits waits for a call still running, so that it does not
// destroy what the call uses under it.
void waitAtExit() { waitForBackgroundCall(); }

// A forked child has no thread of ours: the parent's state is forgotten.
void forgetInChild() {
    pthread_mutex_init(&lock, nullptr);
    pthread_cond_init(&changed, nullptr);
    pending = nullptr;
    callRunning = threadAlive = usedSinceWait = false;
}

// With the lock held: the thread made when there is none, kept for another
// idle wait when there is; true when made now.
bool keepLocked() {
    static const bool registered = std::atexit(waitAtExit) == 0 &&
                                   pthread_atfork(nullptr, nullptr, forgetInChild) == 0;
    (void)registered;
    usedSinceWait = true;
    if (threadAlive) return false;
    pthread_t thread;
    threadAlive = pthread_create(&thread, nullptr, run, nullptr) == 0;
    if (threadAlive) pthread_detach(thread);
    return threadAlive;
}

}  // namespace

bool keepBackgroundThread() {
    pthread_mutex_lock(&lock);
    const bool made = keepLocked();
    pthread_mutex_unlock(&lock);
    return made;
}

void startBackgroundCall(std::function<void()> call) {
    pthread_mutex_lock(&lock);
    waitLocked();
    pending = new std::function<void()>(std::move(call));
    callRunning = true;
    keepLocked();
    if (threadAlive) pthread_cond_broadcast(&changed);
    else runPending();  // no thread to be had: the call runs here
    pthread_mutex_unlock(&lock);
}

void waitForBackgroundCall() {
    pthread_mutex_lock(&lock);
    waitLocked();
    pthread_mutex_unlock(&lock);
}

bool backgroundCallRunning() {
    pthread_mutex_lock(&lock);
    const bool running = callRunning;
    pthread_mutex_unlock(&lock);
    return running;
}
