#include "tests/support/file_stamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/file_age.h"
#include "tests/support/plugin_state.h"

namespace testing_support {

void stampSettingsFileSavedNow() {
    uint64_t now = fileClockMilliseconds();
    timespec times[2];
    times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(now / 1000);
    times[0].tv_nsec = times[1].tv_nsec = static_cast<long>(now % 1000) * 1000000;
    ASSERT_EQ(utimensat(AT_FDCWD, (gameDirectory() + "/Pelorin.ini").c_str(), times, 0), 0);
}

}  // namespace testing_support
