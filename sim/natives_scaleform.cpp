// Scaleform movies (the game's own screens a script draws, such as the
// instructional buttons) and the glyphs of controls for them.
#include <string>

#include "sim/native_table.h"

namespace sim {
namespace {

// Assumption: a movie loads three frames after its request, and each request
// gets a handle of its own.
constexpr uint64_t movieLoadFrames = 3;

ScaleformMovie* movieOf(World& w, int32_t handle) {
    auto found = w.scaleformMovies.find(handle);
    return found == w.scaleformMovies.end() || found->second.released ? nullptr : &found->second;
}

void requestMovie(const NativeCall& c) {
    World& w = c.world;
    int32_t handle = w.nextScaleformHandle++;
    ScaleformMovie& movie = w.scaleformMovies[handle];
    movie.name = c.text(0);
    movie.loadedAtFrame = w.frameCount + movieLoadFrames;
    c.returnU32(static_cast<uint32_t>(handle));
}

bool loaded(World& w, int32_t handle) {
    ScaleformMovie* movie = movieOf(w, handle);
    return movie != nullptr && w.frameCount >= movie->loadedAtFrame;
}

void hasMovieLoaded(const NativeCall& c) { c.returnBool(loaded(c.world, c.i32(0))); }

// Assumption: a method can be begun only on a loaded movie; its parameters
// are kept as text.
void beginMethod(const NativeCall& c) {
    World& w = c.world;
    bool ok = loaded(w, c.i32(0));
    w.methodMovie = ok ? c.i32(0) : 0;
    w.pendingMethod = ScaleformCall{c.text(1), {}};
    c.returnBool(ok);
}
void addIntParameter(const NativeCall& c) { c.world.pendingMethod.parameters.push_back(std::to_string(c.i32(0))); }
void addTextParameter(const NativeCall& c) { c.world.pendingMethod.parameters.push_back(c.text(0)); }
void endMethod(const NativeCall& c) {
    World& w = c.world;
    if (ScaleformMovie* movie = movieOf(w, w.methodMovie)) movie->calls.push_back(w.pendingMethod);
    w.methodMovie = 0;
}

void drawFullscreen(const NativeCall& c) {
    World& w = c.world;
    if (!loaded(w, c.i32(0))) return;
    ScaleformMovie& movie = w.scaleformMovies[c.i32(0)];
    ++movie.drawnFrames;
    movie.lastDrawnFrame = w.frameCount;
}

void noLongerNeeded(const NativeCall& c) {
    int32_t* handle = c.pointer<int32_t>(0);
    if (ScaleformMovie* movie = movieOf(c.world, *handle)) movie->released = true;
    *handle = 0;
}

// Assumption: a key's glyph is "t_" and the key's name, a controller's "b_"
// and the control's number (the game's own texts name its button icons).
void buttonString(const NativeCall& c) {
    static std::string text;
    const char* key = "";
    switch (c.i32(1)) {
        case 187: key = "Down"; break;
        case 188: key = "Up"; break;
        case 189: key = "Left"; break;
        case 190: key = "Right"; break;
        case 201: key = "Enter"; break;
        case 202: key = "Backspace"; break;
        default: key = "?"; break;
    }
    text = c.world.keyboardInUse ? std::string("t_") + key : "b_" + std::to_string(c.i32(1));
    c.result[0] = reinterpret_cast<uintptr_t>(text.c_str());
}

}  // namespace

void registerScaleformNatives(NativeTable& t) {
    t[0x11FE353CF9733E6Full] = {"REQUEST_SCALEFORM_MOVIE", requestMovie};
    t[0x85F01B8D5B90570Eull] = {"HAS_SCALEFORM_MOVIE_LOADED", hasMovieLoaded};
    t[0xF6E48914C7A8694Eull] = {"BEGIN_SCALEFORM_MOVIE_METHOD", beginMethod};
    t[0xC3D0841A0CC546A6ull] = {"SCALEFORM_MOVIE_METHOD_ADD_PARAM_INT", addIntParameter};
    t[0xE83A3E3557A56640ull] = {"SCALEFORM_MOVIE_METHOD_ADD_PARAM_PLAYER_NAME_STRING", addTextParameter};
    t[0xC6796A8FFA375E53ull] = {"END_SCALEFORM_MOVIE_METHOD", endMethod};
    t[0x0DF606929C105BE1ull] = {"DRAW_SCALEFORM_MOVIE_FULLSCREEN", drawFullscreen};
    t[0x1D132D614DD86811ull] = {"SET_SCALEFORM_MOVIE_AS_NO_LONGER_NEEDED", noLongerNeeded};
    t[0x0499D7B09FC9B407ull] = {"GET_CONTROL_INSTRUCTIONAL_BUTTONS_STRING", buttonString};
}

}  // namespace sim
