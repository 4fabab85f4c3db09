// The picture of one frame of the simulated game: what was drawn, where, in
// draw order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

namespace {

sim::ScaleformMovie& buttonsMovie(sim::World& w, std::vector<sim::ScaleformCall> calls) {
    sim::ScaleformMovie& movie = w.scaleformMovies[1];
    movie.name = "instructional_buttons";
    movie.calls = std::move(calls);
    movie.drawnFrames = 1;
    movie.lastDrawnFrame = w.lastFrame.frame;
    return movie;
}

}  // namespace

TEST(ScreenPicture, TheInstructionalButtonsAreTheSlotsSetSinceTheLastClearOfAMovieDrawnOnTheFrame) {
    sim::World w;
    sim::ScaleformMovie& movie = buttonsMovie(
        w, {{"SET_DATA_SLOT", {"0", "t_Old", "Gone"}},
            {"CLEAR_ALL", {}},
            {"SET_DATA_SLOT", {"1", "t_Down", "t_Up", "Choose"}},
            {"SET_DATA_SLOT", {"0", "b_202", "Back"}},
            {"SET_BACKGROUND_COLOUR", {"1", "2", "3", "80"}},
            {"DRAW_INSTRUCTIONAL_BUTTONS", {"0"}}});
    sim::InstructionalButtons shown = sim::instructionalButtonsShown(w);
    ASSERT_EQ(shown.slots.size(), 2u);
    EXPECT_EQ(shown.slots[0].glyphs, std::vector<std::string>{"b_202"});
    EXPECT_EQ(shown.slots[0].label, "Back");
    EXPECT_EQ(shown.slots[1].glyphs, (std::vector<std::string>{"t_Down", "t_Up"}));
    EXPECT_EQ(shown.red + shown.green + shown.blue, 6);
    // Cleared and not drawn again, drawn on another frame, given back: none.
    movie.calls.push_back({"CLEAR_ALL", {}});
    EXPECT_TRUE(sim::instructionalButtonsShown(w).slots.empty());
    movie.calls.push_back({"DRAW_INSTRUCTIONAL_BUTTONS", {"0"}});
    movie.lastDrawnFrame = w.lastFrame.frame + 1;
    EXPECT_TRUE(sim::instructionalButtonsShown(w).slots.empty());
    movie.lastDrawnFrame = w.lastFrame.frame;
    movie.released = true;
    EXPECT_TRUE(sim::instructionalButtonsShown(w).slots.empty());
}

TEST(ScreenPicture, TheButtonsStandAtTheBottomRightTheFirstSlotRightmostEachGlyphLeftOfItsLabel) {
    sim::World w;
    buttonsMovie(w, {{"SET_DATA_SLOT", {"0", "t_Backspace", "Back"}},
                     {"SET_DATA_SLOT", {"1", "t_Right", "t_Left", "Change"}},
                     {"DRAW_INSTRUCTIONAL_BUTTONS", {"0"}}});
    std::string svg = sim::screenPicture(sim::FrameDrawing{}, 16.0f / 9.0f, 720, sim::instructionalButtonsShown(w));
    auto xOf = [&svg](const std::string& content) {
        size_t end = svg.find(">" + content + "</text>");
        EXPECT_NE(end, std::string::npos) << content;
        size_t start = svg.rfind("<text x=\"", end);
        return std::stod(svg.substr(start + 9));
    };
    double back = xOf("Back"), backspace = xOf("Backspace"), change = xOf("Change"), right = xOf("\u2192"),
           left = xOf("\u2190");
    // Labels end where they stand (text-anchor end), glyphs are centred on their caps.
    EXPECT_LT(back, 1280);
    EXPECT_GT(back, 1100) << "at the right";
    EXPECT_LT(backspace, back);
    EXPECT_LT(change, backspace);
    EXPECT_LT(right, change);
    EXPECT_LT(left, right) << "the glyphs in the order the movie takes them, leftwards";
    size_t label = svg.find(">Back</text>");
    size_t y = svg.rfind(" y=\"", label);
    EXPECT_GT(std::stod(svg.substr(y + 4)), 600) << "at the bottom";
    EXPECT_EQ(sim::screenPicture(sim::FrameDrawing{}, 16.0f / 9.0f).find("Back"), std::string::npos);
}
