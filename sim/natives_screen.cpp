// Fades, cameras, screen effects, time scale, loading screens, cutscenes, the
// screen's shape and the rectangles drawn on it.
#include "sim/native_table.h"
#include "sim/world_rules.h"

namespace sim {
namespace {

void startFade(World& w, FadeState running, FadeState done, int32_t milliseconds) {
    w.screen.fadeStart = w.tick();
    w.screen.fadeDuration = milliseconds > 0 ? static_cast<uint32_t>(milliseconds) : 0;
    w.screen.fade = w.screen.fadeDuration == 0 ? done : running;
}

void isScreenFadedOut(const NativeCall& c) {
    Screen& s = c.world.screen;
    if (!s.forcedFadedOutAnswers.empty()) {
        c.returnBool(s.forcedFadedOutAnswers.front());
        s.forcedFadedOutAnswers.erase(s.forcedFadedOutAnswers.begin());
        return;
    }
    c.returnBool(s.fade == FadeState::FadedOut);
}
void isScreenFadedIn(const NativeCall& c) { c.returnBool(c.world.screen.fade == FadeState::FadedIn); }
void isScreenFadingOut(const NativeCall& c) { c.returnBool(c.world.screen.fade == FadeState::FadingOut); }
void isScreenFadingIn(const NativeCall& c) { c.returnBool(c.world.screen.fade == FadeState::FadingIn); }
// The plug-in is the only script that calls these natives.
void fadeOut(const NativeCall& c) {
    startFade(c.world, FadeState::FadingOut, FadeState::FadedOut, c.i32(0));
    c.world.screen.fadeSource = FadeSource::Plugin;
}
void fadeIn(const NativeCall& c) {
    startFade(c.world, FadeState::FadingIn, FadeState::FadedIn, c.i32(0));
    c.world.screen.fadeSource = FadeSource::Plugin;
}

void setTimeScale(const NativeCall& c) { c.world.screen.timeScale = c.f32(0); }
void viewMode(const NativeCall& c) { c.returnU32(static_cast<uint32_t>(c.world.screen.viewMode)); }
void setViewMode(const NativeCall& c) { c.world.screen.viewMode = c.i32(0); }
void gameplayFieldOfView(const NativeCall& c) { c.returnFloat(c.world.screen.gameplayFieldOfView); }
void renderingCamera(const NativeCall& c) { c.returnU32(c.world.screen.renderingCamera); }

// Assumption: the gameplay camera answers to the handle the game reports for
// it (0xFFFFFFFF); setting its field of view changes the gameplay view.
void setCameraFieldOfView(const NativeCall& c) {
    Screen& s = c.world.screen;
    if (c.u32(0) == 0xFFFFFFFFu)
        s.gameplayFieldOfView = c.f32(1);
    else
        s.cameraFieldOfView[c.u32(0)] = c.f32(1);
}

void switchCameraOff(const NativeCall& c) {
    Screen& s = c.world.screen;
    s.camerasSwitchedOff.insert(c.u32(0));
    if (s.renderingCamera == c.u32(0)) s.renderingCamera = 0xFFFFFFFFu;
}

void destroyCamera(const NativeCall& c) {
    Screen& s = c.world.screen;
    s.camerasDestroyed.insert(c.u32(0));
    if (s.renderingCamera == c.u32(0)) s.renderingCamera = 0xFFFFFFFFu;
}

void relativeHeading(const NativeCall& c) { c.world.screen.relativeHeading = c.f32(0); }

void relativePitch(const NativeCall& c) {
    c.world.screen.relativePitch = c.f32(0);
    c.world.screen.relativePitchSecond = c.f32(1);
}

void isScreenEffectRunning(const NativeCall& c) { c.returnBool(c.world.screen.effects.count(c.text(0)) > 0); }
void stopAllScreenEffects(const NativeCall& c) { c.world.screen.effects.clear(); }
void isLoadingScreenActive(const NativeCall& c) { c.returnBool(c.world.screen.loadingScreen); }
void isCutsceneActive(const NativeCall& c) { c.returnBool(c.world.screen.cutscene); }
void aspectRatio(const NativeCall& c) { c.returnFloat(c.world.screen.aspectRatio); }
void frameCount(const NativeCall& c) { c.returnU32(static_cast<uint32_t>(c.world.frameCount)); }

void drawRect(const NativeCall& c) {
    RectDraw rect{c.f32(0), c.f32(1), c.f32(2), c.f32(3), c.i32(4), c.i32(5), c.i32(6), c.i32(7)};
    c.world.drawing.items.push_back(ScreenItem{false, rect, TextDraw{}});
}

}  // namespace

void ruleScreenFades(World& w) {
    Screen& s = w.screen;
    bool running = s.fade == FadeState::FadingOut || s.fade == FadeState::FadingIn;
    if (running && static_cast<int32_t>(w.tick() - s.fadeStart) >= static_cast<int32_t>(s.fadeDuration))
        s.fade = s.fade == FadeState::FadingOut ? FadeState::FadedOut : FadeState::FadedIn;
}

void registerScreenNatives(NativeTable& t) {
    t[0xB16FCE9DDC7BA182ull] = {"IS_SCREEN_FADED_OUT", isScreenFadedOut};
    t[0x5A859503B0C08678ull] = {"IS_SCREEN_FADED_IN", isScreenFadedIn};
    t[0x797AC7CB535BA28Full] = {"IS_SCREEN_FADING_OUT", isScreenFadingOut};
    t[0x5C544BC6C57AC575ull] = {"IS_SCREEN_FADING_IN", isScreenFadingIn};
    t[0x891B5B39AC6302AFull] = {"DO_SCREEN_FADE_OUT", fadeOut};
    t[0xD4E8E24955024033ull] = {"DO_SCREEN_FADE_IN", fadeIn};
    t[0x1D408577D440E81Eull] = {"SET_TIME_SCALE", setTimeScale};
    t[0x8D4D46230B2C353Aull] = {"GET_FOLLOW_PED_CAM_VIEW_MODE", viewMode};
    t[0x5A4F9EDF1673F704ull] = {"SET_FOLLOW_PED_CAM_VIEW_MODE", setViewMode};
    t[0x65019750A0324133ull] = {"GET_GAMEPLAY_CAM_FOV", gameplayFieldOfView};
    t[0x5234F9F10919EABAull] = {"GET_RENDERING_CAM", renderingCamera};
    t[0xB13C14F66A00D047ull] = {"SET_CAM_FOV", setCameraFieldOfView};
    t[0x026FB97D0A425F84ull] = {"SET_CAM_ACTIVE", switchCameraOff};
    t[0x865908C81A2C22E9ull] = {"DESTROY_CAM", destroyCamera};
    t[0xB4EC2312F4E5B1F1ull] = {"SET_GAMEPLAY_CAM_RELATIVE_HEADING", relativeHeading};
    t[0x6D0858B8EDFD2B7Dull] = {"SET_GAMEPLAY_CAM_RELATIVE_PITCH", relativePitch};
    t[0x36AD3E690DA5ACEBull] = {"ANIMPOSTFX_IS_RUNNING", isScreenEffectRunning};
    t[0xB4EDDC19532BFB85ull] = {"ANIMPOSTFX_STOP_ALL", stopAllScreenEffects};
    t[0x10D0A8F259E93EC9ull] = {"GET_IS_LOADING_SCREEN_ACTIVE", isLoadingScreenActive};
    t[0x991251AFC3981F84ull] = {"IS_CUTSCENE_ACTIVE", isCutsceneActive};
    t[0xF1307EF624A80D87ull] = {"GET_ASPECT_RATIO", aspectRatio};
    t[0xFC8202EFC642E6F2ull] = {"GET_FRAME_COUNT", frameCount};
    t[0x3A618A217E5154F0ull] = {"DRAW_RECT", drawRect};
}

}  // namespace sim
