#include "sim/screen_picture.h"

#include <cmath>
#include <cstdio>

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

}  // namespace

std::string screenPicture(const FrameDrawing& frame, float aspectRatio, int heightPixels) {
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
    svg += format("<text x=\"%.0f\" y=\"%.0f\" font-size=\"%.0f\" text-anchor=\"end\" "
                  "font-family=\"Arial, Helvetica, sans-serif\" fill=\"#ffffff\" fill-opacity=\"0.6\">",
                  width - 8, height - 8, height / 48, 0) +
           "Drawn in the simulated game, not the real one</text>\n</svg>\n";
    return svg;
}

}  // namespace sim
