#include "tools/settings_map.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "shared/map_bounds.h"
#include "shared/spawn_geometry.h"
#include "spawn/spawn_points.h"

namespace {

// Colours of the modes, in the order of the roll.
const char* const modeColours[] = {"#1f6fd1", "#e07b00", "#8e44ad", "#6b6b6b", "#1e9e4a", "#d12f2f"};
static_assert(std::size(modeColours) == spawnModeCount, "a colour for every spawn mode");
// What each mode's share brings, and how the map shows it.
static_assert(builtInSpawnPointCount == 759, "the legend below names the count of built-in places");
const char* const modeExplanations[] = {
    "one of the 759 built-in places (the dots)",
    "a car on a road, searched in the dashed orange rectangle 40% of the time, in the lower green one 60%",
    "an aircraft over the dashed purple rectangle 40% of the time, over the lower green one 60%",
    "where you died or were arrested",
    "a place in a green rectangle: the lower one half the time, each of the five others a tenth",
    "your custom points (numbered)",
};
static_assert(std::size(modeExplanations) == spawnModeCount, "an explanation for every spawn mode");

// The drawn part of the world: the map's bounds, beyond which a place is no
// place (a custom point there reads as a missing one).
constexpr float worldMinX = mapBounds.minX, worldMaxX = mapBounds.maxX;
constexpr float worldMinY = mapBounds.minY, worldMaxY = mapBounds.maxY;
constexpr float pixelsPerUnit = 0.065f;
constexpr float margin = 40.0f;
constexpr float legendWidth = 380.0f;
constexpr int labelledPointsAtMost = 50;

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
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    *svg += line;
}

void rectangle(std::string* svg, const MapRegion& r, const char* colour, float fillOpacity, const char* dash) {
    append(svg,
           "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"%s\" fill-opacity=\"%.2f\" "
           "stroke=\"%s\" stroke-width=\"1.5\" stroke-dasharray=\"%s\"/>\n",
           px(r.minX), py(r.maxY), (r.maxX - r.minX) * pixelsPerUnit, (r.maxY - r.minY) * pixelsPerUnit, colour,
           fillOpacity, colour, dash);
}

int modeRolls(const SpawnOdds& odds, int mode) {
    return odds.rolls[mode] + (odds.fallBackMode == mode ? odds.fallBackRolls : 0);
}
constexpr int modeIndex(SpawnMode mode) { return static_cast<int>(mode); }
int modeRolls(const SpawnOdds& odds, SpawnMode mode) { return modeRolls(odds, modeIndex(mode)); }

// Percent of list, road, air and map respawns placed near the point of death.
int closeShare(const SpawnOdds& odds) { return odds.closeRolls; }

// The width a text takes in the sans-serif font, a little generously.
float textWidth(const std::string& text, float fontSize) { return 0.6f * fontSize * static_cast<float>(text.size()); }

// Places on the map that a label must not cover, and the labels placed so far.
class LabelSpace {
public:
    struct Box {
        float left, top, right, bottom;
    };
    void take(const Box& box) { taken_.push_back(box); }
    bool free(const Box& box) const {
        for (const Box& t : taken_)
            if (box.left < t.right && t.left < box.right && box.top < t.bottom && t.top < box.bottom) return false;
        return true;
    }

private:
    std::vector<Box> taken_;
};

// The legend's column: lines of text wrapped to its width, one below the other.
class Legend {
public:
    Legend(std::string* svg, float x, float y) : svg_(svg), x_(x), y_(y) {}
    float x() const { return x_; }
    float y() const { return y_; }
    void skip(float height) { y_ += height; }
    // Writes the text at an indent, wrapped; `style` holds the text element's attributes.
    void text(const std::string& words, float indent, float fontSize, const char* style) {
        std::string line;
        size_t at = 0;
        while (at < words.size()) {
            size_t end = words.find(' ', at);
            if (end == std::string::npos) end = words.size();
            std::string word = words.substr(at, end - at);
            std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && textWidth(longer, fontSize) > legendWidth - indent) {
                writeLine(line, indent, fontSize, style);
                line = word;
            } else {
                line = longer;
            }
            at = end + 1;
        }
        if (!line.empty()) writeLine(line, indent, fontSize, style);
    }

private:
    void writeLine(const std::string& line, float indent, float fontSize, const char* style) {
        y_ += fontSize + 3.0f;
        append(svg_, "<text x=\"%.1f\" y=\"%.1f\" font-size=\"%.0f\" %s>%s</text>\n", x_ + indent, y_, fontSize, style,
               escaped(line).c_str());
    }

    std::string* svg_;
    float x_, y_;
};

// Why a custom point looks wrong (the checker's doubt), or nullptr.
const char* suspicion(const CheckedCustomPoint& p) {
    switch (p.doubt) {
        case PointDoubt::None:
            break;
        case PointDoubt::OffMap:
            return "lies off the map: Pelorin treats it as a missing point and brings you to the map's origin (0, 0)";
        case PointDoubt::AtOrigin:
            return "lies at the map's origin (0, 0), where a missing or unreadable coordinate puts it";
    }
    return nullptr;
}

void drawGrid(std::string* svg, float mapWidth, float mapHeight) {
    for (int x = -5000; x <= 5000; x += 1000)
        append(svg,
               "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#d5dde4\"/>"
               "<text x=\"%.1f\" y=\"%.1f\" font-size=\"10\" fill=\"#67737e\" text-anchor=\"middle\">%d</text>\n",
               px(static_cast<float>(x)), margin, px(static_cast<float>(x)), margin + mapHeight,
               px(static_cast<float>(x)), margin + mapHeight + 14, x);
    for (int y = -5000; y <= 8000; y += 1000)
        append(svg,
               "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#d5dde4\"/>"
               "<text x=\"%.1f\" y=\"%.1f\" font-size=\"10\" fill=\"#67737e\" text-anchor=\"end\">%d</text>\n",
               margin, py(static_cast<float>(y)), margin + mapWidth, py(static_cast<float>(y)), margin - 4,
               py(static_cast<float>(y)) + 3, y);
}

// The areas and places of each mode that has rolls; the list's places stay,
// faint, as the outline of the land when the list has none.
void drawModes(std::string* svg, const SpawnOdds& odds) {
    bool anyNearDeath = closeShare(odds) > 0 && (modeRolls(odds, SpawnMode::OnPointFromList) > 0 || modeRolls(odds, SpawnMode::InVehicleOnRoad) > 0 ||
                                                  modeRolls(odds, SpawnMode::InAir) > 0 || modeRolls(odds, SpawnMode::RandomPointOnMap) > 0);
    if (anyNearDeath) rectangle(svg, closePointBounds, "#9aa7b3", 0.0f, "2 3");
    bool road = modeRolls(odds, SpawnMode::InVehicleOnRoad) > 0, air = modeRolls(odds, SpawnMode::InAir) > 0, map = modeRolls(odds, SpawnMode::RandomPointOnMap) > 0;
    if (road) rectangle(svg, largeRoadRectangle, modeColours[modeIndex(SpawnMode::InVehicleOnRoad)], 0.03f, "8 4");
    if (air) rectangle(svg, largeAirRectangle, modeColours[modeIndex(SpawnMode::InAir)], 0.03f, "4 4");
    if (map || road || air) rectangle(svg, mainMapRegion, modeColours[modeIndex(SpawnMode::RandomPointOnMap)], map ? 0.18f : 0.0f, "none");
    if (map)
        for (const MapRegion& r : otherMapRegions) rectangle(svg, r, modeColours[modeIndex(SpawnMode::RandomPointOnMap)], 0.12f, "none");
    float listOpacity = modeRolls(odds, SpawnMode::OnPointFromList) > 0 ? 1.0f : 0.2f;
    for (const SpawnPoint& p : builtInSpawnPoints)
        append(svg, "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"1.6\" fill=\"%s\" fill-opacity=\"%.1f\"/>\n", px(p.x), py(p.y),
               modeColours[modeIndex(SpawnMode::OnPointFromList)], listOpacity);
}

// The custom points, numbered where a number fits without covering another;
// a suspicious point is drawn hollow, at the map's edge when it lies beyond.
// Returns how many points went without a number.
int drawCustomPoints(std::string* svg, const SettingsCheck& check, LabelSpace* labels) {
    const float radius = 5.0f, fontSize = 11.0f;
    float opacity = modeRolls(check.odds, SpawnMode::CustomPoint) > 0 ? 1.0f : 0.35f;
    std::vector<std::pair<float, float>> centres;
    for (const CheckedCustomPoint& p : check.customPoints) {
        float cx = px(std::clamp(p.x, worldMinX, worldMaxX)), cy = py(std::clamp(p.y, worldMinY, worldMaxY));
        centres.emplace_back(cx, cy);
        labels->take({cx - radius, cy - radius, cx + radius, cy + radius});
    }
    int unlabelled = 0, labelled = 0;
    for (size_t i = 0; i < check.customPoints.size(); ++i) {
        const CheckedCustomPoint& p = check.customPoints[i];
        float cx = centres[i].first, cy = centres[i].second;
        if (suspicion(p))
            append(svg,
                   "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"#ffffff\" stroke=\"%s\" stroke-width=\"2.5\" "
                   "stroke-opacity=\"%.2f\"/>\n",
                   cx, cy, radius + 1.0f, modeColours[modeIndex(SpawnMode::CustomPoint)], opacity);
        else
            append(svg,
                   "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"%s\" fill-opacity=\"%.2f\" stroke=\"#ffffff\" "
                   "stroke-width=\"1.5\"/>\n",
                   cx, cy, radius, modeColours[modeIndex(SpawnMode::CustomPoint)], opacity);
        std::string number = std::to_string(p.number) + (suspicion(p) ? "?" : "");
        float width = textWidth(number, fontSize);
        // Right of the point, left, above, below: the first place that is free.
        const LabelSpace::Box tries[] = {
            {cx + radius + 2, cy - fontSize / 2, cx + radius + 2 + width, cy + fontSize / 2},
            {cx - radius - 2 - width, cy - fontSize / 2, cx - radius - 2, cy + fontSize / 2},
            {cx - width / 2, cy - radius - 2 - fontSize, cx + width / 2, cy - radius - 2},
            {cx - width / 2, cy + radius + 2, cx + width / 2, cy + radius + 2 + fontSize},
        };
        const LabelSpace::Box* chosen = nullptr;
        if (labelled < labelledPointsAtMost)
            for (const LabelSpace::Box& box : tries)
                if (labels->free(box)) {
                    chosen = &box;
                    break;
                }
        if (chosen == nullptr) {
            ++unlabelled;
            continue;
        }
        ++labelled;
        labels->take(*chosen);
        append(svg,
               "<text x=\"%.1f\" y=\"%.1f\" font-size=\"%.0f\" font-weight=\"bold\" fill=\"%s\" "
               "fill-opacity=\"%.2f\">%s</text>\n",
               chosen->left, chosen->bottom - 2, fontSize, modeColours[modeIndex(SpawnMode::CustomPoint)], opacity, number.c_str());
    }
    return unlabelled;
}

// The 99 rolls as one bar, each mode's share in its colour; the part of a
// share that prefers a place near the point of death is hatched.
void drawRollBar(std::string* svg, const SpawnOdds& odds, float x, float y, float width) {
    const float height = 16.0f;
    append(svg,
           "<defs><pattern id=\"near\" width=\"6\" height=\"6\" patternUnits=\"userSpaceOnUse\" "
           "patternTransform=\"rotate(45)\"><rect width=\"3\" height=\"6\" fill=\"#ffffff\" "
           "fill-opacity=\"0.75\"/></pattern></defs>\n");
    float at = x;
    for (int m = 0; m < spawnModeCount; ++m) {
        float w = width * static_cast<float>(modeRolls(odds, m)) / spawnRollCount;
        if (w <= 0.0f) continue;
        append(svg, "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"%s\"/>\n", at, y, w, height,
               modeColours[m]);
        if (spawnModes[m].takesClosePoint && closeShare(odds) > 0)
            append(svg, "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"url(#near)\"/>\n", at, y,
                   w * static_cast<float>(closeShare(odds)) / 100.0f, height);
        at += w;
    }
    append(svg, "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"none\" stroke=\"#444\"/>\n", x, y,
           width, height);
}

void drawLegend(std::string* svg, const SettingsCheck& check, const std::string& title, float x, int unlabelled) {
    const SpawnOdds& odds = check.odds;
    Legend legend(svg, x, margin - 6);
    legend.text("Where you may come back", 0, 15, "font-weight=\"bold\"");
    legend.text(title, 0, 11, "fill=\"#444\"");
    legend.skip(10);
    legend.text("Each respawn rolls a number from 1 to 99. Each chance takes as many rolls as its percent, in this "
                "order, while rolls are left: with chances that add up to 100, the last one gets one roll fewer.",
                0, 11, "fill=\"#222\"");
    legend.skip(6);
    drawRollBar(svg, odds, x, legend.y(), legendWidth - 10);
    legend.skip(22);
    for (int m = 0; m < spawnModeCount; ++m) {
        int rolls = modeRolls(odds, m);
        const char* faint = rolls > 0 ? "" : "fill-opacity=\"0.4\"";
        append(svg, "<rect x=\"%.1f\" y=\"%.1f\" width=\"14\" height=\"14\" fill=\"%s\" %s/>\n", x, legend.y() + 4,
               modeColours[m], rolls > 0 ? "" : "fill-opacity=\"0.3\"");
        char heading[96];
        if (rolls > 0)
            std::snprintf(heading, sizeof heading, "%s: %.1f%% (%d of 99 rolls)", spawnModes[m].name,
                          100.0 * rolls / spawnRollCount, rolls);
        else
            std::snprintf(heading, sizeof heading, "%s: never (0 of 99 rolls)", spawnModes[m].name);
        legend.text(heading, 20, 13, faint);
        legend.text(modeExplanations[m], 20, 11, rolls > 0 ? "fill=\"#555\"" : "fill=\"#555\" fill-opacity=\"0.5\"");
        legend.skip(8);
    }
    if (odds.fallBackRolls > 0) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "The chances add up to less than 99: %d rolls fall back to the %s (with a sound), counted above.",
                      odds.fallBackRolls, spawnModes[odds.fallBackMode].name);
        legend.text(text, 0, 11, "");
        legend.skip(6);
    }
    char near[400];
    std::snprintf(near, sizeof near,
                  "Hatched: near the place of death, %d%% of list, road, air and map respawns. Such a place lies "
                  "about preferred_spawn_distance away (the nearest dot for the list), and only inside the dotted "
                  "grey line, which runs along the dashed orange one; elsewhere, and for the rest, the places are "
                  "drawn as shown.",
                  closeShare(odds));
    legend.text(near, 0, 11, "");
    legend.skip(6);
    for (const CheckedCustomPoint& p : check.customPoints) {
        if (const char* why = suspicion(p)) {
            char text[320];
            std::snprintf(text, sizeof text, "Custom point %d? (x %.1f, y %.1f, z %.1f) %s.", p.number,
                          static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z), why);
            legend.text(text, 0, 11, "fill=\"#b01e1e\"");
        }
    }
    if (unlabelled > 0)
        legend.text(std::to_string(unlabelled) + " custom points are drawn without their number, for lack of room.", 0,
                    11, "fill=\"#555\"");
    legend.skip(6);
    legend.text("Game map coordinates in world units, north up; the frame is the edge of the map as Pelorin takes "
                "it. Made by pelorin check --map.",
                0, 11, "fill=\"#555\"");
}

}  // namespace

std::string settingsMapSvg(const SettingsCheck& check, const std::string& title) {
    const float mapWidth = (worldMaxX - worldMinX) * pixelsPerUnit, mapHeight = (worldMaxY - worldMinY) * pixelsPerUnit;
    const float width = 2 * margin + mapWidth + legendWidth + 20, height = 2 * margin + mapHeight;
    std::string svg;
    append(&svg,
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" viewBox=\"0 0 %.0f %.0f\" "
           "font-family=\"sans-serif\">\n",
           width, height, width, height);
    append(&svg, "<rect width=\"100%%\" height=\"100%%\" fill=\"#ffffff\"/>\n");
    append(&svg, "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"#eef3f7\" stroke=\"#5f6b76\"/>\n",
           margin, margin, mapWidth, mapHeight);
    drawGrid(&svg, mapWidth, mapHeight);
    drawModes(&svg, check.odds);
    LabelSpace labels;
    int unlabelled = drawCustomPoints(&svg, check, &labels);
    drawLegend(&svg, check, title, 2 * margin + mapWidth, unlabelled);
    svg += "</svg>\n";
    return svg;
}
