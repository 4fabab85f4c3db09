#pragma once
// Game-wide natives: name hashes, the host's random numbers, time scale,
// mission flag, loading screens, cutscenes, the frame count and the ground
// height query.
#include <cstdint>

#include "host/game_types.h"

game::Hash getHashKey(const char* name);                   // 0xD24D37CC275948CC GET_HASH_KEY
int32_t getRandomIntInRange(int32_t start, int32_t end);   // 0xD53343AA4FB7DD28 GET_RANDOM_INT_IN_RANGE, [start, end)
float getRandomFloatInRange(float low, float high);        // 0x313CE5879CEB6FCD GET_RANDOM_FLOAT_IN_RANGE
void setTimeScale(float scale);                            // 0x1D408577D440E81E SET_TIME_SCALE
bool getMissionFlag();                                     // 0xA33CDCCDA663159E GET_MISSION_FLAG
bool getIsLoadingScreenActive();                           // 0x10D0A8F259E93EC9 GET_IS_LOADING_SCREEN_ACTIVE
bool isCutsceneActive();                                   // 0x991251AFC3981F84 IS_CUTSCENE_ACTIVE
// The game's frame number: it moves on once per frame.
int32_t getFrameCount();                                   // 0xFC8202EFC642E6F2 GET_FRAME_COUNT
// True when ground was found; height receives the ground height below z. What
// the game reports over water is not relied on (see water_natives.h).
bool getGroundZFor3dCoord(float x, float y, float z, float* height);  // 0xC906A7DAB05C8D2B GET_GROUND_Z_FOR_3D_COORD (.., 0, false)
void loadScene(float x, float y, float z);                 // 0x4448EB75B4904BDB LOAD_SCENE
void statSetIntZero(game::Hash statHash);                  // 0xB3271D7AB655B441 STAT_SET_INT
