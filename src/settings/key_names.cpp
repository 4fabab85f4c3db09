#include "settings/key_names.h"

#include <cstdio>

namespace {

struct NamedKey {
    int32_t code;
    const char* name;
};

constexpr NamedKey namedKeys[] = {
    {8, "Backspace"}, {9, "Tab"},        {13, "Enter"},     {16, "Shift"},   {17, "Ctrl"},    {18, "Alt"},
    {19, "Pause"},    {20, "Caps Lock"}, {27, "Esc"},       {32, "Space"},   {33, "Page Up"}, {34, "Page Down"},
    {35, "End"},      {36, "Home"},      {37, "Left"},      {38, "Up"},      {39, "Right"},   {40, "Down"},
    {45, "Insert"},   {46, "Delete"},    {160, "Left Shift"}, {161, "Right Shift"}, {162, "Left Ctrl"},
    {163, "Right Ctrl"}, {164, "Left Alt"}, {165, "Right Alt"},
};

}  // namespace

void keyName(int32_t code, char* out, size_t size) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        std::snprintf(out, size, "%c", static_cast<char>(code));
        return;
    }
    if (code >= 96 && code <= 105) {
        std::snprintf(out, size, "Num %d", static_cast<int>(code - 96));
        return;
    }
    if (code >= 112 && code <= 135) {
        std::snprintf(out, size, "F%d", static_cast<int>(code - 111));
        return;
    }
    for (const NamedKey& key : namedKeys)
        if (key.code == code) {
            std::snprintf(out, size, "%s", key.name);
            return;
        }
    std::snprintf(out, size, "key %ld", static_cast<long>(code));
}

void chordName(int32_t key1, int32_t key2, char* out, size_t size) {
    char first[16], second[16];
    keyName(key1, first, sizeof first);
    if (key2 == -1) {
        std::snprintf(out, size, "%s", first);
        return;
    }
    keyName(key2, second, sizeof second);
    std::snprintf(out, size, "%s+%s", first, second);
}
