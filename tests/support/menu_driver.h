#pragma once
// Driving the in-game menu of the simulated game with keys, controls and the
// mouse, and reading what it drew on the last frame.
#include <string>
#include <vector>

#include "sim/world.h"

namespace testing_support {

// Virtual-key codes of the menu's keys.
constexpr uint32_t keyCtrl = 17, keyF7 = 118, keyUp = 38, keyDown = 40, keyLeft = 37, keyRight = 39,
                   keyEnter = 13, keyBackspace = 8;
// The game's front-end controls: d-pad down and up, accept, cancel.
constexpr int32_t padDown = 187, padUp = 188, padRight = 190, padAccept = 201, padCancel = 202;

// Hold Ctrl, press and release F7; then a few frames.
void pressMenuChord(sim::World& w);
// A key pressed and released; then a few frames for the menu to act, and
// more while a write of ours it began runs.
void tapKey(sim::World& w, uint32_t key);
void tapKeys(sim::World& w, uint32_t key, int times);
// A front-end control pressed on the next frame.
void tapControl(sim::World& w, int32_t control);

// A left click of the mouse at (x, y), in fractions of the screen's width and
// height, on the next frame; then a few frames, and more while a write of
// ours it began runs.
void clickAt(sim::World& w, float x, float y);
// A click on the line with this label, just inside its label's start; on the
// ◄, the middle or the ► of its value. False when the last frame drew no such
// line (or value).
bool clickOnLine(sim::World& w, const std::string& label);
enum class ValuePart { LeftArrow, Middle, RightArrow };
bool clickOnValue(sim::World& w, const std::string& label, ValuePart part);
// The labels of the lines of the page as the last frame drew them, top down.
std::vector<std::string> shownLines(const sim::World& w);

// What the last frame showed: every text in draw order.
std::vector<std::string> shownTexts(const sim::World& w);
// A text drawn whole, or wrapped in two lines.
bool shows(const sim::World& w, const std::string& text);
// The page title (the first text under the menu's title).
std::string shownPage(const sim::World& w);
// The label of the selected line (drawn dark on the light bar).
std::string selectedLine(const sim::World& w);
// The value shown on the line with this label, without the ◄ ► around it;
// "" when there is none.
std::string valueOf(const sim::World& w, const std::string& label);
// Moves the cursor down to the line with this label (at most 40 lines).
bool selectLine(sim::World& w, const std::string& label);
// Opens the page from the list of pages, opening the menu first if need be;
// true when it is shown.
bool openMenuPage(sim::World& w, const std::string& title);

}  // namespace testing_support
