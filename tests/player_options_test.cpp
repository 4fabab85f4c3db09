// The weapons, armour and money options, and the weapon tables they use.
#include <gtest/gtest.h>

#include <set>

#include "plugin/frame_loop.h"
#include "plugin/settings_reread.h"
#include "plugin/startup.h"
#include "shared/player_state.h"
#include "respawn/player_options.h"
#include "respawn/weapon_tables.h"
#include "settings/settings_record.h"
#include "sim/joaat.h"
#include "sim/weapon_rules.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"

namespace {

constexpr uint32_t pistol = 0x1B06D571;  // a table weapon the simulated game knows

sim::Entity& player(sim::World& w) { return *w.player(); }

// FNV-1a over the little-endian bytes of each value, in order.
uint32_t fnv1a(uint32_t hash, const uint32_t* values, int count) {
    for (int i = 0; i < count; ++i)
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (values[i] >> shift) & 0xFFu;
            hash *= 0x01000193u;
        }
    return hash;
}

// A player who carries only a pistol, for telling "nothing" from "remove all".
void armWithPistol(sim::World& w) {
    player(w).weapons.clear();
    player(w).weapons[pistol].ammunition = 12;
}

bool ownsEveryKnownWeapon(sim::World& w) {
    for (uint32_t weapon : weaponHashes)
        if (sim::isKnownWeapon(weapon) && !player(w).weapons.count(weapon)) return false;
    return true;
}

}  // namespace

TEST(WeaponTables, MatchTheGameIdentifiersInOrder) {
    // Digest of the 88 weapon hashes followed by the 75 component hashes, as
    // computed from the published lists when the tables were written.
    uint32_t digest = fnv1a(0x811C9DC5u, weaponHashes, weaponHashCount);
    digest = fnv1a(digest, weaponComponentHashes, weaponComponentHashCount);
    EXPECT_EQ(digest, 0x4A510740u);
    EXPECT_EQ(weaponHashes[44], restrictedComponentWeapon);
    EXPECT_EQ(weaponComponentHashes[18], restrictedWeaponComponents[0]);
    EXPECT_EQ(weaponComponentHashes[19], restrictedWeaponComponents[1]);
}

TEST(PlayerOptions, WeaponsOptionFollowsValueAndSkinCase) {
    struct Case {
        int32_t value;
        bool wearsOtherSkin;
        int32_t persists;
        bool gives;
    };
    const Case cases[] = {
        {1, false, 1, true},  {1, true, 1, true},   {2, false, 1, false}, {2, true, 1, true},
        {3, false, 1, true},  {3, true, 1, false},  {0, true, 1, false},  {5, false, 1, false},
        {5, true, 1, false},  {-1, true, 1, false},
        // Without skin persistence another skin counts as a story character.
        {2, true, 0, false},  {3, true, 0, true},
    };
    for (const Case& c : cases) {
        sim::World& w = testing_support::loadPlugin();
        settings.get_all_weapons_upon_respawn = c.value;
        settings.player_skin_persists_death = c.persists;
        armWithPistol(w);
        applyWeaponsOption(c.wearsOtherSkin);
        SCOPED_TRACE(testing::Message() << "value " << c.value << " other skin " << c.wearsOtherSkin << " persists "
                                        << c.persists);
        EXPECT_EQ(ownsEveryKnownWeapon(w), c.gives);
        EXPECT_EQ(w.countCalls(giveWeaponNative), c.gives ? weaponHashCount : 0);
        EXPECT_EQ(w.countCalls(removeAllWeaponsNative), 0);
        EXPECT_TRUE(player(w).weapons.count(pistol));
    }
}

TEST(PlayerOptions, WeaponsValueFourRemovesAllWhateverTheSkin) {
    for (bool wearsOtherSkin : {false, true})
        for (int32_t persists : {0, 1}) {
            sim::World& w = testing_support::loadPlugin();
            settings.get_all_weapons_upon_respawn = 4;
            settings.player_skin_persists_death = persists;
            armWithPistol(w);
            applyWeaponsOption(wearsOtherSkin);
            EXPECT_TRUE(player(w).weapons.empty());
            EXPECT_EQ(w.countCalls(giveWeaponNative), 0);
        }
}

TEST(PlayerOptions, ArmourOptionFollowsValueAndSkinCase) {
    struct Case {
        int32_t value;
        bool wearsOtherSkin;
        int32_t persists;
        int32_t armour;
    };
    const Case cases[] = {
        {1, false, 1, 100}, {1, true, 1, 100}, {2, false, 1, 7},  {2, true, 1, 100}, {3, false, 1, 100},
        {3, true, 1, 7},    {4, false, 1, 7},  {4, true, 1, 7},   {0, true, 1, 7},   {2, true, 0, 7},
        {3, true, 0, 100},
    };
    for (const Case& c : cases) {
        sim::World& w = testing_support::loadPlugin();
        settings.get_full_armor_upon_respawn = c.value;
        settings.player_skin_persists_death = c.persists;
        player(w).armour = 7;
        applyArmourOption(c.wearsOtherSkin);
        SCOPED_TRACE(testing::Message() << "value " << c.value << " other skin " << c.wearsOtherSkin << " persists "
                                        << c.persists);
        EXPECT_EQ(player(w).armour, c.armour);
    }
}

TEST(PlayerOptions, OptionsLeaveADeadPlayerAlone) {
    sim::World& w = testing_support::loadPlugin();
    settings.get_all_weapons_upon_respawn = 4;
    settings.get_full_armor_upon_respawn = 1;
    armWithPistol(w);
    player(w).dead = true;
    applyWeaponsOption(false);
    applyArmourOption(false);
    EXPECT_TRUE(player(w).weapons.count(pistol));
    EXPECT_EQ(player(w).armour, 0);

    settings.get_all_weapons_upon_respawn = 1;
    applyWeaponsOption(false);
    EXPECT_EQ(w.countCalls(giveWeaponNative), 0);
}

TEST(PlayerOptions, GiveAllWeaponsFitsEveryTakenComponent) {
    sim::World& w = testing_support::loadPlugin();
    giveAllWeapons(w.playerPed);

    EXPECT_EQ(w.countCalls(giveWeaponNative), weaponHashCount);
    for (uint32_t weapon : weaponHashes) {
        SCOPED_TRACE(testing::Message() << std::hex << weapon);
        if (!sim::isKnownWeapon(weapon)) {
            EXPECT_FALSE(player(w).weapons.count(weapon));
            continue;
        }
        ASSERT_TRUE(player(w).weapons.count(weapon));
        const sim::WeaponState& state = player(w).weapons.at(weapon);
        EXPECT_EQ(state.ammunition, 1000);
        std::set<uint32_t> taken;
        for (uint32_t component : weaponComponentHashes)
            if (sim::weaponTakesComponent(weapon, component)) taken.insert(component);
        if (weapon == restrictedComponentWeapon) {
            // It would take more; only the two allowed ones are fitted.
            EXPECT_GT(taken.size(), 2u);
            EXPECT_EQ(state.components,
                      (std::set<uint32_t>{restrictedWeaponComponents[0], restrictedWeaponComponents[1]}));
        } else {
            EXPECT_EQ(state.components, taken);
        }
    }
}

TEST(PlayerOptions, GivingAgainAddsAmmunitionButNoComponentTwice) {
    sim::World& w = testing_support::loadPlugin();
    giveAllWeapons(w.playerPed);
    int32_t firstComponentGives = w.countCalls(giveComponentNative);
    EXPECT_GT(firstComponentGives, 0);
    w.calls.clear();

    giveAllWeapons(w.playerPed);
    EXPECT_EQ(w.countCalls(giveWeaponNative), weaponHashCount);
    // The fitted components are not given again, and the restricted weapon's
    // extra ones are still held back.
    EXPECT_EQ(w.countCalls(giveComponentNative), 0);
    EXPECT_EQ(player(w).weapons.at(pistol).ammunition, 2000);
}

TEST(PlayerOptions, ComponentQuestionsOnlyForTakenComponentsOfValidWeapons) {
    sim::World& w = testing_support::loadPlugin();
    giveAllWeapons(w.playerPed);
    int32_t taken = 0;
    for (uint32_t weapon : weaponHashes)
        for (uint32_t component : weaponComponentHashes)
            if (sim::isKnownWeapon(weapon) && sim::weaponTakesComponent(weapon, component)) ++taken;
    EXPECT_EQ(w.countCalls(hasComponentNative), taken);
    for (const sim::CallRecord& call : w.calls) {
        if (call.hash == hasComponentNative) {
            EXPECT_TRUE(sim::isKnownWeapon(static_cast<uint32_t>(call.args.at(1))));
        }
    }
}

TEST(PlayerOptions, GiveAllWeaponsIgnoresAMissingPed) {
    sim::World& w = testing_support::loadPlugin();
    giveAllWeapons(0);
    giveAllWeapons(0xDEAD);
    EXPECT_EQ(w.countCalls(giveWeaponNative), 0);

    // A dead ped still gets the weapons, but no components.
    player(w).dead = true;
    giveAllWeapons(w.playerPed);
    EXPECT_EQ(w.countCalls(giveWeaponNative), weaponHashCount);
    EXPECT_EQ(w.countCalls(giveComponentNative), 0);
    EXPECT_TRUE(player(w).weapons.at(pistol).components.empty());
}

TEST(PlayerOptions, MoneyOfTheRightCharacterIsCleared) {
    const uint32_t sp0 = sim::joaat("SP0_TOTAL_CASH"), sp1 = sim::joaat("SP1_TOTAL_CASH"),
                   sp2 = sim::joaat("SP2_TOTAL_CASH");
    struct Case {
        const char* model;
        const char* lastMainCharacter;  // nullptr: as at library load
        uint32_t cleared;
    };
    const Case cases[] = {
        {"player_one", "player_two", sp1},  // the current story character wins
        {"player_two", nullptr, sp2},
        {"player_zero", "player_one", sp0},
        {"a_c_boar", "player_two", sp2},    // an animal: the last story character played
        {"a_m_y_hipster_01", "player_one", sp1},
        {"a_c_boar", "player_zero", sp0},   // never another story character since start
        {"a_c_boar", nullptr, sp0},
    };
    for (const Case& c : cases) {
        sim::World& w = testing_support::loadPlugin();
        if (c.lastMainCharacter) playerState.lastMainCharacterModel = sim::joaat(c.lastMainCharacter);
        player(w).model = sim::joaat(c.model);
        zeroCharacterMoney();
        SCOPED_TRACE(testing::Message() << c.model);
        EXPECT_EQ(w.stats.at(sp0), c.cleared == sp0 ? 0 : 5000);
        EXPECT_EQ(w.stats.at(sp1), c.cleared == sp1 ? 0 : 8000);
        EXPECT_EQ(w.stats.at(sp2), c.cleared == sp2 ? 0 : 12000);
    }
}
