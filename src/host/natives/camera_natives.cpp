#include "host/natives/camera_natives.h"

#include "host/native_call.h"

int32_t getFollowPedCamViewMode() { return native::resultI32(native::invoke(0x8D4D46230B2C353Aull)); }

void setFollowPedCamViewMode(int32_t mode) { native::invoke(0x5A4F9EDF1673F704ull, mode); }

float getGameplayCamFov() { return native::resultFloat(native::invoke(0x65019750A0324133ull)); }

uint32_t getRenderingCam() { return native::resultU32(native::invoke(0x5234F9F10919EABAull)); }

void setCamFov(uint32_t camera, float fieldOfView) {
    native::invoke(0xB13C14F66A00D047ull, camera, fieldOfView);
}

void setCamActiveOff(uint32_t camera) { native::invoke(0x026FB97D0A425F84ull, camera, 0); }

void destroyCam(uint32_t camera) { native::invoke(0x865908C81A2C22E9ull, camera, 1); }

void setGameplayCamRelativeHeading(float heading) { native::invoke(0xB4EC2312F4E5B1F1ull, heading); }

void setGameplayCamRelativePitch(float pitch, float second) {
    native::invoke(0x6D0858B8EDFD2B7Dull, pitch, second);
}

bool isScreenFadedOut() { return native::resultBool(native::invoke(0xB16FCE9DDC7BA182ull)); }

bool isScreenFadedIn() { return native::resultBool(native::invoke(0x5A859503B0C08678ull)); }

bool isScreenFadingOut() { return native::resultBool(native::invoke(0x797AC7CB535BA28Full)); }

bool isScreenFadingIn() { return native::resultBool(native::invoke(0x5C544BC6C57AC575ull)); }

void doScreenFadeOut(int32_t milliseconds) { native::invoke(0x891B5B39AC6302AFull, milliseconds); }

void doScreenFadeIn(int32_t milliseconds) { native::invoke(0xD4E8E24955024033ull, milliseconds); }
