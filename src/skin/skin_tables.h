#pragma once
// The random skin table and the animals that are never restored after a death.
#include <cstdint>

constexpr int randomSkinModelCount = 701;
extern const uint32_t randomSkinModels[randomSkinModelCount];
constexpr int skinExceptionModelCount = 12;
extern const char* const skinExceptionModels[skinExceptionModelCount];
