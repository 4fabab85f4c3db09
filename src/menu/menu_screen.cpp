#include "menu/menu_screen.h"

#include <cstdint>

#include "host/natives/graphics_natives.h"
#include "host/natives/hud_natives.h"

namespace {

struct Colour {
    int32_t red, green, blue, alpha;
};

// Layout, in fractions of the screen's height (widths too, before the ratio).
constexpr float menuLeft = 0.02f;  // fraction of the screen's width
constexpr float menuTop = 0.05f;
constexpr float menuWidth = 0.62f;
constexpr float titleHeight = 0.08f;
constexpr float barHeight = 0.034f;  // the page's title, each line, the help
constexpr float textInset = 0.009f;

// Text: the game's plain font for everything, its handwritten one for the title.
constexpr int32_t plainFont = 0;
constexpr int32_t titleFont = 1;
constexpr float titleSize = 0.75f;
constexpr float lineSize = 0.33f;
constexpr float helpSize = 0.29f;
// Assumption about the game's text: a line of size 1.0 is about 6.5 % of the
// screen's height; text is placed by the top of its line.
constexpr float lineHeightPerSize = 0.065f;

constexpr Colour titleBar{16, 96, 160, 235};
constexpr Colour titleText{255, 255, 255, 255};
constexpr Colour pageBar{0, 0, 0, 235};
constexpr Colour pageText{120, 195, 250, 255};
constexpr Colour lineBar{0, 0, 0, 170};
constexpr Colour lineText{240, 240, 240, 255};
constexpr Colour dimmedText{140, 140, 140, 255};
constexpr Colour selectedBar{240, 240, 240, 235};
constexpr Colour selectedText{10, 10, 10, 255};
constexpr Colour helpBar{0, 0, 0, 215};
constexpr Colour helpText{190, 190, 190, 255};
constexpr Colour noticeText{255, 200, 60, 255};

enum Justification : int32_t { Centre = 0, Left = 1, Right = 2 };

// The menu's horizontal measures on this frame's screen.
struct Columns {
    float left, width, inset;
};

void bar(const Columns& c, float top, float height, Colour colour) {
    drawRect(c.left + c.width / 2, top + height / 2, c.width, height, colour.red, colour.green, colour.blue,
             colour.alpha);
}

// Text in a bar: left from the inset, right-justified to the inset, or centred.
void text(const char* content, const Columns& c, float top, float height, float size, int32_t font, Colour colour,
          Justification justification) {
    setTextFont(font);
    setTextScale(size, size);
    setTextColour(colour.red, colour.green, colour.blue, colour.alpha);
    setTextJustification(justification);
    if (justification == Right) setTextWrap(c.left, c.left + c.width - c.inset);
    beginTextCommandDisplayText("STRING");
    addTextComponentSubstringPlayerName(content);
    float x = justification == Centre ? c.left + c.width / 2 : c.left + c.inset;
    endTextCommandDisplayText(x, top + (height - size * lineHeightPerSize) / 2);
}

}  // namespace

void drawMenu(const MenuView& view) {
    float ratio = getAspectRatio();
    if (!(ratio > 0.5f && ratio < 8.0f)) ratio = 16.0f / 9.0f;  // an answer no screen has
    const Columns c{menuLeft, menuWidth / ratio, textInset / ratio};
    float top = menuTop;
    bar(c, top, titleHeight, titleBar);
    text("Pelorin", c, top, titleHeight, titleSize, titleFont, titleText, Centre);
    top += titleHeight;
    bar(c, top, barHeight, pageBar);
    text(view.pageTitle, c, top, barHeight, lineSize, plainFont, pageText, Left);
    if (view.position[0] != '\0') text(view.position, c, top, barHeight, lineSize, plainFont, pageText, Right);
    top += barHeight;
    for (int i = 0; i < view.lineCount; ++i, top += barHeight) {
        const MenuLine& line = view.lines[i];
        bool selected = i == view.selected;
        Colour colour = selected ? selectedText : line.dimmed ? dimmedText : lineText;
        bar(c, top, barHeight, selected ? selectedBar : lineBar);
        text(line.label, c, top, barHeight, lineSize, plainFont, colour, Left);
        if (line.value[0] != '\0') text(line.value, c, top, barHeight, lineSize, plainFont, colour, Right);
    }
    bar(c, top, barHeight, helpBar);
    text(view.help, c, top, barHeight, helpSize, plainFont, view.notice ? noticeText : helpText, Left);
}
