#include "menu/menu_screen.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "host/natives/graphics_natives.h"
#include "menu/text_fit.h"
#include "shared/on_screen_text.h"

namespace {

struct Colour {
    int32_t red, green, blue, alpha;
};

// Layout, in fractions of the screen's height (widths too, before the ratio).
constexpr float menuLeft = 0.02f;  // fraction of the screen's width
constexpr float menuTop = 0.05f;
constexpr float menuWidth = 0.70f;
constexpr float titleHeight = 0.08f;
constexpr float barHeight = 0.034f;  // the page's title, each line, a line of help
constexpr float textInset = 0.009f;
constexpr float valueGap = 0.016f;  // at least, between a label and its value
constexpr float scrollHeight = 0.024f;  // the bar of ▲ and ▼ below a page that scrolls
constexpr float scrollMarkOffset = 0.02f;  // ▲ left of the middle, ▼ right of it
constexpr float wrappedLineStep = 0.021f;  // between the two lines of a description or notice
constexpr float wrappedPadding = 0.007f;

// Text: the game's plain font for everything, its handwritten one for the title.
constexpr TextFont titleFont{1, 0.75f};
constexpr TextFont lineFont{0, 0.33f};
constexpr TextFont smallFont{0, 0.29f};  // the description and the help
// Assumption about the game's text: a line of size 1.0 is about 6.5 % of the
// screen's height; text is placed by the top of its line.
constexpr float lineHeightPerSize = 0.065f;

// What the arrows add to a value left and right change (one text, a space
// between): "◄ 40 % ►".
constexpr const char* arrowsOnly = "\u25C4  \u25BA";
constexpr const char* upMark = "\u25B2";
constexpr const char* downMark = "\u25BC";

constexpr Colour titleBar{16, 96, 160, 235};
constexpr Colour titleText{255, 255, 255, 255};
constexpr Colour pageBar{0, 0, 0, 235};
constexpr Colour pageText{120, 195, 250, 255};
constexpr Colour lineBar{0, 0, 0, 170};
constexpr Colour lineText{240, 240, 240, 255};
constexpr Colour dimmedText{140, 140, 140, 255};
constexpr Colour selectedBar{240, 240, 240, 235};
constexpr Colour selectedText{10, 10, 10, 255};
constexpr Colour scrollBar{0, 0, 0, 200};
constexpr Colour descriptionBar{20, 20, 20, 225};
constexpr Colour descriptionText{225, 225, 225, 255};
constexpr Colour helpBar{0, 0, 0, 215};
constexpr Colour helpText{190, 190, 190, 255};
constexpr Colour noticeText{255, 200, 60, 255};

enum Justification : int32_t { Centre = 0, Left = 1, Right = 2 };

// The menu's horizontal measures on this frame's screen.
struct Columns {
    float left, width, inset, ratio;
    float across(float heights) const { return heights / ratio; }
    float textLeft() const { return left + inset; }
    float textRight() const { return left + width - inset; }
    float room() const { return width - 2 * inset; }
};

// What each text of the menu was fitted to, kept from frame to frame: a text
// that stays is measured no more.
struct MeasuredLine {
    char label[sizeof MenuLine{}.label], value[sizeof MenuLine{}.value];
    float labelWidth, valueWidth;
    bool known;
};
struct Fitted {
    float ratio = 0;
    float arrowsWidth = 0;  // of "◄  ►": what the arrows add to a value
    MeasuredLine measured[menuVisibleLines];
    FittedText title, position, labels[menuVisibleLines], values[menuVisibleLines];
    WrappedText description, help;
};
Fitted fitted;

// Where the last frame drew its lines, for the mouse: taken while drawing, so
// that a click meets the menu the player saw.
struct DrawnLines {
    float left = 0, right = 0, top = 0;
    int count = 0;
    // The ◄'s left edge on a line with arrows, else 0 (the box stands right
    // of the screen's edge, so no ◄ is ever at 0).
    float leftArrowAt[menuVisibleLines] = {};
    float arrowWidth = 0;  // of one arrow and its space
    float inset = 0;
};
DrawnLines drawnLines;

void bar(const Columns& c, float top, float height, Colour colour) {
    drawRect(c.left + c.width / 2, top + height / 2, c.width, height, colour.red, colour.green, colour.blue,
             colour.alpha);
}

// Text in a bar: from x, ending at x (right-justified), or centred on x.
void text(const char* content, const Columns& c, float x, float top, float height, TextFont font, Colour colour,
          Justification justification) {
    setTextFont(font.font);
    setTextScale(font.size, font.size);
    setTextColour(colour.red, colour.green, colour.blue, colour.alpha);
    setTextJustification(justification);
    setTextWrap(c.left, justification == Right ? x : c.left + c.width);
    beginTextCommandDisplayText("STRING");
    addLongTextComponent(content);
    endTextCommandDisplayText(x, top + (height - font.size * lineHeightPerSize) / 2);
}

void pageTitle(const MenuView& view, const Columns& c, float top) {
    bar(c, top, barHeight, pageBar);
    float room = c.room();
    const FittedText* position = nullptr;
    if (view.position[0] != '\0') {
        position = &fitText(fitted.position, view.position, room / 3, lineFont);
        room -= position->width + c.across(valueGap);
    }
    text(fitText(fitted.title, view.pageTitle, room, lineFont).shown, c, c.textLeft(), top, barHeight, lineFont,
         pageText, Left);
    if (position != nullptr) text(position->shown, c, c.textRight(), top, barHeight, lineFont, pageText, Right);
}

// A label and its value on one line: when both do not fit, the value keeps
// what the label leaves it, and at least half the line, and each is cut.
void line(const MenuLine& line, int slot, bool selected, const Columns& c, float top) {
    Colour colour = selected ? selectedText : line.dimmed ? dimmedText : lineText;
    bar(c, top, barHeight, selected ? selectedBar : lineBar);
    drawnLines.leftArrowAt[slot] = 0;
    bool hasValue = line.value[0] != '\0';
    bool arrows = hasValue && line.changeable;
    float room = c.room() - (hasValue ? c.across(valueGap) : 0) - (arrows ? fitted.arrowsWidth : 0);
    MeasuredLine& measured = fitted.measured[slot];
    if (!measured.known || std::strcmp(measured.label, line.label) != 0 ||
        std::strcmp(measured.value, line.value) != 0) {
        std::strcpy(measured.label, line.label);
        std::strcpy(measured.value, line.value);
        measured.labelWidth = textWidth(line.label, lineFont);
        measured.valueWidth = hasValue ? textWidth(line.value, lineFont) : 0;
        measured.known = true;
    }
    float labelWidth = measured.labelWidth;
    float valueRoom = measured.valueWidth;
    if (labelWidth + valueRoom > room && valueRoom > room / 2)
        valueRoom = labelWidth < room / 2 ? room - labelWidth : room / 2;
    const FittedText& label = fitText(fitted.labels[slot], line.label, room - valueRoom, lineFont, line.cutFront);
    text(label.shown, c, c.textLeft(), top, barHeight, lineFont, colour, Left);
    if (!hasValue) return;
    const FittedText& value = fitText(fitted.values[slot], line.value, valueRoom, lineFont);
    if (!arrows) return text(value.shown, c, c.textRight(), top, barHeight, lineFont, colour, Right);
    char shown[sizeof value.shown + 16];
    std::snprintf(shown, sizeof shown, "\u25C4 %s \u25BA", value.shown);
    text(shown, c, c.textRight(), top, barHeight, lineFont, colour, Right);
    drawnLines.leftArrowAt[slot] = c.textRight() - value.width - fitted.arrowsWidth;
}

// ▲ when lines are hidden above, ▼ when below; the bar shows while the page scrolls.
void scrollMarks(const MenuView& view, const Columns& c, float top) {
    bar(c, top, scrollHeight, scrollBar);
    float middle = c.left + c.width / 2;
    float offset = c.across(scrollMarkOffset);
    if (view.hiddenAbove) text(upMark, c, middle - offset, top, scrollHeight, smallFont, lineText, Centre);
    if (view.hiddenBelow) text(downMark, c, middle + offset, top, scrollHeight, smallFont, lineText, Centre);
}

// One or two lines in a bar as tall as they need; returns its height.
float wrapped(const WrappedText& lines, const Columns& c, float top, Colour barColour, Colour colour) {
    float height = lines.lineCount < 2 ? barHeight : 2 * wrappedLineStep + 2 * wrappedPadding;
    bar(c, top, height, barColour);
    if (lines.lineCount < 2) {
        text(lines.lines[0], c, c.textLeft(), top, height, smallFont, colour, Left);
    } else {
        for (int i = 0; i < 2; ++i)
            text(lines.lines[i], c, c.textLeft(), top + wrappedPadding + i * wrappedLineStep, wrappedLineStep,
                 smallFont, colour, Left);
    }
    return height;
}

}  // namespace

void drawMenu(const MenuView& view) {
    float ratio = getAspectRatio();
    if (!(ratio > 0.5f && ratio < 8.0f)) ratio = 16.0f / 9.0f;  // an answer no screen has
    if (ratio != fitted.ratio) {
        // The widths the game gave are fractions of the screen's width.
        forgetTextWidths();
        for (MeasuredLine& measured : fitted.measured) measured.known = false;
        fitted.ratio = ratio;
        fitted.arrowsWidth = textWidth(arrowsOnly, lineFont);
    }
    const Columns c{menuLeft, menuWidth / ratio, textInset / ratio, ratio};
    float top = menuTop;
    bar(c, top, titleHeight, titleBar);
    text("Pelorin", c, c.left + c.width / 2, top, titleHeight, titleFont, titleText, Centre);
    top += titleHeight;
    pageTitle(view, c, top);
    top += barHeight;
    drawnLines.left = c.left;
    drawnLines.right = c.left + c.width;
    drawnLines.top = top;
    drawnLines.count = view.lineCount;
    drawnLines.arrowWidth = fitted.arrowsWidth / 2;
    drawnLines.inset = c.inset;
    for (int i = 0; i < view.lineCount; ++i, top += barHeight) line(view.lines[i], i, i == view.selected, c, top);
    if (view.hiddenAbove || view.hiddenBelow) {
        scrollMarks(view, c, top);
        top += scrollHeight;
    }
    const WrappedText& description = wrapText(fitted.description, view.description, c.room(), smallFont);
    if (description.lineCount > 0) top += wrapped(description, c, top, descriptionBar, descriptionText);
    wrapped(wrapText(fitted.help, view.help, c.room(), smallFont), c, top, helpBar,
            view.notice ? noticeText : helpText);
}

MenuSpot menuSpotAt(float x, float y) {
    const DrawnLines& d = drawnLines;
    MenuSpot off{MenuSpotPart::OffTheLines, 0};
    // Written so that a NaN is off the lines too.
    if (!(x >= d.left && x < d.right && y >= d.top && y < d.top + d.count * barHeight)) return off;
    int slot = static_cast<int>((y - d.top) / barHeight);
    if (slot >= d.count) return off;  // the bottom edge, rounded up
    float arrowAt = d.leftArrowAt[slot];
    if (arrowAt <= 0) return MenuSpot{MenuSpotPart::Line, slot};
    // Each arrow with the inset beside it, which the ► has on its right.
    if (x >= d.right - d.inset - d.arrowWidth) return MenuSpot{MenuSpotPart::RightArrow, slot};
    if (x >= arrowAt - d.inset && x < arrowAt + d.arrowWidth) return MenuSpot{MenuSpotPart::LeftArrow, slot};
    return MenuSpot{MenuSpotPart::Line, slot};
}
