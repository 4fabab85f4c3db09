#include "tests/support/menu_driver.h"

#include "menu/menu.h"
#include "sim/game_events.h"
#include "sim/script_host.h"
#include "tests/support/plugin_state.h"

namespace testing_support {
namespace {

bool isSelectedText(const sim::TextDraw& t) { return t.red < 50 && t.green < 50 && t.blue < 50; }

constexpr float lineHeightPerSize = 0.065f;  // as the simulated game draws text
float middleOf(const sim::TextDraw& t) { return t.y + t.size * lineHeightPerSize / 2; }

// The label's text of the last frame, and the value drawn on its line (null
// when there is none).
const sim::TextDraw* labelText(const sim::World& w, const std::string& label, const sim::TextDraw** value) {
    const std::vector<sim::ScreenItem>& items = w.lastFrame.items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].isText || items[i].text.text != label) continue;
        bool sameLine = i + 1 < items.size() && items[i + 1].isText && items[i + 1].text.y == items[i].text.y &&
                        items[i + 1].text.justification == 2;
        *value = sameLine ? &items[i + 1].text : nullptr;
        return &items[i].text;
    }
    return nullptr;
}

}  // namespace

void clickAt(sim::World& w, float x, float y) {
    sim::mouseClickAt(w, w.tick() + 10, x, y);
    sim::runFor(150);
    playUntilOurWriteEnds();
}

bool clickOnLine(sim::World& w, const std::string& label) {
    const sim::TextDraw* value = nullptr;
    const sim::TextDraw* text = labelText(w, label, &value);
    if (text == nullptr) return false;
    clickAt(w, text->x + 0.002f, middleOf(*text));
    return true;
}

bool clickOnValue(sim::World& w, const std::string& label, ValuePart part) {
    const sim::TextDraw* value = nullptr;
    if (labelText(w, label, &value) == nullptr || value == nullptr) return false;
    // The value's text ends at its wrap's right edge: "◄ 20 % ►".
    float x = part == ValuePart::RightArrow ? value->wrapRight - 0.002f
              : part == ValuePart::Middle   ? value->wrapRight - value->width / 2
                                            : value->wrapRight - value->width + 0.002f;
    clickAt(w, x, middleOf(*value));
    return true;
}

std::vector<std::string> shownLines(const sim::World& w) {
    // A line's label starts at the left of the page's title, below it.
    std::vector<std::string> labels;
    const sim::TextDraw* title = nullptr;
    int texts = 0;
    for (const sim::ScreenItem& item : w.lastFrame.items) {
        if (!item.isText || ++texts < 2) continue;
        const sim::TextDraw& t = item.text;
        if (title == nullptr) {
            title = &t;
        } else if (t.x == title->x && t.justification == 1 && t.font == title->font && t.size == title->size) {
            labels.push_back(t.text);
        }
    }
    return labels;
}

void pressMenuChord(sim::World& w) {
    uint32_t now = w.tick();
    w.keyMessageAt(now + 20, keyCtrl, false);
    w.keyMessageAt(now + 60, keyF7, false);
    w.keyMessageAt(now + 100, keyF7, true);
    w.keyMessageAt(now + 160, keyCtrl, true);
    sim::runFor(300);
}

void tapKey(sim::World& w, uint32_t key) {
    uint32_t now = w.tick();
    w.keyMessageAt(now + 10, key, false);
    w.keyMessageAt(now + 60, key, true);
    sim::runFor(150);
    // A write the key began ends over frames whose number the machine's speed decides.
    playUntilOurWriteEnds();
}

void tapKeys(sim::World& w, uint32_t key, int times) {
    for (int i = 0; i < times; ++i) tapKey(w, key);
}

void tapControl(sim::World& w, int32_t control) {
    sim::pressControl(w, control);
    sim::runFor(50);
    sim::releaseControl(w, control);
    sim::runFor(100);
}

std::vector<std::string> shownTexts(const sim::World& w) {
    std::vector<std::string> texts;
    for (const sim::ScreenItem& item : w.lastFrame.items)
        if (item.isText) texts.push_back(item.text.text);
    return texts;
}

bool shows(const sim::World& w, const std::string& text) {
    const std::vector<sim::ScreenItem>& items = w.lastFrame.items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].isText) continue;
        if (items[i].text.text == text) return true;
        // A text wrapped in two lines: the next text starts below it at the same place.
        const sim::TextDraw& first = items[i].text;
        if (i + 1 < items.size() && items[i + 1].isText && items[i + 1].text.x == first.x &&
            items[i + 1].text.y > first.y && first.text + " " + items[i + 1].text.text == text)
            return true;
    }
    return false;
}

std::string shownPage(const sim::World& w) {
    std::vector<std::string> texts = shownTexts(w);
    return texts.size() > 1 && texts[0] == "Pelorin" ? texts[1] : "";
}

std::string selectedLine(const sim::World& w) {
    for (const sim::ScreenItem& item : w.lastFrame.items)
        if (item.isText && isSelectedText(item.text)) return item.text.text;
    return "";
}

std::string valueOf(const sim::World& w, const std::string& label) {
    const std::vector<sim::ScreenItem>& items = w.lastFrame.items;
    for (size_t i = 0; i + 1 < items.size(); ++i) {
        if (!items[i].isText || items[i].text.text != label) continue;
        const sim::ScreenItem& next = items[i + 1];
        bool sameLine = next.isText && next.text.y == items[i].text.y && next.text.justification == 2;
        if (!sameLine) return "";
        // A value left and right change stands between ◄ and ►.
        const std::string& value = next.text.text;
        const std::string left = "\u25C4 ", right = " \u25BA";
        bool arrows = value.size() >= left.size() + right.size() && value.compare(0, left.size(), left) == 0 &&
                      value.compare(value.size() - right.size(), right.size(), right) == 0;
        return arrows ? value.substr(left.size(), value.size() - left.size() - right.size()) : value;
    }
    return "";
}

bool selectLine(sim::World& w, const std::string& label) {
    for (int i = 0; i < 40; ++i) {
        if (selectedLine(w) == label) return true;
        tapKey(w, keyDown);
    }
    return false;
}

bool openMenuPage(sim::World& w, const std::string& title) {
    if (!isMenuOpen()) pressMenuChord(w);
    for (int back = 0; back < 3 && shownPage(w) != "Pages"; ++back) tapKey(w, keyBackspace);
    if (shownPage(w) != "Pages" || !selectLine(w, title)) return false;
    tapKey(w, keyEnter);
    return shownPage(w) == title;
}

}  // namespace testing_support
