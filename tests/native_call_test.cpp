// The native-call encoding as the host sees it, through the simulator's call log.
#include <gtest/gtest.h>

#include "host/native_call.h"
#include "host/natives/audio_natives.h"
#include "host/natives/camera_natives.h"
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "host/natives/vehicle_natives.h"
#include "host/natives/weapon_natives.h"
#include "sim/native_table.h"
#include "tests/support/plugin_state.h"

namespace {

const sim::CallRecord& lastCall(const sim::World& w) { return w.calls.back(); }

}  // namespace

TEST(NativeCall, IntegersTravelInTheLowHalfWithMinusOneAsFourBytes) {
    sim::World& w = testing_support::loadPlugin();
    w.forcedInts = {7};
    EXPECT_EQ(getRandomIntInRange(-1, 5), 7);
    ASSERT_EQ(lastCall(w).hash, 0xD53343AA4FB7DD28ull);
    ASSERT_EQ(lastCall(w).args.size(), 2u);
    EXPECT_EQ(lastCall(w).args[0], 0x00000000FFFFFFFFull);
    EXPECT_EQ(lastCall(w).args[1], 5u);
    EXPECT_EQ(isPlayerBeingArrested(3), false);
    EXPECT_EQ(lastCall(w).args[1], 1u) << "the arrest test passes 1 as its second argument";
}

TEST(NativeCall, FloatsTravelAsTheirBitPattern) {
    sim::World& w = testing_support::loadPlugin();
    setGameplayCamRelativePitch(0.0f, 1065353216.0f);
    ASSERT_EQ(lastCall(w).args.size(), 2u);
    EXPECT_EQ(lastCall(w).args[0], 0u);
    EXPECT_EQ(lastCall(w).args[1], 0x4E7E0000ull);
    EXPECT_FLOAT_EQ(w.screen.relativePitchSecond, 1065353216.0f);
    w.forcedFloats = {-2.5f};
    EXPECT_FLOAT_EQ(getRandomFloatInRange(1.0f, 11.0f), -2.5f);
    EXPECT_EQ(lastCall(w).args[0], 0x3F800000ull);
    EXPECT_EQ(lastCall(w).args[1], 0x41300000ull);
}

TEST(NativeCall, StringsTravelAsAddressesAndSoundIdIsMinusOne) {
    sim::World& w = testing_support::loadPlugin();
    playSoundFrontend("Zoom_In", "DLC_HEIST_PLANNING_BOARD_SOUNDS", true);
    const sim::CallRecord& call = lastCall(w);
    ASSERT_EQ(call.args.size(), 4u);
    EXPECT_EQ(call.args[0], 0x00000000FFFFFFFFull);
    EXPECT_STREQ(reinterpret_cast<const char*>(static_cast<uintptr_t>(call.args[1])), "Zoom_In");
    EXPECT_EQ(call.args[3], 1u);
    ASSERT_EQ(w.sounds.size(), 1u);
    EXPECT_EQ(w.sounds[0].soundSet, "DLC_HEIST_PLANNING_BOARD_SOUNDS");
}

TEST(NativeCall, VectorResultsAreThreeFloatsInEightByteSlots) {
    sim::World& w = testing_support::loadPlugin();
    sim::Entity* ped = w.player();
    ped->position = sim::Vec3{12.5f, -3.25f, 40.0f};
    Vector3 position = getEntityCoords(playerPedId());
    EXPECT_FLOAT_EQ(position.x, 12.5f);
    EXPECT_FLOAT_EQ(position.y, -3.25f);
    EXPECT_FLOAT_EQ(position.z, 40.0f);
    EXPECT_EQ(lastCall(w).args[1], 1u);
    EXPECT_EQ(getHashKey("player_zero"), 0x0D7114C9u);
    EXPECT_EQ(getHashKey("PLAYER_ZERO"), 0x0D7114C9u) << "the name hash ignores letter case";
}

TEST(NativeCallDeathTest, AHashTheGameDoesNotModelFailsLoudly) {
    testing_support::loadPlugin();
    EXPECT_DEATH(native::invoke(0x0123456789ABCDEFull, 1), "not modelled");
}

TEST(NativeCallDeathTest, ACallOfAnotherArgumentCountThanTheGameReadsFailsLoudly) {
    testing_support::loadPlugin();
    // IS_ENTITY_DEAD reads the entity and a flag.
    EXPECT_DEATH(native::invoke(0x5F9532F3B5CC2551ull, 0x100u), "IS_ENTITY_DEAD reads 2 arguments; the call pushed 1");
    EXPECT_DEATH(native::invoke(0x5F9532F3B5CC2551ull, 0x100u, false, false), "the call pushed 3");
    EXPECT_DEATH(native::invoke(0xD80958FC74E988A6ull, 1), "PLAYER_PED_ID reads 0 arguments; the call pushed 1");
    EXPECT_FALSE(native::resultBool(native::invoke(0x5F9532F3B5CC2551ull, 0x100u, false)));
}

TEST(NativeCallDeathTest, ARuleThatReadsAnArgumentAsAnotherKindFailsLoudly) {
    sim::World& w = testing_support::loadPlugin();
    const sim::NativeDeclaration* groundHeight = sim::findNativeDeclaration(0xC906A7DAB05C8D2Bull);
    ASSERT_NE(groundHeight, nullptr);
    const std::vector<uint64_t> args = {0, 0, 0, 0, 0, 0};
    uint64_t result[4];
    sim::NativeCall call{w, *groundHeight, args, result};
    EXPECT_EQ(call.f32(2), 0.0f);
    EXPECT_EQ(call.u32(5), 0u);
    EXPECT_DEATH(call.u32(0), "reads argument 0 as integer, but the game declares x float");
    EXPECT_DEATH(call.f32(3), "argument 3 as float, but the game declares groundZ address");
    EXPECT_DEATH(call.u32(6), "reads argument 6 as integer");
}

TEST(NativeCallDeathTest, AHandleOfAnotherKindInATypedSlotFailsLoudly) {
    sim::World& w = testing_support::loadPlugin();
    uint32_t ped = w.playerPed;
    uint32_t vehicle = w.spawnVehicle(0x3D8FA25Cu, sim::Vec3{}).handle;
    // GET_PLAYER_WANTED_LEVEL reads a Player: the player's ped is none.
    EXPECT_DEATH(native::invoke(0xE28E54788CE8F12Dull, ped),
                 "GET_PLAYER_WANTED_LEVEL reads argument 0 \\(player\\) as Player; the call passed a ped's handle");
    // A vehicle for a Ped, a ped for a Vehicle, the player's index for an Entity or a Hash.
    EXPECT_DEATH(native::invoke(0xCEA04D83135264CCull, vehicle, 100), "as Ped; the call passed a vehicle's handle");
    EXPECT_DEATH(native::invoke(0xAB54A438726D25D5ull, ped, 10.0f), "as Vehicle; the call passed a ped's handle");
    EXPECT_DEATH(native::invoke(0x7239B21A38F536BAull, w.playerId), "as Entity; the call passed the player's index");
    EXPECT_DEATH(native::invoke(0x963D27A58DF860ACull, ped), "REQUEST_MODEL reads argument 0 \\(model\\) as Hash");
    // The right kinds, and values that name nothing (0, a vanished handle), pass.
    EXPECT_EQ(native::resultI32(native::invoke(0xE28E54788CE8F12Dull, w.playerId)), 0);
    EXPECT_TRUE(native::resultBool(native::invoke(0x7239B21A38F536BAull, vehicle)));
    EXPECT_TRUE(native::resultBool(native::invoke(0x7239B21A38F536BAull, ped)));
    EXPECT_FALSE(native::resultBool(native::invoke(0x7239B21A38F536BAull, 0u)));
    w.removeEntity(vehicle);
    native::invoke(0xAB54A438726D25D5ull, vehicle, 10.0f);
}

TEST(NativeCall, APlayerSlotGivenAPedsHandleAnswersAsTheGameDoesNothing) {
    sim::World& w = testing_support::loadPlugin();
    w.wantedLevel = 2;
    w.refuseHandlesOfWrongKind = false;
    EXPECT_EQ(getPlayerWantedLevel(playerPedId()), 0);
    clearPlayerWantedLevel(playerPedId());
    EXPECT_EQ(w.wantedLevel, 2);
    EXPECT_EQ(getPlayerWantedLevel(playerId()), 2);
    clearPlayerWantedLevel(playerId());
    EXPECT_EQ(w.wantedLevel, 0);
}

TEST(NativeCallDeathTest, ARuleReadsATypedSlotOnlyAsTheGameTypesIt) {
    sim::World& w = testing_support::loadPlugin();
    const sim::NativeDeclaration* giveWeapon = sim::findNativeDeclaration(0xB282DC6EBD803C75ull);
    ASSERT_NE(giveWeapon, nullptr);
    const std::vector<uint64_t> args = {0x100, 0x1B06D571, 10, 0};
    uint64_t result[4];
    sim::NativeCall call{w, *giveWeapon, args, result};
    EXPECT_EQ(call.ped(0), 0x100u);
    EXPECT_EQ(call.hash(1), 0x1B06D571u);
    EXPECT_EQ(call.i32(2), 10);
    EXPECT_DEATH(call.u32(0), "reads argument 0 as integer, but the game declares ped Ped");
    EXPECT_DEATH(call.entity(0), "reads argument 0 as Entity, but the game declares ped Ped");
    EXPECT_DEATH(call.u32(1), "but the game declares weaponHash Hash");
    EXPECT_DEATH(call.player(2), "reads argument 2 as Player, but the game declares ammoCount integer");
}

TEST(NativeCall, TheSimulatedGameAnswersEachNativeAsTheGameNamesIt) {
    sim::World& w = testing_support::loadPlugin();
    // GET_VEHICLE_COLOURS gives the primary and secondary colours, GET_VEHICLE_EXTRA_COLOURS
    // the pearlescent and wheel ones.
    sim::Entity& car = w.spawnVehicle(0x3D8FA25Cu, sim::Vec3{});
    uint32_t vehicle = car.handle;
    sim::VehicleState& state = car.vehicleState;
    state.primaryColour = 1, state.secondaryColour = 2, state.pearlescentColour = 3, state.wheelColour = 4;
    int32_t first = 0, second = 0;
    native::invoke(0xA19435F193E081ACull, vehicle, &first, &second);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    getVehicleExtraColours(vehicle, &first, &second);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 4);
    // The game's data holds these weapons; a name it does not hold is no weapon.
    for (const char* weapon : {"WEAPON_COMBATPDW", "WEAPON_MINISMG", "WEAPON_MOLOTOV", "WEAPON_PISTOL"})
        EXPECT_TRUE(isWeaponValid(getHashKey(weapon))) << weapon;
    EXPECT_FALSE(isWeaponValid(getHashKey("WEAPON_NO_SUCH_GUN")));
    EXPECT_FALSE(isWeaponValid(0));
    // Components fit as the game's data lists them.
    EXPECT_TRUE(doesWeaponTakeWeaponComponent(getHashKey("WEAPON_MINISMG"), getHashKey("COMPONENT_MINISMG_CLIP_02")));
    EXPECT_FALSE(doesWeaponTakeWeaponComponent(getHashKey("WEAPON_MINISMG"), getHashKey("COMPONENT_AT_SCOPE_SMALL")));
}
