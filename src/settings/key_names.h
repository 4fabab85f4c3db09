#pragma once
// Windows virtual-key codes in the player's words: "Ctrl", "F7", "L".
#include <cstddef>
#include <cstdint>

// The key's name ("key 200" for a code without one) into out.
void keyName(int32_t code, char* out, size_t size);
// A chord as the guide writes it: "Ctrl+F7"; with a second key of -1 the
// first alone ("Ctrl").
void chordName(int32_t key1, int32_t key2, char* out, size_t size);
