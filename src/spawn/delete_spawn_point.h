#pragma once
// Deleting one custom spawn point: the later points move up a number each, so
// that the numbering stays without gaps.
#include <cstdint>
#include <functional>

#include "spawn/custom_spawn.h"

// Deletes point number (1 to n, n being the count the file holds now) in one
// replace of the settings file, a write of ours in steps (settings_write_job.h)
// that ends some frames later; false, nothing begun, while another write runs: each later point's three keys, up to the
// highest point the file defines (beyond n too), take the values of the next
// point (a key the next point lacks is removed), the last point's keys are
// removed and the count lowered to n - 1. Only while the file still holds the
// point at shown (its three coordinates as a custom spawn reads them): a save
// of the player's that moved or replaced it since the menu's read is never
// undone (Changed). At its end, tells the player the outcome, logs why nothing
// was deleted, and gives done the outcome.
enum class PointDelete { Deleted, Changed, Unreadable, Unwritable, NoSuchPoint };
bool deleteCustomSpawnPoint(int32_t number, const CustomSpawnPoint& shown, const std::function<void(PointDelete)>& done);
