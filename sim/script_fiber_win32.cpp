#include <windows.h>

#include "sim/script_fiber.h"

namespace sim {
namespace {

struct Fiber {
    void* host = nullptr;
    void* script = nullptr;
    void (*entry)() = nullptr;
    bool running = false;
    bool finished = false;
};

Fiber* current = nullptr;
void* hostFiber = nullptr;  // the host's thread, made a fibre once

void CALLBACK fiberStart(void*) {
    current->entry();
    current->finished = true;
    current->running = false;
    SwitchToFiber(current->host);
}

}  // namespace

void startScriptFiber(void (*entry)()) {
    discardScriptFiber();
    current = new Fiber;
    current->entry = entry;
    if (!hostFiber) hostFiber = ConvertThreadToFiber(nullptr);
    current->host = hostFiber;
    current->script = CreateFiber(1 << 20, fiberStart, nullptr);
}

bool resumeScriptFiber() {
    if (!current || current->finished) return false;
    current->running = true;
    SwitchToFiber(current->script);
    return true;
}

bool onScriptFiber() { return current && current->running; }

void yieldToHost() {
    current->running = false;
    SwitchToFiber(current->host);
}

void discardScriptFiber() {
    if (current && current->script) DeleteFiber(current->script);
    delete current;
    current = nullptr;
}

}  // namespace sim
