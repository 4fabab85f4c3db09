// Peds: weapons and their components, armour, integer stats, clothing,
// collision, the mission flag and the player's wanted level.
#include <string>

#include "sim/joaat.h"
#include "sim/native_table.h"
#include "sim/weapon_rules.h"

namespace sim {

const std::map<uint32_t, std::set<uint32_t>>& gameWeapons() {
    static const std::map<uint32_t, std::set<uint32_t>> weapons = [] {
        std::map<uint32_t, std::set<uint32_t>> table;
        auto add = [&table](const char* name, const std::string& components) {
            std::set<uint32_t>& fitting = table[joaat(name)];
            for (size_t start = 0; start < components.size();) {
                size_t end = components.find(' ', start);
                if (end == std::string::npos) end = components.size();
                fitting.insert(joaat(components.substr(start, end - start).c_str()));
                start = end + 1;
            }
        };
#define GAME_WEAPON(name, components) add(name, components);
#include "sim/data/weapons.def"
#undef GAME_WEAPON
        return table;
    }();
    return weapons;
}

bool isKnownWeapon(uint32_t weapon) { return weapon != 0 && gameWeapons().count(weapon) != 0; }

bool weaponTakesComponent(uint32_t weapon, uint32_t component) {
    auto it = gameWeapons().find(weapon);
    return it != gameWeapons().end() && it->second.count(component) != 0;
}

namespace {

Entity* findPed(const NativeCall& c) {
    Entity* e = c.world.find(c.ped(0));
    return e && e->kind == EntityKind::Ped ? e : nullptr;
}

WeaponState* ownedWeapon(const NativeCall& c) {
    Entity* ped = findPed(c);
    if (!ped) return nullptr;
    auto it = ped->weapons.find(c.hash(1));
    return it == ped->weapons.end() ? nullptr : &it->second;
}

void removeAllPedWeapons(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ped->weapons.clear();
}

// Assumption: a weapon the ped already owns gets the ammunition added, with
// its components kept; an unknown weapon is not given.
void giveWeaponToPed(const NativeCall& c) {
    Entity* ped = findPed(c);
    if (!ped || !isKnownWeapon(c.hash(1))) return;
    ped->weapons[c.hash(1)].ammunition += c.i32(2);
}

void isWeaponValid(const NativeCall& c) { c.returnBool(isKnownWeapon(c.hash(0))); }

void doesWeaponTakeComponent(const NativeCall& c) { c.returnBool(weaponTakesComponent(c.hash(0), c.hash(1))); }

void hasPedGotWeaponComponent(const NativeCall& c) {
    WeaponState* weapon = ownedWeapon(c);
    c.returnBool(weapon && weapon->components.count(c.hash(2)) != 0);
}

// Assumption: a component fits only on a weapon the ped owns and that takes it.
void giveWeaponComponentToPed(const NativeCall& c) {
    WeaponState* weapon = ownedWeapon(c);
    if (weapon && weaponTakesComponent(c.hash(1), c.hash(2))) weapon->components.insert(c.hash(2));
}

void setPedArmour(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ped->armour = c.i32(1);
}

// Stats by name hash; the last argument (save) makes no difference here.
void setIntStat(const NativeCall& c) { c.world.stats[c.hash(0)] = c.i32(1); }

void setPedDefaultComponentVariation(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ped->variation = ComponentVariation::Default;
}

void setPedRandomComponentVariation(const NativeCall& c) {
    if (Entity* ped = findPed(c)) ped->variation = ComponentVariation::Random;
}

// (entity, on, keep physics)
void setEntityCollision(const NativeCall& c) {
    if (Entity* e = c.world.find(c.entity(0))) e->collision = c.flag(1);
}

void missionFlag(const NativeCall& c) { c.returnU32(c.world.missionActive ? 1 : 0); }

// A Player slot that names no player (a ped's handle, say) answers as for a
// player without stars, and a clear of it does nothing.
void playerWantedLevel(const NativeCall& c) {
    c.returnU32(c.player(0) == c.world.playerId ? static_cast<uint32_t>(c.world.wantedLevel) : 0);
}

void clearPlayerWantedLevel(const NativeCall& c) {
    if (c.player(0) == c.world.playerId) c.world.wantedLevel = 0;
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
    t[0xE28E54788CE8F12Dull] = {"GET_PLAYER_WANTED_LEVEL", playerWantedLevel};
    t[0xB302540597885499ull] = {"CLEAR_PLAYER_WANTED_LEVEL", clearPlayerWantedLevel};
}

}  // namespace sim
