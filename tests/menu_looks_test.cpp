// How the menu looks in the simulated game: every text inside the bar it is
// drawn on at every screen shape, texts cut between characters and shown in
// full in the description below the page, each text measured once, ◄ ► around
// the values left and right change, the page's position and scroll marks, and
// the game's instructional buttons while the menu is open.
#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "checker/first_findings.h"
#include "checker/settings_checker.h"
#include "menu/menu.h"
#include "sim/game_events.h"
#include "sim/script_host.h"
#include "sim/soak_memory.h"
#include "sim/text_width.h"
#include "tests/support/menu_driver.h"
#include "tests/support/plugin_state.h"

namespace {

using namespace testing_support;

constexpr float lineHeightPerSize = 0.065f;  // as the simulated game draws text
const std::string ellipsis = "\u2026";

struct Extent {
    float left, right;
};

Extent extentOf(const sim::TextDraw& t) {
    if (t.justification == 2) return {t.wrapRight - t.width, t.wrapRight};
    if (t.justification == 0 || t.centred) return {t.x - t.width / 2, t.x + t.width / 2};
    return {t.x, t.x + t.width};
}

bool validUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80             ? 1
                        : (lead & 0xE0) == 0xC0 ? 2
                        : (lead & 0xF0) == 0xE0 ? 3
                        : (lead & 0xF8) == 0xF0 ? 4
                                                : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// Every text of the last frame lies inside the bar it is drawn on (the last
// rectangle drawn before it that holds its line's middle), and the texts of
// one line do not touch each other.
void expectEveryTextInsideItsBar(const sim::World& w, const std::string& where) {
    SCOPED_TRACE(where);
    const std::vector<sim::ScreenItem>& items = w.lastFrame.items;
    ASSERT_FALSE(items.empty());
    struct Placed {
        const sim::RectDraw* box;
        float y;
        Extent extent;
    };
    std::vector<Placed> placed;
    for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].isText) continue;
        const sim::TextDraw& t = items[i].text;
        EXPECT_TRUE(validUtf8(t.text)) << t.text;
        float top = t.y, bottom = t.y + t.size * lineHeightPerSize, middle = (top + bottom) / 2;
        const sim::RectDraw* box = nullptr;
        for (size_t k = i; k-- > 0;) {
            const sim::RectDraw& r = items[k].rect;
            if (!items[k].isText && middle >= r.y - r.height / 2 && middle <= r.y + r.height / 2) {
                box = &r;
                break;
            }
        }
        ASSERT_NE(box, nullptr) << t.text;
        Extent e = extentOf(t);
        constexpr float slack = 1e-5f;
        EXPECT_GE(e.left, box->x - box->width / 2 - slack) << t.text;
        EXPECT_LE(e.right, box->x + box->width / 2 + slack) << t.text;
        EXPECT_GE(top, box->y - box->height / 2 - slack) << t.text;
        EXPECT_LE(bottom, box->y + box->height / 2 + slack) << t.text;
        for (const Placed& other : placed) {
            if (other.box == box && other.y == t.y) {
                EXPECT_TRUE(e.left >= other.extent.right || e.right <= other.extent.left) << t.text;
            }
        }
        placed.push_back(Placed{box, t.y, e});
    }
}

// The description below the page, its lines joined (drawn in its own colour).
std::string shownDescription(const sim::World& w) {
    std::string text;
    for (const sim::ScreenItem& item : w.lastFrame.items)
        if (item.isText && item.text.red == 225 && item.text.green == 225 && item.text.blue == 225)
            text += (text.empty() ? "" : " ") + item.text.text;
    return text;
}

// ◄ and ► drawn around the value of the line with this label.
bool hasArrows(const sim::World& w, const std::string& label) {
    const std::vector<sim::ScreenItem>& items = w.lastFrame.items;
    for (size_t i = 0; i + 1 < items.size(); ++i) {
        if (!items[i].isText || items[i].text.text != label) continue;
        const std::string value = valueOf(w, label);
        return !value.empty() && items[i + 1].text.text == "\u25C4 " + value + " \u25BA";
    }
    return false;
}

std::string withPoints(int count) {
    std::string text =
        withSetting(builtInSettingsText(), "number_of_custom_spawn_points_in_use", std::to_string(count));
    for (int k = 1; k <= count; ++k)
        text += "custom_spawn_" + std::to_string(k) + "_x=" + std::to_string(100 * k) + "\ncustom_spawn_" +
                std::to_string(k) + "_y=200\ncustom_spawn_" + std::to_string(k) + "_z=30\n";
    return text;
}

// Long values, a value replaced, and findings with long texts.
std::string settingsWithLongTexts() {
    return builtInSettingsWith({{"get_all_weapons_upon_respawn", "3"},
                                {"slow_motion_at_wasted_and_busted_screens", "0.01"},
                                {"custom_spawn_chance", "0"}}) +
           "a_key_of_mine_that_pelorin_does_not_know_at_all_and_never_will=1\n"
           "custom_spawn_chance_of_another_kind=5\n";
}

// A game folder of some depth with letters beyond ASCII, as the current
// directory holding the settings file.
std::string enterDeepGameFolder(const std::string& settingsText) {
    std::string folder = gameDirectory() + "/Spiele und Größere Sammlungen/Ein sehr langer Ordnername für das Spiel";
    std::filesystem::create_directories(folder);
    EXPECT_EQ(chdir(folder.c_str()), 0);
    std::ofstream(folder + "/Pelorin.ini", std::ios::binary) << settingsText;
    return folder + "/Pelorin.ini";
}

}  // namespace

TEST(MenuLooks, EveryTextStaysInsideItsBarOnEveryPageAtEveryScreenShape) {
    for (float ratio : {16.0f / 9.0f, 4.0f / 3.0f, 21.0f / 9.0f, 32.0f / 9.0f}) {
        sim::World& w = gameStartedWith(settingsWithLongTexts());
        w.logCalls = false;
        w.screen.aspectRatio = ratio;
        enterDeepGameFolder(settingsWithLongTexts());
        sim::runFor(1500);
        int framesLookedAt = 0;
        for (const char* title : {"Where you come back", "What you keep", "Timing", "Custom points", "About"}) {
            ASSERT_TRUE(openMenuPage(w, title));
            // Down through every line and round to the first again.
            std::string first = selectedLine(w);
            for (int moves = 0; moves < 40; ++moves) {
                expectEveryTextInsideItsBar(w, std::string(title) + " at " + std::to_string(ratio) + ", " +
                                                   selectedLine(w));
                ++framesLookedAt;
                tapKey(w, keyDown);
                if (selectedLine(w) == first) break;
            }
        }
        EXPECT_GE(framesLookedAt, 17 + 8 + 5 + 3 + 6) << "every line of every page";
        ASSERT_EQ(chdir(gameDirectory().c_str()), 0);
    }
}

TEST(MenuLooks, ACutTextEndsInAnEllipsisAndTheDescriptionShowsItWhole) {
    const std::string text = settingsWithLongTexts();
    sim::World& w = gameStartedWith(text);
    std::string path = enterDeepGameFolder(text);
    sim::runFor(1500);
    ASSERT_TRUE(openMenuPage(w, "About"));
    ASSERT_TRUE(selectLine(w, "Settings file"));
    tapKey(w, keyDown);
    // The path's line keeps its end, the file's name, and loses its start.
    std::string shownPath = selectedLine(w);
    ASSERT_EQ(shownPath.rfind(ellipsis, 0), 0u) << shownPath;
    std::string kept = shownPath.substr(ellipsis.size());
    EXPECT_EQ(path.substr(path.size() - kept.size()), kept);
    EXPECT_EQ(shownDescription(w), path);

    // The first finding is cut on its line; the description gives it whole, its fix too.
    FirstFindings whole;
    ProfileSection section;
    checkSettings(text, &section, &whole, nullptr);
    ASSERT_GE(whole.count(), 1);
    std::string finding = "Line " + std::to_string(whole.line(0)) + ": " + whole.text(0);
    tapKeys(w, keyDown, 2);
    std::string line = selectedLine(w);
    ASSERT_GT(line.size(), ellipsis.size());
    EXPECT_EQ(line.substr(line.size() - ellipsis.size()), ellipsis) << line;
    EXPECT_EQ(finding.rfind(line.substr(0, line.size() - ellipsis.size()), 0), 0u) << line;
    std::string description = shownDescription(w);
    if (description.size() > ellipsis.size() && description.substr(description.size() - ellipsis.size()) == ellipsis)
        EXPECT_EQ(finding.rfind(description.substr(0, description.size() - ellipsis.size()), 0), 0u) << description;
    else
        EXPECT_EQ(description, finding);
    EXPECT_GT(description.size(), line.size()) << "more of the finding than its line holds";
    ASSERT_EQ(chdir(gameDirectory().c_str()), 0);
}

TEST(MenuLooks, ASettingsDescriptionIsItsLabelValueAndHint) {
    sim::World& w = gameStartedWith(settingsWithLongTexts());
    ASSERT_TRUE(openMenuPage(w, "What you keep"));
    ASSERT_TRUE(selectLine(w, "Weapons after a respawn"));
    EXPECT_EQ(valueOf(w, "Weapons after a respawn"), "all weapons only as a story character")
        << "a long value in full beside its label";
    EXPECT_EQ(shownDescription(w), "Weapons after a respawn: all weapons only as a story character. Which characters "
                                   "get every weapon back after a respawn");
}

TEST(MenuLooks, EachTextIsMeasuredOnceAndAnIdleMenuAsksNothing) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    w.logCalls = false;
    ASSERT_TRUE(openMenuPage(w, "Where you come back"));
    auto roundTrip = [&w] {
        for (int i = 0; i < 16; ++i) tapKey(w, keyDown);
        for (int i = 0; i < 16; ++i) tapKey(w, keyUp);
    };
    roundTrip();
    uint64_t measured = w.textWidthQueries;
    EXPECT_GT(measured, 0u);
    roundTrip();
    EXPECT_EQ(w.textWidthQueries, measured) << "every text of the page is known";
    uint64_t allocations = sim::soak::pluginAllocationCount();
    sim::runFor(500);
    EXPECT_EQ(w.textWidthQueries, measured);
    EXPECT_EQ(sim::soak::pluginAllocationCount(), allocations);
    // Another screen shape: the widths are fractions of its width, asked again.
    w.screen.aspectRatio = 21.0f / 9.0f;
    sim::runFor(100);
    EXPECT_GT(w.textWidthQueries, measured);
}

TEST(MenuLooks, ArrowsStandAroundTheValuesLeftAndRightChange) {
    sim::World& w = gameStartedWith(withPoints(2));
    ASSERT_TRUE(openMenuPage(w, "Where you come back"));
    EXPECT_TRUE(hasArrows(w, "Alternative respawn"));
    EXPECT_EQ(valueOf(w, "Alternative respawn"), "On") << "a switch stays a word";
    EXPECT_TRUE(hasArrows(w, "Point from the list"));
    ASSERT_TRUE(openMenuPage(w, "Custom points"));
    EXPECT_TRUE(hasArrows(w, "Show the points on the map"));
    EXPECT_FALSE(hasArrows(w, "Save the map's waypoint")) << "an action";
    EXPECT_FALSE(hasArrows(w, "Point 1")) << "a distance, read only";
    // Left on a line without arrows changes nothing.
    std::string before = settingsFileText();
    ASSERT_TRUE(selectLine(w, "Point 1"));
    tapKey(w, keyLeft);
    EXPECT_EQ(shownPage(w), "Custom points");
    EXPECT_EQ(settingsFileText(), before);
    tapKey(w, keyEnter);
    ASSERT_EQ(shownPage(w), "Custom point 1");
    EXPECT_FALSE(hasArrows(w, "Position"));
    ASSERT_TRUE(openMenuPage(w, "About"));
    EXPECT_TRUE(hasArrows(w, "Write Pelorin.log"));
    EXPECT_FALSE(hasArrows(w, "Version"));
    EXPECT_FALSE(hasArrows(w, "Settings check"));
}

TEST(MenuLooks, ThePositionCountsThePagesListAndMarksShowWhatIsHidden) {
    sim::World& w = gameStartedWith(withPoints(20));
    ASSERT_TRUE(openMenuPage(w, "Where you come back"));
    EXPECT_TRUE(shows(w, "1/17"));
    EXPECT_FALSE(shows(w, "\u25B2"));
    EXPECT_TRUE(shows(w, "\u25BC"));
    tapKeys(w, keyDown, 12);
    EXPECT_TRUE(shows(w, "13/17"));
    EXPECT_TRUE(shows(w, "\u25B2"));
    EXPECT_TRUE(shows(w, "\u25BC"));
    tapKeys(w, keyDown, 4);
    EXPECT_TRUE(shows(w, "17/17"));
    EXPECT_TRUE(shows(w, "\u25B2"));
    EXPECT_FALSE(shows(w, "\u25BC"));

    // The actions above the points are not counted.
    ASSERT_TRUE(openMenuPage(w, "Custom points"));
    EXPECT_TRUE(shows(w, "\u2013/20")) << "on an action";
    ASSERT_TRUE(selectLine(w, "Point 1"));
    EXPECT_TRUE(shows(w, "1/20"));
    ASSERT_TRUE(selectLine(w, "Point 20"));
    EXPECT_TRUE(shows(w, "20/20"));
    EXPECT_FALSE(shows(w, "\u25BC"));

    // A page that fits shows neither.
    ASSERT_TRUE(openMenuPage(w, "Timing"));
    EXPECT_FALSE(shows(w, "\u25B2"));
    EXPECT_FALSE(shows(w, "\u25BC"));
}

TEST(MenuLooks, TheSimulatedGameMeasuresTextByCharacterFontSizeAndScreen) {
    float word = sim::textWidth("Pelorin", 0, 0.5f, 16.0f / 9.0f);
    EXPECT_GT(word, 0.0f);
    EXPECT_FLOAT_EQ(sim::textWidth("PelorinPelorin", 0, 0.5f, 16.0f / 9.0f), 2 * word);
    EXPECT_FLOAT_EQ(sim::textWidth("Pelorin", 0, 1.0f, 16.0f / 9.0f), 2 * word);
    EXPECT_FLOAT_EQ(sim::textWidth("Pelorin", 0, 0.5f, 32.0f / 9.0f), word / 2);
    EXPECT_LT(sim::textWidth("Pelorin", 4, 0.5f, 16.0f / 9.0f), word) << "the condensed font";
    EXPECT_LT(sim::textWidth("iiii", 0, 0.5f, 1.0f), sim::textWidth("MMMM", 0, 0.5f, 1.0f));
    // A character of two bytes advances once.
    EXPECT_FLOAT_EQ(sim::textWidth("\u00e9\u00e9", 0, 0.5f, 1.0f), 2 * sim::textWidth("e", 0, 0.5f, 1.0f));
}

namespace {

// The instructional buttons movie the menu requested last, or nullptr.
const sim::ScaleformMovie* buttonsMovie(const sim::World& w) {
    const sim::ScaleformMovie* found = nullptr;
    for (const auto& entry : w.scaleformMovies)
        if (entry.second.name == "instructional_buttons") found = &entry.second;
    return found;
}

// The slots the movie shows now: those set since its last CLEAR_ALL, each as
// its parameters after the slot's number, joined by spaces.
std::vector<std::string> buttonSlots(const sim::ScaleformMovie& movie) {
    std::vector<std::string> slots;
    for (const sim::ScaleformCall& call : movie.calls) {
        if (call.method == "CLEAR_ALL") slots.clear();
        if (call.method != "SET_DATA_SLOT") continue;
        std::string slot;
        for (size_t i = 1; i < call.parameters.size(); ++i) slot += (i > 1 ? " " : "") + call.parameters[i];
        slots.push_back(slot);
    }
    return slots;
}

}  // namespace

TEST(MenuLooks, TheGamesButtonsShowTheControlsOfTheInputInUseWhileTheMenuIsOpen) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    pressMenuChord(w);
    const sim::ScaleformMovie* movie = buttonsMovie(w);
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->lastDrawnFrame, w.lastFrame.frame) << "drawn on every frame once loaded";
    EXPECT_EQ(buttonSlots(*movie),
              (std::vector<std::string>{"t_Backspace Back", "t_Right t_Left Change", "t_Down t_Up Choose"}));
    // On the list of pages, Enter opens; with the controller, its buttons.
    tapKey(w, keyBackspace);
    EXPECT_EQ(buttonSlots(*buttonsMovie(w)),
              (std::vector<std::string>{"t_Backspace Back", "t_Enter Select", "t_Down t_Up Choose"}));
    tapControl(w, padDown);
    EXPECT_EQ(buttonSlots(*buttonsMovie(w)),
              (std::vector<std::string>{"b_202 Back", "b_201 Select", "b_187 b_188 Choose"}));
    // A line both: the points on the map; a fact: neither.
    tapKeys(w, keyDown, 2);
    ASSERT_EQ(selectedLine(w), "Custom points");
    tapKey(w, keyEnter);
    ASSERT_TRUE(selectLine(w, "Show the points on the map"));
    EXPECT_EQ(buttonSlots(*buttonsMovie(w)), (std::vector<std::string>{"t_Backspace Back", "t_Enter Select",
                                                                        "t_Right t_Left Change", "t_Down t_Up Choose"}));
    tapKey(w, keyBackspace);
    ASSERT_TRUE(selectLine(w, "About"));
    tapKey(w, keyEnter);
    EXPECT_EQ(buttonSlots(*buttonsMovie(w)), (std::vector<std::string>{"t_Backspace Back", "t_Down t_Up Choose"}))
        << "Version: nothing to change or do";
    size_t calls = buttonsMovie(w)->calls.size();
    sim::runFor(500);
    EXPECT_EQ(buttonsMovie(w)->calls.size(), calls) << "set again only when they change";
    // Closed, the movie goes back to the game and is drawn no more.
    pressMenuChord(w);
    ASSERT_FALSE(isMenuOpen());
    EXPECT_TRUE(buttonsMovie(w)->released);
    uint64_t drawn = buttonsMovie(w)->drawnFrames;
    sim::runFor(500);
    EXPECT_EQ(buttonsMovie(w)->drawnFrames, drawn);
    // Opened again: a movie of its own.
    pressMenuChord(w);
    ASSERT_TRUE(isMenuOpen());
    EXPECT_FALSE(buttonsMovie(w)->released);
    int movies = 0;
    for (const auto& entry : w.scaleformMovies) movies += !entry.second.released;
    EXPECT_EQ(movies, 1) << "one movie in use at a time";
}

TEST(MenuLooks, TheMouseWheelMovesALineANotch) {
    sim::World& w = gameStartedWith(builtInSettingsText());
    ASSERT_TRUE(openMenuPage(w, "Where you come back"));
    auto notch = [&w](bool up) {
        sim::turnMouseWheel(w, up);
        sim::runFor(100);
    };
    for (int i = 0; i < 3; ++i) notch(false);
    EXPECT_TRUE(shows(w, "4/17"));
    notch(true);
    EXPECT_TRUE(shows(w, "3/17"));
    EXPECT_EQ(buttonSlots(*buttonsMovie(w)).front(), "t_Backspace Back") << "the keys' glyphs stay";
}
