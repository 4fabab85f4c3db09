#include "sim/screen_picture.h"

#include <cmath>
#include <cstdio>

#include "sim/text_width.h"

namespace sim {
namespace {

// Assumption: text of size 1.0 is about 6.5 % of the screen's height from
// line top to line bottom, and its baseline lies at 80 % of that.
constexpr float lineHeightPerSize = 0.065f;
constexpr float baselineShare = 0.8f;

std::string format(const char* pattern, double a, double b, double c, double d) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

std::string colour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    char text[80];
    std::snprintf(text, sizeof text, "fill=\"rgb(%d,%d,%d)\" fill-opacity=\"%.3f\"", red, green, blue, alpha / 255.0);
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// The game's fonts by number: 0 the plain one of its menus and feed, 1 a
// handwritten one, 4 a condensed one, 7 the heavy one of its big titles.
const char* fontFamily(int32_t font) {
    switch (font) {
        case 1: return "cursive";
        case 4: return "'Arial Narrow', sans-serif";
        case 7: return "Impact, sans-serif";
        default: return "Arial, Helvetica, sans-serif";
    }
}

std::string rectangle(const RectDraw& r, double width, double height) {
    return format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" ", (r.x - r.width / 2) * width,
                  (r.y - r.height / 2) * height, r.width * width, r.height * height) +
           colour(r.red, r.green, r.blue, r.alpha) + "/>\n";
}

std::string text(const TextDraw& t, double width, double height) {
    double fontPixels = t.size * lineHeightPerSize * height;
    double x = t.x * width;
    const char* anchor = "start";
    if (t.centred || t.justification == 0) {
        anchor = "middle";
    } else if (t.justification == 2) {
        anchor = "end";
        x = t.wrapRight * width;
    }
    // Stretched or squeezed to the width the game answered for it, so that
    // the picture shows what the script measured, whatever font draws it.
    std::string length = t.width > 0 ? format("textLength=\"%.1f\" lengthAdjust=\"spacingAndGlyphs\" ",
                                              t.width * width, 0, 0, 0)
                                     : "";
    return format("<text x=\"%.1f\" y=\"%.1f\" font-size=\"%.1f\" ", x, t.y * height + baselineShare * fontPixels,
                  fontPixels, 0) +
           length + "text-anchor=\"" + anchor + "\" font-family=\"" + fontFamily(t.font) + "\" " +
           colour(t.red, t.green, t.blue, t.alpha) + ">" + escaped(t.text) + "</text>\n";
}

// Assumption: the game draws its instructional buttons in a bar at the
// bottom right, the glyphs on white key caps (a controller's in rings) left of
// their label, in its plain font; these measures, in fractions of the
// screen's height, are close to its own.
constexpr double buttonsBottom = 0.955, buttonsHeight = 0.042, buttonsMargin = 0.02;
constexpr double buttonsPadding = 0.012, slotGap = 0.02, glyphGap = 0.006, capHeight = 0.03, capPadding = 0.005;
constexpr float buttonsTextSize = 0.3f;

// The name a glyph shows: a key's ("t_Enter"), its arrow for an arrow key, a
// controller button's number ("b_201").
std::string glyphName(const std::string& glyph) {
    std::string name = glyph.size() > 2 && glyph[1] == '_' ? glyph.substr(2) : glyph;
    if (name == "Up") return "\u2191";
    if (name == "Down") return "\u2193";
    if (name == "Left") return "\u2190";
    if (name == "Right") return "\u2192";
    return name;
}
bool isKey(const std::string& glyph) { return glyph.compare(0, 2, "t_") == 0; }

std::string buttonsText(const std::string& content, double x, double middle, double height, const char* anchor,
                        const char* fill, double width) {
    double fontPixels = buttonsTextSize * lineHeightPerSize * height;
    return format("<text x=\"%.1f\" y=\"%.1f\" font-size=\"%.1f\" textLength=\"%.1f\" ", x,
                  middle + (baselineShare - 0.5) * fontPixels, fontPixels, width) +
           "lengthAdjust=\"spacingAndGlyphs\" text-anchor=\"" + anchor +
           "\" font-family=\"Arial, Helvetica, sans-serif\" " + fill + ">" + escaped(content) + "</text>\n";
}

// Laid out from the right: a slot's label, then its glyphs left of it.
std::string instructionalButtons(const InstructionalButtons& buttons, float aspectRatio, double width,
                                 double height) {
    if (buttons.slots.empty()) return "";
    auto textPixels = [&](const std::string& text) {
        return textWidth(text, 0, buttonsTextSize, aspectRatio) * width;
    };
    double middle = (buttonsBottom - buttonsHeight / 2) * height;
    double capPixels = capHeight * height;
    std::string items;
    double x = width - (buttonsMargin + buttonsPadding) * height;  // the right end of what comes next
    for (size_t i = 0; i < buttons.slots.size(); ++i) {
        const ButtonHint& slot = buttons.slots[i];
        if (i > 0) x -= slotGap * height;
        double labelPixels = textPixels(slot.label);
        items += buttonsText(slot.label, x, middle, height, "end", "fill=\"#ffffff\"", labelPixels);
        x -= labelPixels;
        for (const std::string& glyph : slot.glyphs) {
            x -= glyphGap * height;
            std::string name = glyphName(glyph);
            double namePixels = textPixels(name);
            double capWidth = std::fmax(capPixels, namePixels + 2 * capPadding * height);
            double left = x - capWidth;
            double rounding = isKey(glyph) ? capPixels * 0.15 : capPixels / 2;
            items += format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" ", left,
                            middle - capPixels / 2, capWidth, capPixels) +
                     format("rx=\"%.1f\" ", rounding, 0, 0, 0) +
                     (isKey(glyph) ? "fill=\"#f0f0f0\"/>\n"
                                   : "fill=\"none\" stroke=\"#ffffff\" stroke-width=\"1.5\"/>\n");
            items += buttonsText(name, left + capWidth / 2, middle, height, "middle",
                                 isKey(glyph) ? "fill=\"#101010\"" : "fill=\"#ffffff\"", namePixels);
            x = left;
        }
    }
    double left = x - buttonsPadding * height;
    double right = width - buttonsMargin * height;
    RectDraw bar{static_cast<float>((left + right) / 2 / width), static_cast<float>(middle / height),
                 static_cast<float>((right - left) / width), static_cast<float>(buttonsHeight),
                 buttons.red, buttons.green, buttons.blue, buttons.alpha};
    return rectangle(bar, width, height) + items;
}

}  // namespace

std::string screenPicture(const FrameDrawing& frame, float aspectRatio, int heightPixels,
                          const InstructionalButtons& buttons) {
    double height = heightPixels;
    double width = std::round(height * aspectRatio);
    std::string svg = format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
                             "viewBox=\"0 0 %.0f %.0f\">\n",
                             width, height, width, height);
    // A plain sky and ground stand in for the game's picture behind the drawing.
    svg += format("<rect width=\"%.0f\" height=\"%.0f\" fill=\"#7c9fb8\"/>\n", width, height * 0.55, 0, 0);
    svg += format("<rect y=\"%.0f\" width=\"%.0f\" height=\"%.0f\" fill=\"#5d6b4a\"/>\n", height * 0.55, width,
                  height * 0.45, 0);
    for (const ScreenItem& item : frame.items)
        svg += item.isText ? text(item.text, width, height) : rectangle(item.rect, width, height);
    svg += instructionalButtons(buttons, aspectRatio, width, height);
    svg += format("<text x=\"%.0f\" y=\"%.0f\" font-size=\"%.0f\" text-anchor=\"end\" "
                  "font-family=\"Arial, Helvetica, sans-serif\" fill=\"#ffffff\" fill-opacity=\"0.6\">",
                  width - 8, height - 8, height / 48, 0) +
           "Drawn in the simulated game, not the real one</text>\n</svg>\n";
    return svg;
}

}  // namespace sim
