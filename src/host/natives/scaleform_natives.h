#pragma once
// The game's scaleform movies (its own screens drawn by script): requested by
// name, called by method with the parameters pushed between begin and end,
// drawn over the whole screen for one frame, and given back.
#include <cstdint>

int32_t requestScaleformMovie(const char* name);           // 0x11FE353CF9733E6F REQUEST_SCALEFORM_MOVIE
bool hasScaleformMovieLoaded(int32_t movie);               // 0x85F01B8D5B90570E HAS_SCALEFORM_MOVIE_LOADED
bool beginScaleformMovieMethod(int32_t movie, const char* method);  // 0xF6E48914C7A8694E BEGIN_SCALEFORM_MOVIE_METHOD
void scaleformMovieMethodAddParamInt(int32_t value);       // 0xC3D0841A0CC546A6 SCALEFORM_MOVIE_METHOD_ADD_PARAM_INT
void scaleformMovieMethodAddParamPlayerNameString(const char* text);  // 0xE83A3E3557A56640 SCALEFORM_MOVIE_METHOD_ADD_PARAM_PLAYER_NAME_STRING
void endScaleformMovieMethod();                            // 0xC6796A8FFA375E53 END_SCALEFORM_MOVIE_METHOD
// In its own colours (white, opaque).
void drawScaleformMovieFullscreenWhite(int32_t movie);     // 0x0DF606929C105BE1 DRAW_SCALEFORM_MOVIE_FULLSCREEN (movie, 255, 255, 255, 255, 0)
// Sets the handle to 0.
void setScaleformMovieAsNoLongerNeeded(int32_t* movie);    // 0x1D132D614DD86811 SET_SCALEFORM_MOVIE_AS_NO_LONGER_NEEDED
