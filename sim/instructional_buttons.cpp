#include "sim/instructional_buttons.h"

#include <cstdlib>

namespace sim {
namespace {

int32_t number(const std::vector<std::string>& parameters, size_t i) {
    return i < parameters.size() ? static_cast<int32_t>(std::strtol(parameters[i].c_str(), nullptr, 10)) : 0;
}

// Assumption: the movie keeps the slots set since its last CLEAR_ALL, a slot
// set again replacing the old, and shows them once DRAW_INSTRUCTIONAL_BUTTONS
// is called; SET_DATA_SLOT takes the slot, the glyphs and then the label.
InstructionalButtons replay(const std::vector<ScaleformCall>& calls) {
    InstructionalButtons buttons;
    std::vector<ButtonHint> slots;
    bool drawn = false;
    for (const ScaleformCall& call : calls) {
        const std::vector<std::string>& p = call.parameters;
        if (call.method == "CLEAR_ALL") {
            slots.clear();
            drawn = false;
        } else if (call.method == "SET_DATA_SLOT" && p.size() >= 2) {
            size_t slot = static_cast<size_t>(number(p, 0));
            if (slot >= 32) continue;  // no movie shows as many
            if (slots.size() <= slot) slots.resize(slot + 1);
            slots[slot].glyphs.assign(p.begin() + 1, p.end() - 1);
            slots[slot].label = p.back();
        } else if (call.method == "SET_BACKGROUND_COLOUR" && p.size() == 4) {
            buttons.red = number(p, 0);
            buttons.green = number(p, 1);
            buttons.blue = number(p, 2);
            buttons.alpha = number(p, 3);
        } else if (call.method == "DRAW_INSTRUCTIONAL_BUTTONS") {
            drawn = true;
        }
    }
    if (drawn) buttons.slots = slots;
    return buttons;
}

}  // namespace

InstructionalButtons instructionalButtonsShown(const World& world) {
    for (const auto& entry : world.scaleformMovies) {
        const ScaleformMovie& movie = entry.second;
        if (movie.name == "instructional_buttons" && !movie.released && movie.drawnFrames > 0 &&
            movie.lastDrawnFrame == world.lastFrame.frame)
            return replay(movie.calls);
    }
    return InstructionalButtons{};
}

}  // namespace sim
