#include "platform/file_age.h"

#include <windows.h>

#include <vector>

namespace {

// 100-ns intervals from 1601 to 1970.
constexpr uint64_t unixEpochIn100ns = 116444736000000000ull;

uint64_t millisecondsOf(const FILETIME& time) {
    uint64_t intervals = (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return intervals < unixEpochIn100ns ? 0 : (intervals - unixEpochIn100ns) / 10000u;
}

}  // namespace

uint64_t fileTimeMilliseconds(uint64_t writeTime) {
    FILETIME time{static_cast<DWORD>(writeTime), static_cast<DWORD>(writeTime >> 32)};
    return millisecondsOf(time);
}

uint64_t fileClockMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return millisecondsOf(now);
}

bool fileAgeMilliseconds(const char* path, uint64_t* age) {
    // A path of any length: in place when it is of ordinary length.
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
    if (length == 0) return false;
    wchar_t inPlace[MAX_PATH];
    std::vector<wchar_t> longer;
    wchar_t* wide = inPlace;
    if (length > MAX_PATH) {
        longer.resize(static_cast<size_t>(length));
        wide = longer.data();
    }
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, wide, length) == 0) return false;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(wide, GetFileExInfoStandard, &data)) return false;
    uint64_t written = millisecondsOf(data.ftLastWriteTime);
    uint64_t now = fileClockMilliseconds();
    *age = now > written ? now - written : 0;
    return true;
}
