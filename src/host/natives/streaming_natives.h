#pragma once
// Models: what the game's data holds, what kind of model it is, and loading.
#include <cstdint>

void requestModel(uint32_t model);                         // 0x963D27A58DF860AC
bool hasModelLoaded(uint32_t model);                       // 0x98A4EB5D89A0C952
void releaseModel(uint32_t model);                         // 0xE532F5D78798DAAB
bool isModelInGameData(uint32_t model);                    // 0x35B9E0803292B641
bool isVehicleModel(uint32_t model);                       // 0x19AAC8F07BFEC53E
bool isPlaneModel(uint32_t model);                         // 0xA0948AB42D7BA0DE
bool isHelicopterModel(uint32_t model);                    // 0xDCE4334788AF94EA
