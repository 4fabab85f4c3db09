#include "menu/menu_buttons.h"

#include <cstdint>

#include "host/natives/control_natives.h"
#include "host/natives/scaleform_natives.h"

namespace {

// The game's front-end controls, as the menu reads them (menu_input.cpp).
constexpr int32_t downControl = 187, upControl = 188, leftControl = 189, rightControl = 190, acceptControl = 201,
                  cancelControl = 202;

int32_t movie = 0;  // 0: none requested
bool loaded = false;
// What the buttons show now; set is false until they are set.
bool set = false;
bool keyboardShown = false;
MenuButtons buttonsShown{false, false};

void call(const char* method) {
    beginScaleformMovieMethod(movie, method);
    endScaleformMovieMethod();
}

void callWithInts(const char* method, int32_t a, int32_t b = -1, int32_t c = -1, int32_t d = -1) {
    beginScaleformMovieMethod(movie, method);
    scaleformMovieMethodAddParamInt(a);
    if (b >= 0) scaleformMovieMethodAddParamInt(b);
    if (c >= 0) scaleformMovieMethodAddParamInt(c);
    if (d >= 0) scaleformMovieMethodAddParamInt(d);
    endScaleformMovieMethod();
}

// One slot: its controls' glyphs, then what they do. The first slot stands
// rightmost.
void slot(int32_t number, int32_t first, int32_t second, const char* text) {
    beginScaleformMovieMethod(movie, "SET_DATA_SLOT");
    scaleformMovieMethodAddParamInt(number);
    scaleformMovieMethodAddParamPlayerNameString(getControlInstructionalButtonsString(first));
    if (second >= 0) scaleformMovieMethodAddParamPlayerNameString(getControlInstructionalButtonsString(second));
    scaleformMovieMethodAddParamPlayerNameString(text);
    endScaleformMovieMethod();
}

void setButtons(MenuButtons buttons) {
    call("CLEAR_ALL");
    callWithInts("SET_CLEAR_SPACE", 200);
    int32_t next = 0;
    slot(next++, cancelControl, -1, "Back");
    if (buttons.select) slot(next++, acceptControl, -1, "Select");
    if (buttons.change) slot(next++, rightControl, leftControl, "Change");
    slot(next, downControl, upControl, "Choose");
    callWithInts("SET_BACKGROUND_COLOUR", 0, 0, 0, 80);
    callWithInts("DRAW_INSTRUCTIONAL_BUTTONS", 0);
}

}  // namespace

void showMenuButtons(MenuButtons buttons, bool keyboard) {
    if (movie == 0) movie = requestScaleformMovie("instructional_buttons");
    if (!loaded && !(loaded = hasScaleformMovieLoaded(movie))) return;
    if (!set || keyboard != keyboardShown || buttons.change != buttonsShown.change ||
        buttons.select != buttonsShown.select) {
        setButtons(buttons);
        set = true;
        keyboardShown = keyboard;
        buttonsShown = buttons;
    }
    drawScaleformMovieFullscreenWhite(movie);
}

void releaseMenuButtons() {
    if (movie != 0) setScaleformMovieAsNoLongerNeeded(&movie);
    movie = 0;
    loaded = set = false;
}
