#include "shared/gameplay_camera.h"

#include "host/natives/camera_natives.h"

namespace {
// The second pitch value is this float, bit pattern 0x4E7E0000, not 1.0:
// passed as the game expects it.
constexpr float cameraPitchSecondValue = 1065353216.0f;
}  // namespace

void resetGameplayCameraAngles() {
    setGameplayCamRelativeHeading(0.0f);
    setGameplayCamRelativePitch(0.0f, cameraPitchSecondValue);
}
