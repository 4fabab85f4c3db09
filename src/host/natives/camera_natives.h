#pragma once
// Cameras and screen fades.
#include <cstdint>

int32_t getFollowPedCamViewMode();                         // 0x8D4D46230B2C353A GET_FOLLOW_PED_CAM_VIEW_MODE
void setFollowPedCamViewMode(int32_t mode);                // 0x5A4F9EDF1673F704 SET_FOLLOW_PED_CAM_VIEW_MODE
float getGameplayCamFov();                                 // 0x65019750A0324133 GET_GAMEPLAY_CAM_FOV
uint32_t getRenderingCam();                                // 0x5234F9F10919EABA GET_RENDERING_CAM
void setCamFov(uint32_t camera, float fieldOfView);        // 0xB13C14F66A00D047 SET_CAM_FOV
void setCamActiveOff(uint32_t camera);                     // 0x026FB97D0A425F84 SET_CAM_ACTIVE (camera, 0)
void destroyCam(uint32_t camera);                          // 0x865908C81A2C22E9 DESTROY_CAM (camera, 1)
void setGameplayCamRelativeHeading(float heading);         // 0xB4EC2312F4E5B1F1 SET_GAMEPLAY_CAM_RELATIVE_HEADING
void setGameplayCamRelativePitch(float pitch, float second);  // 0x6D0858B8EDFD2B7D SET_GAMEPLAY_CAM_RELATIVE_PITCH

bool isScreenFadedOut();                                   // 0xB16FCE9DDC7BA182 IS_SCREEN_FADED_OUT
bool isScreenFadedIn();                                    // 0x5A859503B0C08678 IS_SCREEN_FADED_IN
bool isScreenFadingOut();                                  // 0x797AC7CB535BA28F IS_SCREEN_FADING_OUT
bool isScreenFadingIn();                                   // 0x5C544BC6C57AC575 IS_SCREEN_FADING_IN
void doScreenFadeOut(int32_t milliseconds);                // 0x891B5B39AC6302AF DO_SCREEN_FADE_OUT
void doScreenFadeIn(int32_t milliseconds);                 // 0xD4E8E24955024033 DO_SCREEN_FADE_IN
