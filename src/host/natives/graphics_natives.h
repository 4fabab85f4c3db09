#pragma once
// Screen effects and the screen text of one frame.
#include <cstdint>

bool isScreenEffectRunning(const char* effect);            // 0x36AD3E690DA5ACEB
void stopAllScreenEffects();                               // 0xB4EDDC19532BFB85

void setTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha);  // 0xBE6B23FFA53FB442
void setTextFont(int32_t font);                            // 0x66E0276CC5F6B9DA
void setTextScale(float scale, float size);                // 0x07C837F9A01C34C9
void setTextWrap(float left, float right);                 // 0x63145D9C883A1A70
void setTextCentre(bool centred);                          // 0xC02F4DBFB51D988B
void setTextOutline();                                     // 0x2513DFB0FB8400FE
void setTextDropShadow(int32_t distance, int32_t red, int32_t green, int32_t blue, int32_t alpha);  // 0x465C84BC39F1C351
void setTextEdge(int32_t edge, int32_t red, int32_t green, int32_t blue, int32_t alpha);  // 0x441603240D202FA6
void beginScreenText(const char* componentType);           // 0x25FBB336DF1804CB
void drawScreenText(float x, float y);                     // 0xCD015E5BB0D96A57 (x, y, 0)
