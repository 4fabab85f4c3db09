// The notification feed, screen text, front-end sounds, controls and the
// mouse cursor.
#include <utility>

#include "sim/native_table.h"
#include "sim/text_width.h"

namespace sim {
namespace {

std::string takeComponents(World& w) {
    std::string text;
    for (const std::string& part : w.pendingComponents) text += part;
    w.pendingComponents.clear();
    return text;
}

void beginNotification(const NativeCall& c) {
    c.world.pendingComponentType = c.text(0);
    c.world.pendingComponents.clear();
}

// As the game does: a component shows its first 99 characters only.
void addTextComponent(const NativeCall& c) {
    c.world.pendingComponents.emplace_back(std::string(c.text(0)).substr(0, 99));
}

void postNotification(const NativeCall& c) {
    c.world.notifications.push_back(takeComponents(c.world));
    c.world.notificationTicks.push_back(c.world.tick());
    c.returnU32(static_cast<uint32_t>(c.world.notifications.size()));
}

void beginScreenText(const NativeCall& c) {
    c.world.pendingComponentType = c.text(0);
    c.world.pendingComponents.clear();
}

// Assumption: as in the game, a draw uses the style set since the last draw,
// which then returns to the defaults.
void drawScreenText(const NativeCall& c) {
    World& w = c.world;
    const TextStyle& s = w.textStyle;
    TextDraw drawn{w.tick(), takeComponents(w), c.f32(0), c.f32(1), s.red, s.green, s.blue, s.alpha,
                   s.font, s.scale, s.size, s.wrapLeft, s.wrapRight, s.centred, s.outline,
                   s.shadowDistance, s.edge, s.edgeAlpha, s.justification, 0.0f};
    drawn.width = textWidth(drawn.text, drawn.font, drawn.size, w.screen.aspectRatio);
    w.drawing.items.push_back(ScreenItem{true, RectDraw{}, drawn});
    if (w.recordTextDraws) w.textDraws.push_back(std::move(drawn));
    ++w.textDrawCount;
    w.textStyle = TextStyle{};
}

void beginTextWidth(const NativeCall& c) {
    c.world.pendingComponentType = c.text(0);
    c.world.pendingComponents.clear();
}

// Assumption: the width is that of the text as it would be drawn now (the
// padding flag makes no difference here), and the question, like a draw,
// returns the style to the defaults.
void endTextWidth(const NativeCall& c) {
    World& w = c.world;
    ++w.textWidthQueries;
    c.returnFloat(textWidth(takeComponents(w), w.textStyle.font, w.textStyle.size, w.screen.aspectRatio));
    w.textStyle = TextStyle{};
}

void textColour(const NativeCall& c) {
    TextStyle& s = c.world.textStyle;
    s.red = c.i32(0);
    s.green = c.i32(1);
    s.blue = c.i32(2);
    s.alpha = c.i32(3);
}
void textFont(const NativeCall& c) { c.world.textStyle.font = c.i32(0); }
void textScale(const NativeCall& c) {
    c.world.textStyle.scale = c.f32(0);
    c.world.textStyle.size = c.f32(1);
}
void textWrap(const NativeCall& c) {
    c.world.textStyle.wrapLeft = c.f32(0);
    c.world.textStyle.wrapRight = c.f32(1);
}
void textCentre(const NativeCall& c) { c.world.textStyle.centred = c.flag(0); }
void textJustification(const NativeCall& c) { c.world.textStyle.justification = c.i32(0); }
void textOutline(const NativeCall& c) { c.world.textStyle.outline = true; }
void textDropShadow(const NativeCall& c) { c.world.textStyle.shadowDistance = c.i32(0); }
void textEdge(const NativeCall& c) {
    c.world.textStyle.edge = c.i32(0);
    c.world.textStyle.edgeAlpha = c.i32(4);
}

void playFrontendSound(const NativeCall& c) {
    c.world.sounds.push_back(SoundRecord{c.world.tick(), c.text(1), c.text(2), c.flag(3)});
}

// Assumption: a control disabled in any group reads as not pressed in every
// group until the frame ends; the "disabled" questions read it as it is.
bool enabled(const NativeCall& c) { return !c.world.controlsDisabled.count(c.i32(1)); }
bool held(const NativeCall& c) { return c.i32(0) == 2 && c.world.controlsHeld.count(c.i32(1)); }
bool justPressed(const NativeCall& c) { return c.i32(0) == 2 && c.world.controlsJustPressed.count(c.i32(1)); }

void isControlPressed(const NativeCall& c) { c.returnBool(enabled(c) && held(c)); }
void isControlJustPressed(const NativeCall& c) { c.returnBool(enabled(c) && justPressed(c)); }
void isDisabledControlPressed(const NativeCall& c) { c.returnBool(held(c)); }
void isDisabledControlJustPressed(const NativeCall& c) { c.returnBool(justPressed(c)); }
void disableControlAction(const NativeCall& c) { c.world.controlsDisabled.insert(c.i32(1)); }
// Assumption: the cursor's controls (239 across, 240 down) read its position
// from 0 to 1 over the screen; any other control 1 while held and 0 else.
void getDisabledControlNormal(const NativeCall& c) {
    const World& w = c.world;
    if (c.i32(0) == 2 && c.i32(1) == 239) return c.returnFloat(w.cursorX);
    if (c.i32(0) == 2 && c.i32(1) == 240) return c.returnFloat(w.cursorY);
    c.returnFloat(held(c) ? 1.0f : 0.0f);
}
// Assumption: the cursor shows on the frames a script asks for it, and the
// game draws it over everything (the screen record leaves it out).
void setMouseCursorThisFrame(const NativeCall& c) { c.world.cursorShownFrame = c.world.frameCount; }
// Assumption: the game's keys also work its front-end controls; the simulated
// game leaves that out and tells keyboard from controller by the last input.
void isUsingKeyboardAndMouse(const NativeCall& c) { c.returnBool(c.world.keyboardInUse); }

}  // namespace

void registerHudNatives(NativeTable& t) {
    t[0x202709F4C58A0424ull] = {"BEGIN_TEXT_COMMAND_THEFEED_POST", beginNotification};
    t[0x6C188BE134E074AAull] = {"ADD_TEXT_COMPONENT_SUBSTRING_PLAYER_NAME", addTextComponent};
    t[0x2ED7843F8F801023ull] = {"END_TEXT_COMMAND_THEFEED_POST_TICKER", postNotification};
    t[0x25FBB336DF1804CBull] = {"BEGIN_TEXT_COMMAND_DISPLAY_TEXT", beginScreenText};
    t[0xCD015E5BB0D96A57ull] = {"END_TEXT_COMMAND_DISPLAY_TEXT", drawScreenText};
    t[0x54CE8AC98E120CABull] = {"BEGIN_TEXT_COMMAND_GET_SCREEN_WIDTH_OF_DISPLAY_TEXT", beginTextWidth};
    t[0x85F061DA64ED2F67ull] = {"END_TEXT_COMMAND_GET_SCREEN_WIDTH_OF_DISPLAY_TEXT", endTextWidth};
    t[0xBE6B23FFA53FB442ull] = {"SET_TEXT_COLOUR", textColour};
    t[0x66E0276CC5F6B9DAull] = {"SET_TEXT_FONT", textFont};
    t[0x07C837F9A01C34C9ull] = {"SET_TEXT_SCALE", textScale};
    t[0x63145D9C883A1A70ull] = {"SET_TEXT_WRAP", textWrap};
    t[0xC02F4DBFB51D988Bull] = {"SET_TEXT_CENTRE", textCentre};
    t[0x2513DFB0FB8400FEull] = {"SET_TEXT_OUTLINE", textOutline};
    t[0x465C84BC39F1C351ull] = {"SET_TEXT_DROPSHADOW", textDropShadow};
    t[0x441603240D202FA6ull] = {"SET_TEXT_EDGE", textEdge};
    t[0x67C540AA08E4A6F5ull] = {"PLAY_SOUND_FRONTEND", playFrontendSound};
    t[0xF3A21BCD95725A4Aull] = {"IS_CONTROL_PRESSED", isControlPressed};
    t[0x580417101DDB492Full] = {"IS_CONTROL_JUST_PRESSED", isControlJustPressed};
    t[0xE2587F8CBBD87B1Dull] = {"IS_DISABLED_CONTROL_PRESSED", isDisabledControlPressed};
    t[0x91AEF906BCA88877ull] = {"IS_DISABLED_CONTROL_JUST_PRESSED", isDisabledControlJustPressed};
    t[0xFE99B66D079CF6BCull] = {"DISABLE_CONTROL_ACTION", disableControlAction};
    t[0xA571D46727E2B718ull] = {"IS_USING_KEYBOARD_AND_MOUSE", isUsingKeyboardAndMouse};
    t[0x11E65974A982637Cull] = {"GET_DISABLED_CONTROL_NORMAL", getDisabledControlNormal};
    t[0xAAE7CE1D63167423ull] = {"SET_MOUSE_CURSOR_THIS_FRAME", setMouseCursorThisFrame};
    t[0x4E096588B13FFECAull] = {"SET_TEXT_JUSTIFICATION", textJustification};
}

}  // namespace sim
