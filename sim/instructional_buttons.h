#pragma once
// The game's instructional buttons as a script set them: read back from the
// calls it made on the "instructional_buttons" movie drawn on the last frame,
// the way the movie takes them.
#include <string>
#include <vector>

#include "sim/world.h"

namespace sim {

struct ButtonHint {
    std::vector<std::string> glyphs;  // as the glyph natives gave them: "t_Enter", "b_201"
    std::string label;
};
struct InstructionalButtons {
    std::vector<ButtonHint> slots;  // by slot number: the first stands rightmost
    int32_t red = 0, green = 0, blue = 0, alpha = 80;  // the bar behind them
};

// None when no such movie was drawn on the last frame, or its buttons were
// cleared and not drawn again.
InstructionalButtons instructionalButtonsShown(const World& world);

}  // namespace sim
