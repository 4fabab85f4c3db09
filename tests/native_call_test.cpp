// The native-call encoding as the host sees it, through the simulator's call log.
#include <gtest/gtest.h>

#include "host/native_call.h"
#include "host/natives/audio_natives.h"
#include "host/natives/camera_natives.h"
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "sim/native_table.h"
#include "tests/support/plugin_state.h"

namespace {

const sim::CallRecord& lastCall(const sim::World& w) { return w.calls.back(); }

}  // namespace

TEST(NativeCall, IntegersTravelInTheLowHalfWithMinusOneAsFourBytes) {
    sim::World& w = testing_support::loadPlugin();
    w.forcedInts = {7};
    EXPECT_EQ(randomInt(-1, 5), 7);
    ASSERT_EQ(lastCall(w).hash, 0xD53343AA4FB7DD28ull);
    ASSERT_EQ(lastCall(w).args.size(), 2u);
    EXPECT_EQ(lastCall(w).args[0], 0x00000000FFFFFFFFull);
    EXPECT_EQ(lastCall(w).args[1], 5u);
    EXPECT_EQ(isPlayerBeingArrested(3), false);
    EXPECT_EQ(lastCall(w).args[1], 1u) << "the arrest test passes 1 as its second argument";
}

TEST(NativeCall, FloatsTravelAsTheirBitPattern) {
    sim::World& w = testing_support::loadPlugin();
    setGameplayCameraRelativePitch(0.0f, 1065353216.0f);
    ASSERT_EQ(lastCall(w).args.size(), 2u);
    EXPECT_EQ(lastCall(w).args[0], 0u);
    EXPECT_EQ(lastCall(w).args[1], 0x4E7E0000ull);
    EXPECT_FLOAT_EQ(w.screen.relativePitchSecond, 1065353216.0f);
    w.forcedFloats = {-2.5f};
    EXPECT_FLOAT_EQ(randomFloat(1.0f, 11.0f), -2.5f);
    EXPECT_EQ(lastCall(w).args[0], 0x3F800000ull);
    EXPECT_EQ(lastCall(w).args[1], 0x41300000ull);
}

TEST(NativeCall, StringsTravelAsAddressesAndSoundIdIsMinusOne) {
    sim::World& w = testing_support::loadPlugin();
    playFrontendSound("Zoom_In", "DLC_HEIST_PLANNING_BOARD_SOUNDS", true);
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
    Vector3 position = entityCoords(localPlayerPed());
    EXPECT_FLOAT_EQ(position.x, 12.5f);
    EXPECT_FLOAT_EQ(position.y, -3.25f);
    EXPECT_FLOAT_EQ(position.z, 40.0f);
    EXPECT_EQ(lastCall(w).args[1], 1u);
    EXPECT_EQ(nameHash("player_zero"), 0x0D7114C9u);
    EXPECT_EQ(nameHash("PLAYER_ZERO"), 0x0D7114C9u) << "the name hash ignores letter case";
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
