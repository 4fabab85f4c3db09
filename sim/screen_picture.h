#pragma once
// One frame of the simulated game as a picture: the rectangles and texts the
// script drew, in draw order, and the game's instructional buttons, as SVG. A sketch of the game's screen, not the
// game's rendering: the game's fonts are stood in for by common ones.
#include <string>

#include "sim/instructional_buttons.h"
#include "sim/world.h"

namespace sim {

// The game's instructional buttons, when given, stand at the bottom right as
// the game draws them: each slot's glyphs (a key's name on a key cap, a
// controller's button in a ring) and its label, the first slot rightmost.
std::string screenPicture(const FrameDrawing& frame, float aspectRatio, int heightPixels = 720,
                          const InstructionalButtons& buttons = {});

}  // namespace sim
