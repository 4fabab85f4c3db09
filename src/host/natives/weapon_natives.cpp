#include "host/natives/weapon_natives.h"

#include "host/native_call.h"

void removeAllPedWeapons(game::Ped ped) { native::invoke(0xF25DF915FA38C5F3ull, ped, 1); }

void giveDelayedWeaponToPed(game::Ped ped, game::Hash weapon, int32_t ammunition) {
    native::invoke(0xB282DC6EBD803C75ull, ped, weapon, ammunition, 0);
}

bool isWeaponValid(game::Hash weapon) { return native::resultBool(native::invoke(0x937C71165CF334B3ull, weapon)); }

bool doesWeaponTakeWeaponComponent(game::Hash weapon, game::Hash component) {
    return native::resultBool(native::invoke(0x5CEE3DF569CECAB0ull, weapon, component));
}

bool hasPedGotWeaponComponent(game::Ped ped, game::Hash weapon, game::Hash component) {
    return native::resultBool(native::invoke(0xC593212475FAE340ull, ped, weapon, component));
}

void giveWeaponComponentToPed(game::Ped ped, game::Hash weapon, game::Hash component) {
    native::invoke(0xD966D51AA5B28BB9ull, ped, weapon, component);
}
