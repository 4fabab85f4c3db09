// The map of "pelorin check --map": what it draws for a mode without rolls,
// for custom points that look wrong, and that its labels never cover one
// another.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/settings_checker.h"
#include "tests/support/plugin_state.h"
#include "tools/settings_map.h"

namespace {

std::string mapOf(const std::string& settingsText) { return settingsMapSvg(checkSettingsText(settingsText), "test"); }

long count(const std::string& text, const std::string& part) {
    long n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

std::string customPoint(int n, const std::string& x, const std::string& y) {
    std::string k = "custom_spawn_" + std::to_string(n);
    return k + "_x=" + x + "\n" + k + "_y=" + y + "\n" + k + "_z=10\n";
}

struct Label {
    float left, top, right, bottom;
};

// Every <text> element of the picture: its attributes and its content.
struct TextElement {
    std::string attributes, content;
};
std::vector<TextElement> textsOf(const std::string& svg) {
    std::vector<TextElement> texts;
    for (size_t at = svg.find("<text "); at != std::string::npos; at = svg.find("<text ", at + 1)) {
        size_t open = svg.find('>', at), close = svg.find("</text>", at);
        if (open == std::string::npos || close == std::string::npos || close < open) break;
        texts.push_back({svg.substr(at + 6, open - at - 6), svg.substr(open + 1, close - open - 1)});
    }
    return texts;
}

// The number of an attribute of an element ("x", "y", "font-size").
float attribute(const TextElement& text, const std::string& name) {
    size_t at = (" " + text.attributes).find(" " + name + "=\"");
    EXPECT_NE(at, std::string::npos) << name << " in " << text.attributes;
    return at == std::string::npos ? 0.0f : std::stof(text.attributes.substr(at + name.size() + 2));
}

// Every text of the picture with the box it takes (the tool's own estimate of
// a glyph's width, 0.6 of the font size).
std::vector<Label> labelsOf(const std::string& svg) {
    std::vector<Label> labels;
    for (const TextElement& text : textsOf(svg)) {
        float x = attribute(text, "x"), y = attribute(text, "y"), size = attribute(text, "font-size");
        float width = 0.6f * size * static_cast<float>(text.content.length());
        labels.push_back({x, y - size, x + width, y});
    }
    return labels;
}

// The picture's words: every text, joined by spaces, as wrapped lines read.
std::string wordsOf(const std::string& svg) {
    std::string words;
    for (const TextElement& text : textsOf(svg)) words += text.content + " ";
    return words;
}

}  // namespace

TEST(SettingsMap, AModeWithoutRollsIsFaintAndItsAreaIsNotDrawn) {
    std::string svg = mapOf(testing_support::builtInSettingsWith(
        {{"in_air_player_spawn_chance", "0"}, {"on_point_from_list_player_spawn_chance", "60"}}));
    EXPECT_EQ(count(svg, "stroke=\"#8e44ad\""), 0) << "no rectangle of the aircraft";
    EXPECT_EQ(count(svg, "stroke=\"#e07b00\""), 1) << "the road's rectangle stays";
    std::string words = wordsOf(svg);
    EXPECT_NE(words.find("aircraft in flight: never (0 of 99 rolls)"), std::string::npos);
    EXPECT_NE(words.find("point from the list: 60.6% (60 of 99 rolls)"), std::string::npos);
}

TEST(SettingsMap, APointAtTheOriginOrOffTheMapIsMarkedAndExplained) {
    std::string svg = mapOf(testing_support::builtInSettingsWith({{"custom_spawn_chance", "10"},
                                                                  {"on_point_from_list_player_spawn_chance", "30"},
                                                                  {"number_of_custom_spawn_points_in_use", "3"}}) +
                            customPoint(1, "-1034.6", "-2732.5") + customPoint(2, "0", "0") +
                            customPoint(3, "-1034.6", "99999"));
    EXPECT_EQ(count(svg, "fill=\"#ffffff\" stroke=\"#d12f2f\""), 2) << "two hollow markers";
    EXPECT_NE(svg.find(">1</text>"), std::string::npos);
    EXPECT_NE(svg.find(">2?</text>"), std::string::npos);
    EXPECT_NE(svg.find(">3?</text>"), std::string::npos);
    std::string words = wordsOf(svg);
    EXPECT_NE(words.find("Custom point 2? (x 0.0, y 0.0, z 10.0) lies at the map's origin"), std::string::npos);
    EXPECT_NE(words.find("Custom point 3? (x -1034.6, y 99999.0, z 10.0) lies off the map: Pelorin treats it as a "
                         "missing point"),
              std::string::npos)
        << words;
    EXPECT_EQ(words.find("Custom point 1?"), std::string::npos);
}

TEST(SettingsMap, NoTwoTextsOverlapEvenForPointsCrowdedTogether) {
    std::string text = testing_support::builtInSettingsWith({{"custom_spawn_chance", "10"},
                                                             {"on_point_from_list_player_spawn_chance", "30"},
                                                             {"number_of_custom_spawn_points_in_use", "40"}});
    for (int n = 1; n <= 40; ++n)
        text += customPoint(n, std::to_string(100 + (n % 7) * 40), std::to_string(200 + (n / 7) * 45));
    std::string svg = mapOf(text);
    std::vector<Label> labels = labelsOf(svg);
    ASSERT_GT(labels.size(), 30u);
    for (size_t i = 0; i < labels.size(); ++i)
        for (size_t j = i + 1; j < labels.size(); ++j) {
            const Label &a = labels[i], &b = labels[j];
            bool overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
            EXPECT_FALSE(overlap) << "texts " << i << " and " << j << " at (" << a.left << ", " << a.bottom << ") and ("
                                  << b.left << ", " << b.bottom << ")";
        }
    EXPECT_NE(wordsOf(svg).find("custom points are drawn without their number"), std::string::npos)
        << "forty points within 300 units cannot all carry their number";
}
