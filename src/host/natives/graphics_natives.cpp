#include "host/natives/graphics_natives.h"

#include "host/native_call.h"

bool animpostfxIsRunning(const char* effect) {
    return native::resultBool(native::invoke(0x36AD3E690DA5ACEBull, effect));
}

void animpostfxStopAll() { native::invoke(0xB4EDDC19532BFB85ull); }

float getAspectRatio() { return native::resultFloat(native::invoke(0xF1307EF624A80D87ull, false)); }

void drawRect(float x, float y, float width, float height, int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    native::invoke(0x3A618A217E5154F0ull, x, y, width, height, red, green, blue, alpha, false);
}

void setTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    native::invoke(0xBE6B23FFA53FB442ull, red, green, blue, alpha);
}

void setTextFont(int32_t font) { native::invoke(0x66E0276CC5F6B9DAull, font); }

void setTextScale(float scale, float size) { native::invoke(0x07C837F9A01C34C9ull, scale, size); }

void setTextWrap(float left, float right) { native::invoke(0x63145D9C883A1A70ull, left, right); }

void setTextCentre(bool centred) { native::invoke(0xC02F4DBFB51D988Bull, centred); }

void setTextJustification(int32_t justification) { native::invoke(0x4E096588B13FFECAull, justification); }

void setTextOutline() { native::invoke(0x2513DFB0FB8400FEull); }

void setTextDropshadow(int32_t distance, int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    native::invoke(0x465C84BC39F1C351ull, distance, red, green, blue, alpha);
}

void setTextEdge(int32_t edge, int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    native::invoke(0x441603240D202FA6ull, edge, red, green, blue, alpha);
}

void beginTextCommandDisplayText(const char* componentType) { native::invoke(0x25FBB336DF1804CBull, componentType); }

void endTextCommandDisplayText(float x, float y) { native::invoke(0xCD015E5BB0D96A57ull, x, y, 0); }

void beginTextCommandGetScreenWidthOfDisplayText(const char* componentType) {
    native::invoke(0x54CE8AC98E120CABull, componentType);
}

float endTextCommandGetScreenWidthOfDisplayText(bool includePadding) {
    return native::resultFloat(native::invoke(0x85F061DA64ED2F67ull, includePadding));
}
