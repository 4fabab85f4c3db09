#pragma once
// Deleting one custom spawn point: the later points move up a number each, so
// that the numbering stays without gaps.
#include <cstdint>

// Deletes point number (1 to n, n being the count the file holds now) in one
// replace of the settings file: each later point's three keys, up to the
// highest point the file defines (beyond n too), take the values of the next
// point (a key the next point lacks is removed), the last point's keys are
// removed and the count lowered to n - 1. Tells the player the outcome; true
// when the file was written.
bool deleteCustomSpawnPoint(int32_t number);
