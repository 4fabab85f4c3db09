#include "sim/text_width.h"

namespace sim {
namespace {

// Assumption: the game's text advances by a fixed width per character, the
// same for every size: a line of size 1.0 is 6.5 % of the screen's height
// tall (as the screen picture draws it), and each character advances by its
// share of that height as the common sans-serif font of the picture does
// (Arial's advances, in thousandths of the font's height, for the printable
// ASCII characters from the space on), so that the picture and the width the
// game answers agree. The game's fonts differ from it by some per cent.
constexpr float lineHeightPerSize = 0.065f;
constexpr int16_t asciiAdvance[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P to _
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // ` to o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // p to ~
// Assumption: a character beyond ASCII advances as an average letter, the
// ellipsis and the arrows and triangles of the menu as a wide one.
constexpr int16_t letterAdvance = 556, symbolAdvance = 1000;

// Assumption: the handwritten font (1) runs about as wide as the plain one,
// the condensed one (4) narrower, the heavy title font (7) wider.
float fontFactor(int32_t font) {
    switch (font) {
        case 4: return 0.82f;
        case 7: return 1.1f;
        default: return 1.0f;
    }
}

}  // namespace

float textWidth(const std::string& text, int32_t font, float size, float aspectRatio) {
    long advance = 0;
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead < 0x80)
            advance += lead >= 32 && lead < 127 ? asciiAdvance[lead - 32] : 0;
        else
            advance += lead >= 0xE2 ? symbolAdvance : letterAdvance;  // U+2000 on: punctuation and shapes
        i += length;
    }
    return advance / 1000.0f * size * lineHeightPerSize * fontFactor(font) / aspectRatio;
}

}  // namespace sim
