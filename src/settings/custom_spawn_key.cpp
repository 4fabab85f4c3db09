#include "settings/custom_spawn_key.h"

#include <cstring>

#include "ini/ini_reader.h"
#include "settings/setting_limits.h"

namespace {

constexpr std::string_view prefix = "custom_spawn_";

}  // namespace

bool splitCustomSpawnKey(std::string_view key, CustomSpawnKeyParts* parts) {
    if (key.size() < prefix.size() + 3 || !equalIgnoringCase(key.substr(0, prefix.size()), prefix)) return false;
    std::string_view rest = key.substr(prefix.size());
    size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
    if (digits == 0 || rest.size() != digits + 2 || rest[digits] != '_') return false;
    char axis = lowerAscii(rest[digits + 1]);
    if (axis < 'x' || axis > 'z') return false;
    parts->digits = rest.substr(0, digits);
    parts->axis = axis - 'x';
    parts->leadingZero = digits > 1 && rest.front() == '0';
    return true;
}

int32_t customSpawnKeyPoint(std::string_view key) {
    CustomSpawnKeyParts parts;
    if (!splitCustomSpawnKey(key, &parts) || parts.leadingZero) return 0;
    int32_t number = 0;
    for (char digit : parts.digits) {
        number = number * 10 + (digit - '0');
        if (number > customSpawnPointCap) return 0;
    }
    return number;
}

size_t formatCustomSpawnKey(int32_t number, int axis, char* key, size_t size) {
    // By hand rather than by snprintf: a delete formats two keys for each of
    // thousands of moved keys.
    char text[customSpawnKeySize];
    size_t length = prefix.copy(text, prefix.size());
    char digits[12];
    size_t count = 0;
    uint32_t rest = number < 0 ? 0u - static_cast<uint32_t>(number) : static_cast<uint32_t>(number);
    do {
        digits[count++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (number < 0) text[length++] = '-';
    while (count > 0) text[length++] = digits[--count];
    text[length++] = '_';
    text[length++] = "xyz"[axis];
    if (size == 0) return length;
    size_t kept = length < size ? length : size - 1;
    std::memcpy(key, text, kept);
    key[kept] = '\0';
    return kept;
}
