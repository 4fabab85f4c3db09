// Peds: weapons and their components, armour, integer stats, clothing,
// collision, the mission flag and the post-loading state test.
#include "sim/native_table.h"
#include "sim/weapon_rules.h"

namespace sim {

// Assumption: the game knows every weapon hash but 0 and these three, which
// stand for entries of a weapon list that this game version does not hold
// (entries 36, 40 and 79 of the plug-in's weapon table).
const uint32_t unknownWeaponHashes[3] = {0x0A3D4D34, 0xBD248B55, 0x24B17070};

bool isKnownWeapon(uint32_t weapon) {
    if (weapon == 0) return false;
    for (uint32_t unknown : unknownWeaponHashes)
        if (weapon == unknown) return false;
    return true;
}

// Assumption: which components a weapon takes is a fixed fact of the game's
// data; here a hash-mixing rule takes about one pair in five. The weapon
// 0x83BF0278 also takes 0x91109691 and 0xD89B9658, besides those the rule
// gives it, so the plug-in's restriction to those two can be seen.
bool weaponTakesComponent(uint32_t weapon, uint32_t component) {
    if (!isKnownWeapon(weapon) || component == 0) return false;
    if (weapon == 0x83BF0278u && (component == 0x91109691u || component == 0xD89B9658u)) return true;
    uint32_t mix = weapon * 0x9E3779B1u ^ component;
    mix ^= mix >> 15;
    mix *= 0x85EBCA6Bu;
    mix ^= mix >> 13;
    return mix % 5 == 0;
}

namespace {

Entity* findPed(const NativeCall& c) {
    Entity* e = c.world.find(c.u32(0));
    return e && e->kind == EntityKind::Ped ? e : nullptr;
}

WeaponState* ownedWeapon(const NativeCall& c) {
    Entity* ped = findPed(c);
    if (!ped) return nullptr;
    auto it = ped->weapons.find(c.u32(1));
    return it == ped->weapons.end() ? nullptr : &it->second;
}

void removeAllPedWeapons(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ped->weapons.clear();
}

// Assumption: a weapon the ped already owns gets the ammunition added, with
// its components kept; an unknown weapon is not given.
void giveWeaponToPed(const NativeCall& c) {
    Entity* ped = findPed(c);
    if (!ped || !isKnownWeapon(c.u32(1))) return;
    ped->weapons[c.u32(1)].ammunition += c.i32(2);
}

void isWeaponValid(const NativeCall& c) { c.returnBool(isKnownWeapon(c.u32(0))); }

void doesWeaponTakeComponent(const NativeCall& c) { c.returnBool(weaponTakesComponent(c.u32(0), c.u32(1))); }

void hasPedGotWeaponComponent(const NativeCall& c) {
    WeaponState* weapon = ownedWeapon(c);
    c.returnBool(weapon && weapon->components.count(c.u32(2)) != 0);
}

// Assumption: a component fits only on a weapon the ped owns and that takes it.
void giveWeaponComponentToPed(const NativeCall& c) {
    WeaponState* weapon = ownedWeapon(c);
    if (weapon && weaponTakesComponent(c.u32(1), c.u32(2))) weapon->components.insert(c.u32(2));
}

void setPedArmour(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ped->armour = c.i32(1);
}

// Stats by name hash; the last argument (save) makes no difference here.
void setIntStat(const NativeCall& c) { c.world.stats[c.u32(0)] = c.i32(1); }

void setPedDefaultComponentVariation(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ped->variation = ComponentVariation::Default;
}

void setPedRandomComponentVariation(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ped->variation = ComponentVariation::Random;
}

// (entity, on, keep physics)
void setEntityCollision(const NativeCall& c) {
    if (Entity* e = c.world.find(c.u32(0))) e->collision = c.flag(1);
}

void missionFlag(const NativeCall& c) { c.returnU32(c.world.missionActive ? 1 : 0); }

// Assumption: the post-loading test answers true for a ped whose collision is
// off, or whenever the world says the player's ped is left in that state
// (World::postLoadingPedState); the action that follows only counts itself.
void postLoadingPedTest(const NativeCall& c) {
    Entity* ped = findPed(c);
    c.returnBool(ped && (!ped->collision || c.world.postLoadingPedState));
}

void postLoadingPedAction(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ++ped->postLoadingActions;
}

}  // namespace

void registerPedNatives(NativeTable& t) {
    t[0xF25DF915FA38C5F3ull] = {"REMOVE_ALL_PED_WEAPONS", removeAllPedWeapons};
    t[0xB282DC6EBD803C75ull] = {"GIVE_DELAYED_WEAPON_TO_PED", giveWeaponToPed};
    t[0x937C71165CF334B3ull] = {"IS_WEAPON_VALID", isWeaponValid};
    t[0x5CEE3DF569CECAB0ull] = {"DOES_WEAPON_TAKE_WEAPON_COMPONENT", doesWeaponTakeComponent};
    t[0xC593212475FAE340ull] = {"HAS_PED_GOT_WEAPON_COMPONENT", hasPedGotWeaponComponent};
    t[0xD966D51AA5B28BB9ull] = {"GIVE_WEAPON_COMPONENT_TO_PED", giveWeaponComponentToPed};
    t[0xCEA04D83135264CCull] = {"SET_PED_ARMOUR", setPedArmour};
    t[0xB3271D7AB655B441ull] = {"STAT_SET_INT", setIntStat};
    t[0x45EEE61580806D63ull] = {"SET_PED_DEFAULT_COMPONENT_VARIATION", setPedDefaultComponentVariation};
    t[0xC8A9481A01E63C28ull] = {"SET_PED_RANDOM_COMPONENT_VARIATION", setPedRandomComponentVariation};
    t[0x1A9205C1B9EE827Full] = {"SET_ENTITY_COLLISION", setEntityCollision};
    t[0xA33CDCCDA663159Eull] = {"GET_MISSION_FLAG", missionFlag};
    t[0xE28E54788CE8F12Dull] = {"post-loading ped state test", postLoadingPedTest};
    t[0xB302540597885499ull] = {"post-loading ped action", postLoadingPedAction};
}

}  // namespace sim
