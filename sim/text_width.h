#pragma once
// How wide the game draws a text: the simulated game's answer to the width
// natives, and the width the screen picture gives each text it draws.
#include <cstdint>
#include <string>

namespace sim {

// The width of the text in the font and size, as a fraction of the width of
// a screen of this aspect ratio.
float textWidth(const std::string& text, int32_t font, float size, float aspectRatio);

}  // namespace sim
