// The mouse in the open menu: the game's cursor shown while the keyboard and
// mouse are in use, a left click selecting a line and acting on the line
// already selected as Enter does, stepping a value on its ◄ or ►, doing nothing
// off the lines or with the controller in use, at every screen shape and on a
// page scrolled; and a click never fires the player's weapon while it is open.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "menu/menu.h"
#include "settings/settings_record.h"
#include "sim/game_events.h"
#include "sim/script_host.h"
#include "tests/support/menu_driver.h"
#include "tests/support/plugin_state.h"

namespace {

using namespace testing_support;

constexpr float screenShapes[] = {16.0f / 9.0f, 4.0f / 3.0f, 21.0f / 9.0f, 32.0f / 9.0f};

// The frames of the next half second on which the game showed the cursor.
int framesWithTheCursor() {
    int frames = 0;
    sim::runUntil(
        [&frames](sim::World& world) {
            frames += world.cursorShownFrame == world.frameCount;
            return false;
        },
        500);
    return frames;
}

// How often the game acted on the controls a click works, the cursor's own
// accept left out.
std::map<int32_t, int32_t> clickActions(const sim::World& w) {
    std::map<int32_t, int32_t> acted;
    for (int32_t control : sim::leftClickControls) {
        auto found = w.controlsActedOn.find(control);
        if (control != 237) acted[control] = found == w.controlsActedOn.end() ? 0 : found->second;
    }
    return acted;
}

// The shipped settings' game on a screen of this shape, the menu open.
sim::World& menuOpenAt(float ratio) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    w.screen.aspectRatio = ratio;
    pressMenuChord(w);
    return w;
}

}  // namespace

TEST(MenuMouse, AClickSelectsALineAndASecondClickOnItOpensItAtEveryScreenShape) {
    for (float ratio : screenShapes) {
        SCOPED_TRACE(ratio);
        sim::World& w = menuOpenAt(ratio);
        tapKey(w, keyBackspace);
        ASSERT_EQ(shownPage(w), "Pages");
        std::vector<std::string> lines = shownLines(w);
        ASSERT_GE(lines.size(), 4u);
        for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
            ASSERT_TRUE(clickOnLine(w, *line));
            EXPECT_EQ(selectedLine(w), *line);
            EXPECT_EQ(shownPage(w), "Pages") << "a first click only selects";
        }
        ASSERT_TRUE(clickOnLine(w, "Timing"));
        ASSERT_TRUE(clickOnLine(w, "Timing"));
        EXPECT_EQ(shownPage(w), "Timing") << "on the line selected, a click is Enter";
        // On the new page the click meets its own lines.
        std::vector<std::string> timing = shownLines(w);
        ASSERT_GE(timing.size(), 2u);
        ASSERT_TRUE(clickOnLine(w, timing[1]));
        EXPECT_EQ(selectedLine(w), timing[1]);
    }
}

TEST(MenuMouse, AClickOnAValuesArrowsStepsItAsLeftAndRightDoAtEveryScreenShape) {
    for (float ratio : screenShapes) {
        SCOPED_TRACE(ratio);
        sim::World& w = menuOpenAt(ratio);
        ASSERT_NE(selectedLine(w), "Aircraft in flight");
        ASSERT_EQ(settings.in_air_player_spawn_chance, 20);
        ASSERT_TRUE(clickOnValue(w, "Aircraft in flight", ValuePart::RightArrow));
        EXPECT_EQ(selectedLine(w), "Aircraft in flight") << "the line clicked is selected";
        EXPECT_EQ(settings.in_air_player_spawn_chance, 25);
        sim::runFor(1000);
        ASSERT_TRUE(clickOnValue(w, "Aircraft in flight", ValuePart::LeftArrow));
        EXPECT_EQ(settings.in_air_player_spawn_chance, 20);
        sim::runFor(1000);
        // The key steps it as far as the click did.
        ASSERT_TRUE(clickOnValue(w, "Aircraft in flight", ValuePart::RightArrow));
        std::string clicked = valueOf(w, "Aircraft in flight");
        sim::runFor(1000);
        ASSERT_TRUE(clickOnValue(w, "Aircraft in flight", ValuePart::LeftArrow));
        sim::runFor(1000);
        tapKey(w, keyRight);
        EXPECT_EQ(valueOf(w, "Aircraft in flight"), clicked);
        EXPECT_EQ(settingsFileText().find("in_air_player_spawn_chance=25") != std::string::npos, true)
            << "written as a key's step is";
        // A click on the label of the line selected is Enter, which a setting's
        // line takes as nothing to do.
        sim::runFor(1000);
        ASSERT_TRUE(clickOnLine(w, "Aircraft in flight"));
        EXPECT_EQ(settings.in_air_player_spawn_chance, 25);
        EXPECT_EQ(shownPage(w), "Where you come back");
        // Between the arrows a click only selects, as on the label.
        const std::string vehicle = valueOf(w, "Vehicle on a road");
        ASSERT_FALSE(vehicle.empty());
        ASSERT_TRUE(clickOnValue(w, "Vehicle on a road", ValuePart::Middle));
        EXPECT_EQ(selectedLine(w), "Vehicle on a road");
        EXPECT_EQ(valueOf(w, "Vehicle on a road"), vehicle);
        ASSERT_TRUE(clickOnValue(w, "Vehicle on a road", ValuePart::Middle));
        EXPECT_EQ(valueOf(w, "Vehicle on a road"), vehicle) << "nor does Enter step it";
    }
}

TEST(MenuMouse, AClickOffTheLinesChangesNothingAndNoClickFiresWhileTheMenuIsOpen) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    std::map<int32_t, int32_t> acted = clickActions(w);
    pressMenuChord(w);
    tapKeys(w, keyDown, 2);
    const std::string selected = selectedLine(w);
    const std::vector<std::string> lines = shownLines(w);
    const std::string text = settingsFileText();
    std::vector<std::string> texts = shownTexts(w);
    ASSERT_GE(texts.size(), 4u);
    const sim::TextDraw* help = nullptr;
    for (const sim::ScreenItem& item : w.lastFrame.items)
        if (item.isText) help = &item.text;
    ASSERT_NE(help, nullptr);
    // Right of the box, left of it, on the menu's title, on the page's title,
    // on the help line at the bottom, and below everything.
    const float spots[][2] = {{0.9f, 0.3f}, {0.005f, 0.3f}, {0.1f, 0.07f},
                              {0.05f, 0.147f}, {help->x + 0.002f, help->y + 0.01f}, {0.1f, 0.98f}};
    for (const auto& spot : spots) {
        SCOPED_TRACE(std::to_string(spot[0]) + ", " + std::to_string(spot[1]));
        clickAt(w, spot[0], spot[1]);
        EXPECT_EQ(selectedLine(w), selected);
        EXPECT_EQ(shownLines(w), lines);
        EXPECT_EQ(shownPage(w), "Where you come back");
        EXPECT_TRUE(isMenuOpen());
    }
    EXPECT_EQ(settingsFileText(), text);
    ASSERT_TRUE(clickOnLine(w, lines[0]));
    ASSERT_EQ(selectedLine(w), lines[0]);
    EXPECT_EQ(clickActions(w), acted) << "neither a shot nor a punch nor the phone";
    // Closed, the menu leaves the click to the game.
    pressMenuChord(w);
    ASSERT_FALSE(isMenuOpen());
    clickAt(w, 0.5f, 0.5f);
    EXPECT_EQ(clickActions(w)[24], acted[24] + 1) << "the attack";
}

TEST(MenuMouse, TheCursorShowsWhileTheKeyboardAndMouseAreInUseAndAClickWithTheControllerDoesNothing) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    EXPECT_EQ(framesWithTheCursor(), 0) << "closed: no cursor";
    pressMenuChord(w);
    EXPECT_GE(framesWithTheCursor(), 25) << "of about 30 frames";
    tapControl(w, padDown);
    const std::string selected = selectedLine(w);
    const std::vector<std::string> lines = shownLines(w);
    EXPECT_EQ(framesWithTheCursor(), 0) << "the controller has no cursor";
    // A click that the game reports on a frame of the controller's.
    uint32_t at = w.tick() + 10;
    const std::string other = lines[0] == selected ? lines[1] : lines[0];
    const sim::TextDraw* label = nullptr;
    for (const sim::ScreenItem& item : w.lastFrame.items)
        if (item.isText && item.text.text == other) label = &item.text;
    ASSERT_NE(label, nullptr);
    sim::mouseClickAt(w, at, label->x + 0.002f, label->y + 0.01f);
    w.at(at, [](sim::World& world) { world.keyboardInUse = false; });
    sim::runFor(150);
    EXPECT_EQ(selectedLine(w), selected);
    // The same click with the mouse in use selects.
    ASSERT_TRUE(clickOnLine(w, other));
    EXPECT_EQ(selectedLine(w), other);
    EXPECT_GE(framesWithTheCursor(), 25);
    pressMenuChord(w);
    ASSERT_FALSE(isMenuOpen());
    EXPECT_EQ(framesWithTheCursor(), 0);
}

TEST(MenuMouse, AClickOnAPageScrolledMeetsTheLineDrawnThere) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    pressMenuChord(w);
    const std::vector<std::string> top = shownLines(w);
    tapKeys(w, keyDown, 15);
    const std::vector<std::string> scrolled = shownLines(w);
    ASSERT_EQ(scrolled.size(), top.size());
    ASSERT_NE(scrolled[0], top[0]) << "the page scrolled";
    for (size_t slot : {size_t{0}, scrolled.size() - 1, size_t{4}}) {
        ASSERT_TRUE(clickOnLine(w, scrolled[slot]));
        EXPECT_EQ(selectedLine(w), scrolled[slot]);
        EXPECT_EQ(shownLines(w), scrolled) << "a line in sight scrolls nothing";
    }
    // Scrolled back a line by the wheel: the first line is the one above.
    for (size_t i = 0; i < scrolled.size(); ++i) {
        sim::turnMouseWheel(w, true);
        sim::runFor(100);
    }
    const std::vector<std::string> back = shownLines(w);
    ASSERT_NE(back[0], scrolled[0]);
    ASSERT_TRUE(clickOnLine(w, back[0]));
    EXPECT_EQ(selectedLine(w), back[0]);
    ASSERT_TRUE(clickOnLine(w, back[0]));
    EXPECT_EQ(shownPage(w), "Where you come back") << "Enter on a setting's line does nothing";
}
