#pragma once
// Models: what the game's data holds, what kind of model it is, and loading.
#include <cstdint>

#include "host/game_types.h"

void requestModel(game::Hash model);                       // 0x963D27A58DF860AC REQUEST_MODEL
bool hasModelLoaded(game::Hash model);                     // 0x98A4EB5D89A0C952 HAS_MODEL_LOADED
void setModelAsNoLongerNeeded(game::Hash model);           // 0xE532F5D78798DAAB SET_MODEL_AS_NO_LONGER_NEEDED
bool isModelInCdimage(game::Hash model);                   // 0x35B9E0803292B641 IS_MODEL_IN_CDIMAGE
bool isModelAVehicle(game::Hash model);                    // 0x19AAC8F07BFEC53E IS_MODEL_A_VEHICLE
bool isThisModelAPlane(game::Hash model);                  // 0xA0948AB42D7BA0DE IS_THIS_MODEL_A_PLANE
bool isThisModelAHeli(game::Hash model);                   // 0xDCE4334788AF94EA IS_THIS_MODEL_A_HELI
