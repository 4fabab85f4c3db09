#pragma once
// The endless per-frame loop that drives every subsystem, entered once from
// the script entry (host/script_entry.h).
void runMainLoop();
