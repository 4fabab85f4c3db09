#pragma once
// Screen effects, the screen's shape, and what is drawn on one frame: text and
// rectangles, in coordinates that run from 0 to 1 across and down the screen.
#include <cstdint>

bool animpostfxIsRunning(const char* effect);              // 0x36AD3E690DA5ACEB ANIMPOSTFX_IS_RUNNING
void animpostfxStopAll();                                  // 0xB4EDDC19532BFB85 ANIMPOSTFX_STOP_ALL

// Width over height of the screen the game draws (physical: false).
float getAspectRatio();                                    // 0xF1307EF624A80D87 GET_ASPECT_RATIO (0)
// A filled rectangle centred on (x, y).
void drawRect(float x, float y, float width, float height, int32_t red, int32_t green, int32_t blue, int32_t alpha);  // 0x3A618A217E5154F0 DRAW_RECT (.., 0)

void setTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha);  // 0xBE6B23FFA53FB442 SET_TEXT_COLOUR
void setTextFont(int32_t font);                            // 0x66E0276CC5F6B9DA SET_TEXT_FONT
void setTextScale(float scale, float size);                // 0x07C837F9A01C34C9 SET_TEXT_SCALE
void setTextWrap(float left, float right);                 // 0x63145D9C883A1A70 SET_TEXT_WRAP
void setTextCentre(bool centred);                          // 0xC02F4DBFB51D988B SET_TEXT_CENTRE
// 0 centre, 1 left, 2 right: right-justified text ends at the wrap's right edge.
void setTextJustification(int32_t justification);          // 0x4E096588B13FFECA SET_TEXT_JUSTIFICATION
void setTextOutline();                                     // 0x2513DFB0FB8400FE SET_TEXT_OUTLINE
void setTextDropshadow(int32_t distance, int32_t red, int32_t green, int32_t blue, int32_t alpha);  // 0x465C84BC39F1C351 SET_TEXT_DROPSHADOW
void setTextEdge(int32_t edge, int32_t red, int32_t green, int32_t blue, int32_t alpha);  // 0x441603240D202FA6 SET_TEXT_EDGE
void beginTextCommandDisplayText(const char* componentType);  // 0x25FBB336DF1804CB BEGIN_TEXT_COMMAND_DISPLAY_TEXT
void endTextCommandDisplayText(float x, float y);          // 0xCD015E5BB0D96A57 END_TEXT_COMMAND_DISPLAY_TEXT (x, y, 0)
// The width of the text added between the two, in the font and scale set
// before, as a fraction of the screen's width (includePadding: with the
// font's space around the text, as it is drawn).
void beginTextCommandGetScreenWidthOfDisplayText(const char* componentType);  // 0x54CE8AC98E120CAB BEGIN_TEXT_COMMAND_GET_SCREEN_WIDTH_OF_DISPLAY_TEXT
float endTextCommandGetScreenWidthOfDisplayText(bool includePadding);  // 0x85F061DA64ED2F67 END_TEXT_COMMAND_GET_SCREEN_WIDTH_OF_DISPLAY_TEXT
