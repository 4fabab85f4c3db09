#pragma once
// One frame of the simulated game as a picture: the rectangles and texts the
// script drew, in draw order, as SVG. A sketch of the game's screen, not the
// game's rendering: the game's fonts are stood in for by common ones.
#include <string>

#include "sim/world.h"

namespace sim {

std::string screenPicture(const FrameDrawing& frame, float aspectRatio, int heightPixels = 720);

}  // namespace sim
