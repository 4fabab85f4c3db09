#include "respawn/player_options.h"

#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/ped_natives.h"
#include "host/natives/player_natives.h"
#include "host/natives/weapon_natives.h"
#include "shared/entities.h"
#include "shared/player_state.h"
#include "respawn/weapon_tables.h"
#include "settings/settings_record.h"
#include "skin/player_skin.h"

namespace {

constexpr int32_t fullAmmunition = 1000;
constexpr int32_t fullArmour = 100;

// The other-skin rows of the option tables apply only while skins persist
// across a death; otherwise every player counts as a story character.
bool otherSkinCase(bool wearsOtherSkin) { return wearsOtherSkin && settings.player_skin_persists_death != 0; }

// Value 1 applies in both cases, 2 only to another skin, 3 only to a story character.
bool optionApplies(int32_t value, bool otherSkin) {
    return value == 1 || (otherSkin ? value == 2 : value == 3);
}

bool componentAllowed(uint32_t weapon, uint32_t component) {
    if (weapon != restrictedComponentWeapon) return true;
    return component == restrictedWeaponComponents[0] || component == restrictedWeaponComponents[1];
}

// The money stat of the story character with this model, or nullptr.
const char* moneyStatOf(uint32_t model) {
    if (model == getHashKey("player_zero")) return "SP0_TOTAL_CASH";
    if (model == getHashKey("player_one")) return "SP1_TOTAL_CASH";
    if (model == getHashKey("player_two")) return "SP2_TOTAL_CASH";
    return nullptr;
}

}  // namespace

void applyWeaponsOption(bool wearsOtherSkin) {
    if (!isEntityAlive(playerPedId())) return;
    int32_t value = settings.get_all_weapons_upon_respawn;
    if (value == 4) {
        removeAllPedWeapons(playerPedId());
        return;
    }
    if (optionApplies(value, otherSkinCase(wearsOtherSkin))) giveAllWeapons(playerPedId());
}

void applyArmourOption(bool wearsOtherSkin) {
    if (!isEntityAlive(playerPedId())) return;
    if (!optionApplies(settings.get_full_armor_upon_respawn, otherSkinCase(wearsOtherSkin))) return;
    setPedArmour(playerPedId(), fullArmour);
}

void giveAllWeapons(uint32_t ped) {
    if (!isExistingEntity(ped)) return;
    for (uint32_t weapon : weaponHashes) {
        giveDelayedWeaponToPed(ped, weapon, fullAmmunition);
        giveAllWeaponComponents(ped, weapon);
    }
}

void giveAllWeaponComponents(uint32_t ped, uint32_t weapon) {
    if (!isEntityAlive(ped) || !isWeaponValid(weapon)) return;
    for (uint32_t component : weaponComponentHashes) {
        if (!doesWeaponTakeWeaponComponent(weapon, component) || hasPedGotWeaponComponent(ped, weapon, component))
            continue;
        if (componentAllowed(weapon, component)) giveWeaponComponentToPed(ped, weapon, component);
    }
}

void zeroCharacterMoney() {
    const char* stat = moneyStatOf(getEntityModel(playerPedId()));
    if (!stat) stat = moneyStatOf(playerState.lastMainCharacterModel);
    if (!stat) stat = "SP0_TOTAL_CASH";
    statSetIntZero(getHashKey(stat));
}

void applyOnDemandOptions() {
    int32_t options = settings.weapons_and_armor_settings_affecting_respawn_on_demand;
    bool wearsOtherSkin = !isStoryCharacter(playerState.lastPlayerModel);
    if (options == 1 || options == 2) applyWeaponsOption(wearsOtherSkin);
    if (options == 1 || options == 3) applyArmourOption(wearsOtherSkin);
}
