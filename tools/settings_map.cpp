#include "tools/settings_map.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "spawn/spawn_points.h"

namespace {

struct Rectangle {
    float minX, maxX, minY, maxY;
};

// The rectangles the random modes draw from: the random map point's regions
// (src/spawn/ground_spawn.cpp) and the not-close road and air points
// (src/vehicles/vehicle_spawn.cpp), with the close point's map bounds
// (src/shared/spawn_geometry.cpp).
constexpr Rectangle mainMapRegion{-1274.0f, 1420.0f, -2200.0f, 1128.0f};
constexpr Rectangle otherMapRegions[5] = {
    {1384.0f, 2126.0f, 3464.0f, 3962.0f}, {1641.0f, 2989.0f, 4683.0f, 5261.0f},  {-519.0f, -218.0f, 5921.0f, 6477.0f},
    {-219.0f, 191.0f, 5921.0f, 6401.0f},  {-2300.0f, 2441.0f, 1052.0f, 4560.0f},
};
constexpr Rectangle largeRoadRectangle{-3747.0f, 3353.0f, -3059.0f, 6803.0f};
constexpr Rectangle largeAirRectangle{-2200.0f, 3353.0f, -3559.0f, 6903.0f};
constexpr Rectangle smallVehicleRectangle{-1274.0f, 1420.0f, -2200.0f, 1128.0f};
constexpr Rectangle closePointBounds{-3747.0f, 3352.0f, -3059.0f, 6802.0f};

// Colours of the six modes, in the order of the roll.
const char* const modeColours[spawnModeCount] = {"#1f6fd1", "#e07b00", "#8e44ad", "#6b6b6b", "#1e9e4a", "#d12f2f"};
enum Mode { ListMode, RoadMode, AirMode, DeathMode, MapMode, CustomMode };

// The drawn part of the map, in world units, and its scale.
constexpr float worldMinX = -4000.0f, worldMaxX = 4500.0f, worldMinY = -4000.0f, worldMaxY = 7500.0f;
constexpr float pixelsPerUnit = 0.08f;
constexpr float margin = 40.0f;
constexpr float legendWidth = 360.0f;

float px(float x) { return margin + (x - worldMinX) * pixelsPerUnit; }
float py(float y) { return margin + (worldMaxY - y) * pixelsPerUnit; }

std::string escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

void append(std::string* svg, const char* format, ...) __attribute__((format(printf, 2, 3)));
void append(std::string* svg, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    *svg += line;
}

void rectangle(std::string* svg, const Rectangle& r, const char* colour, float fillOpacity, const char* dash,
               const std::string& label) {
    append(svg,
           "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"%s\" fill-opacity=\"%.2f\" "
           "stroke=\"%s\" stroke-width=\"1.5\" stroke-dasharray=\"%s\"/>\n",
           px(r.minX), py(r.maxY), (r.maxX - r.minX) * pixelsPerUnit, (r.maxY - r.minY) * pixelsPerUnit, colour,
           fillOpacity, colour, dash);
    if (!label.empty())
        append(svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"%s\">%s</text>\n", px(r.minX) + 3,
               py(r.maxY) + 12, colour, escaped(label).c_str());
}

int modeRolls(const SpawnOdds& odds, int mode) {
    return odds.rolls[mode] + (odds.fallBackMode == mode ? odds.fallBackRolls : 0);
}

}  // namespace

std::string settingsMapSvg(const SettingsCheck& check, const std::string& title) {
    const float mapWidth = (worldMaxX - worldMinX) * pixelsPerUnit, mapHeight = (worldMaxY - worldMinY) * pixelsPerUnit;
    const float width = 2 * margin + mapWidth + legendWidth, height = 2 * margin + mapHeight;
    std::string svg;
    append(&svg,
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" viewBox=\"0 0 %.0f %.0f\" "
           "font-family=\"sans-serif\">\n",
           width, height, width, height);
    append(&svg, "<rect width=\"100%%\" height=\"100%%\" fill=\"#ffffff\"/>\n");
    append(&svg, "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"#eef3f7\" stroke=\"#9aa7b3\"/>\n",
           margin, margin, mapWidth, mapHeight);
    // A grid every 1000 world units, with the coordinates.
    for (int x = -4000; x <= 4500; x += 1000)
        append(&svg,
               "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#d5dde4\"/>"
               "<text x=\"%.1f\" y=\"%.1f\" font-size=\"10\" fill=\"#67737e\" text-anchor=\"middle\">%d</text>\n",
               px(static_cast<float>(x)), margin, px(static_cast<float>(x)), margin + mapHeight,
               px(static_cast<float>(x)), margin + mapHeight + 14, x);
    for (int y = -4000; y <= 7500; y += 1000)
        append(&svg,
               "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#d5dde4\"/>"
               "<text x=\"%.1f\" y=\"%.1f\" font-size=\"10\" fill=\"#67737e\" text-anchor=\"end\">%d</text>\n",
               margin, py(static_cast<float>(y)), margin + mapWidth, py(static_cast<float>(y)), margin - 4,
               py(static_cast<float>(y)) + 3, y);

    rectangle(&svg, closePointBounds, "#9aa7b3", 0.0f, "2 3", "bounds of a close point");
    rectangle(&svg, largeRoadRectangle, modeColours[RoadMode], 0.03f, "8 4", "");
    rectangle(&svg, largeAirRectangle, modeColours[AirMode], 0.03f, "4 4", "");
    append(&svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"%s\">road search, not close: 60%%</text>\n",
           px(largeRoadRectangle.minX) + 3, py(largeRoadRectangle.minY) - 5, modeColours[RoadMode]);
    append(&svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"%s\">aircraft, not close: 60%%</text>\n",
           px(largeAirRectangle.minX) + 3, py(largeAirRectangle.maxY) + 12, modeColours[AirMode]);
    rectangle(&svg, mainMapRegion, modeColours[MapMode], 0.18f, "none", "random map point 50%; road and air 40%");
    for (const Rectangle& r : otherMapRegions) rectangle(&svg, r, modeColours[MapMode], 0.12f, "none", "map 10%");

    for (const SpawnPoint& p : builtInSpawnPoints)
        append(&svg, "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"1.6\" fill=\"%s\"/>\n", px(p.x), py(p.y),
               modeColours[ListMode]);
    size_t labelled = 0;
    for (const CheckedCustomPoint& p : check.customPoints) {
        append(&svg, "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"5\" fill=\"%s\" stroke=\"#ffffff\" stroke-width=\"1.5\"/>\n",
               px(p.x), py(p.y), modeColours[CustomMode]);
        if (++labelled <= 50)
            append(&svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" font-weight=\"bold\" fill=\"%s\">%d</text>\n",
                   px(p.x) + 7, py(p.y) + 4, modeColours[CustomMode], p.number);
    }

    // The legend: each mode with its share of the roll.
    float lx = 2 * margin + mapWidth, ly = margin + 10;
    append(&svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"15\" font-weight=\"bold\">Where you may come back</text>\n",
           lx, ly);
    append(&svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"#444\">%s</text>\n", lx, ly + 18,
           escaped(title).c_str());
    ly += 48;
    const SpawnOdds& odds = check.odds;
    const char* const explanations[spawnModeCount] = {
        "the 759 built-in points (dots)",
        "a car on a road (dashed orange)",
        "an aircraft in flight (dashed purple)",
        "where you died (anywhere)",
        "the green rectangles",
        "your custom points (numbered)",
    };
    for (int m = 0; m < spawnModeCount; ++m) {
        int rolls = modeRolls(odds, m);
        append(&svg, "<rect x=\"%.1f\" y=\"%.1f\" width=\"14\" height=\"14\" fill=\"%s\"/>\n", lx, ly - 11,
               modeColours[m]);
        append(&svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"13\">%s: %.1f%%</text>\n", lx + 20, ly, spawnModeNames[m],
               100.0 * rolls / spawnRollCount);
        append(&svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"#555\">%s</text>\n", lx + 20, ly + 14,
               explanations[m]);
        ly += 38;
    }
    if (odds.fallBackRolls > 0) {
        append(&svg, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\">(includes %d of 99 rolls of the fall-back)</text>\n",
               lx, ly, odds.fallBackRolls);
        ly += 18;
    }
    int32_t close = odds.closeChance < 0 ? 0 : (odds.closeChance > 100 ? 100 : odds.closeChance);
    append(&svg,
           "<text x=\"%.1f\" y=\"%.1f\" font-size=\"12\">Near the place of death: %d%% of list, road,</text>\n"
           "<text x=\"%.1f\" y=\"%.1f\" font-size=\"12\">air and map spawns; the rest as drawn.</text>\n",
           lx, ly + 6, close, lx, ly + 22);
    append(
        &svg,
        "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"#555\">Game map coordinates, world units;</text>\n"
        "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"#555\">north is up. Made by pelorin check --map.</text>\n",
        lx, ly + 50, lx, ly + 64);
    svg += "</svg>\n";
    return svg;
}
