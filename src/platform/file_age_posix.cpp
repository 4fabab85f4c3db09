#include "platform/file_age.h"

#include <sys/stat.h>

uint64_t fileTimeMilliseconds(uint64_t writeTime) { return writeTime / 1000000u; }  // from nanoseconds

bool fileAgeMilliseconds(const char* path, uint64_t* age) {
    struct stat status;
    if (stat(path, &status) != 0) return false;
    uint64_t written = static_cast<uint64_t>(status.st_mtim.tv_sec) * 1000u +
                       static_cast<uint64_t>(status.st_mtim.tv_nsec) / 1000000u;
    uint64_t now = fileClockMilliseconds();
    *age = now > written ? now - written : 0;
    return true;
}
