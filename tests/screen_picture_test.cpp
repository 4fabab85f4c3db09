// The picture of one frame of the simulated game: what was drawn, where, in
// draw order.
#include <gtest/gtest.h>

#include <string>

#include "sim/screen_picture.h"

TEST(ScreenPicture, RectanglesAndTextsLandWhereTheFrameDrewThemInDrawOrder) {
    sim::FrameDrawing frame;
    sim::TextDraw right{};
    right.text = "40 % & more";
    right.x = 0.1f;
    right.y = 0.5f;
    right.size = 0.5f;
    right.wrapRight = 0.75f;
    right.justification = 2;
    right.red = 10;
    right.alpha = 255;
    frame.items.push_back(sim::ScreenItem{false, sim::RectDraw{0.5f, 0.5f, 0.5f, 0.1f, 0, 0, 0, 51}, {}});
    frame.items.push_back(sim::ScreenItem{true, {}, right});
    std::string svg = sim::screenPicture(frame, 2.0f, 100);
    EXPECT_NE(svg.find("width=\"200\" height=\"100\""), std::string::npos);
    // Centred on (0.5, 0.5): from x 50 to 150, y 45 to 55, at a fifth of full opacity.
    size_t rect = svg.find("<rect x=\"50.0\" y=\"45.0\" width=\"100.0\" height=\"10.0\" fill=\"rgb(0,0,0)\" "
                           "fill-opacity=\"0.200\"/>");
    // Right-justified text ends at the wrap's right edge; its text is escaped.
    size_t text = svg.find("<text x=\"150.0\"");
    ASSERT_NE(rect, std::string::npos) << svg;
    ASSERT_NE(text, std::string::npos) << svg;
    EXPECT_LT(rect, text);
    EXPECT_NE(svg.find("text-anchor=\"end\"", text), std::string::npos);
    EXPECT_NE(svg.find(">40 % &amp; more</text>", text), std::string::npos);
    EXPECT_NE(svg.find("simulated game"), std::string::npos);
}
