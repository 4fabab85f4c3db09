#pragma once
// The natives that tests look for in the simulated game's call log.
#include <cstdint>

constexpr uint64_t clearWantedLevelNative = 0xB302540597885499ull;
constexpr uint64_t closestRoadNodeNative = 0xFF071FB798B803B0ull;
constexpr uint64_t collisionNative = 0x1A9205C1B9EE827Full;
constexpr uint64_t controlJustPressedNative = 0x580417101DDB492Full;
constexpr uint64_t controlPressedNative = 0xF3A21BCD95725A4Aull;
constexpr uint64_t destroyCameraNative = 0x865908C81A2C22E9ull;
constexpr uint64_t fadeInNative = 0xD4E8E24955024033ull;
constexpr uint64_t fadeOutNative = 0x891B5B39AC6302AFull;
constexpr uint64_t forwardSpeedNative = 0xAB54A438726D25D5ull;
constexpr uint64_t giveComponentNative = 0xD966D51AA5B28BB9ull;
constexpr uint64_t giveWeaponNative = 0xB282DC6EBD803C75ull;
constexpr uint64_t groundHeightNative = 0xC906A7DAB05C8D2Bull;
constexpr uint64_t hasComponentNative = 0xC593212475FAE340ull;
constexpr uint64_t landingGearNative = 0xCFC8BE9A5E1FE575ull;
constexpr uint64_t placeEntityNative = 0x239A3351AC1DA385ull;
constexpr uint64_t plateTextNative = 0x95A88F0B409CDA47ull;
constexpr uint64_t playSoundNative = 0x67C540AA08E4A6F5ull;
constexpr uint64_t randomFloatNative = 0x313CE5879CEB6FCDull;
constexpr uint64_t randomIntNative = 0xD53343AA4FB7DD28ull;
constexpr uint64_t relativeHeadingNative = 0xB4EC2312F4E5B1F1ull;
constexpr uint64_t relativePitchNative = 0x6D0858B8EDFD2B7Dull;
constexpr uint64_t removeAllWeaponsNative = 0xF25DF915FA38C5F3ull;
constexpr uint64_t requestModelNative = 0x963D27A58DF860ACull;
constexpr uint64_t setArmourNative = 0xCEA04D83135264CCull;
constexpr uint64_t setPedIntoVehicleNative = 0xF75B0D629E1C063Dull;
constexpr uint64_t setPlayerModelNative = 0x00A1CADD00108836ull;
constexpr uint64_t setTimeScaleNative = 0x1D408577D440E81Eull;
constexpr uint64_t setViewModeNative = 0x5A4F9EDF1673F704ull;
constexpr uint64_t switchCameraOffNative = 0x026FB97D0A425F84ull;
constexpr uint64_t wantedLevelNative = 0xE28E54788CE8F12Dull;
constexpr uint64_t frameCountNative = 0xFC8202EFC642E6F2ull;
constexpr uint64_t drawRectNative = 0x3A618A217E5154F0ull;
