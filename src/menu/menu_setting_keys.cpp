#include "menu/menu_setting_keys.h"

#include <cstring>

#include "settings/respawn_settings.h"

namespace menu_keys {

using U = MenuSettingUnit;
const MenuSettingKey randomPlayerRespawns{"random_player_respawns", "Alternative respawn", 0, 1, 1, U::Switch, nullptr, false};
const MenuSettingKey listChance{"on_point_from_list_player_spawn_chance", "Point from the list", 0, 100, 5, U::Percent, nullptr, false};
const MenuSettingKey roadChance{"in_vehicle_on_road_player_spawn_chance", "Vehicle on a road", 0, 100, 5, U::Percent, nullptr, false};
const MenuSettingKey airChance{"in_air_player_spawn_chance", "Aircraft in flight", 0, 100, 5, U::Percent, nullptr, false};
const MenuSettingKey deathPointChance{"at_death_point_spawn_chance", "Death point", 0, 100, 5, U::Percent, nullptr, false};
const MenuSettingKey mapChance{"random_point_on_map_spawn_chance", "Random point of the map", 0, 100, 5, U::Percent, nullptr, false};
const MenuSettingKey customChance{"custom_spawn_chance", "Custom point", 0, 100, 5, U::Percent, nullptr, false};
const MenuSettingKey closeChance{"on_close_point_player_spawn_chance", "Near the place of death", 0, 100, 5, U::Percent, nullptr, false};
const MenuSettingKey spawnDistance{"preferred_spawn_distance", "Distance of a close respawn", 0, 3000, 10, U::WorldUnits, nullptr, false};
const MenuSettingKey duringMissions{"alter_spawn_after_mission", "Also during missions", 0, 1, 1, U::Switch, nullptr, false};
const MenuSettingKey afterLoadingScreens{"use_respawn_on_demand_automatically", "Respawn after loading screens", 0, 1, 1, U::Switch, nullptr, false};
const MenuSettingKey landVehicle{"land_vehicle_type", "Land vehicle", 1, 25, 1, U::Choice,
    "all|motorcycles|all or motorcycles|armed|armed bikes|armed or armed bikes|unarmed|unarmed motorcycles|"
    "unarmed or unarmed motorcycles|super|muscle|emergency|off-road|SUV|sedan|service|sports|sports classic|utility|"
    "van|industrial|commercial|compact|coupe|bicycle", false};
const MenuSettingKey aircraft{"air_vehicle_type", "Aircraft", 1, 10, 1, U::Choice,
    "planes|helicopters|planes or helicopters|armed planes|armed helicopters|armed planes or helicopters|"
    "unarmed planes|unarmed helicopters|unarmed planes or helicopters|default planes", false};
const MenuSettingKey heliLowest{"min_heli_spawn_height_over_ground", "Helicopter lowest height", 50, 2000, 10, U::WorldUnits, nullptr, false};
const MenuSettingKey heliHighest{"max_heli_spawn_height_over_ground", "Helicopter highest height", 50, 2000, 10, U::WorldUnits, nullptr, false};
const MenuSettingKey planeLowest{"min_plane_spawn_height_over_ground", "Aeroplane lowest height", 50, 2000, 10, U::WorldUnits, nullptr, false};
const MenuSettingKey planeHighest{"max_plane_spawn_height_over_ground", "Aeroplane highest height", 50, 2000, 10, U::WorldUnits, nullptr, false};
const MenuSettingKey weapons{"get_all_weapons_upon_respawn", "Weapons after a respawn", 0, 4, 1, U::Choice,
    "nothing|all weapons|all weapons only in another skin|all weapons only as a story character|remove all weapons", false};
const MenuSettingKey armour{"get_full_armor_upon_respawn", "Armour after a respawn", 0, 3, 1, U::Choice,
    "nothing|full armour|full armour only in another skin|full armour only as a story character", false};
const MenuSettingKey money{"set_money_to_zero_upon_respawn_after_death", "Money to zero", 0, 1, 1, U::Switch, nullptr, false};
const MenuSettingKey optionsOnDemand{"weapons_and_armor_settings_affecting_respawn_on_demand", "Options on demand", 0, 3, 1, U::Choice,
    "neither|weapons and armour options|weapons only|armour only", false};
const MenuSettingKey skinPersists{"player_skin_persists_death", "Skin survives death", 0, 1, 1, U::Switch, nullptr, false};
const MenuSettingKey skinAfterRespawn{"player_ped_skin_upon_respawn", "Skin after a respawn", 1, 3, 1, U::Choice,
    "keep it|random skin|the stored skin", false};
const MenuSettingKey clothing{"set_skin_component_variation", "Clothing after a skin change", 0, 2, 1, U::Choice,
    "unchanged|default clothing|random clothing", false};
const MenuSettingKey firstWait{"first_wait_time", "First wait", 0, 120000, 500, U::Milliseconds, nullptr, true};
const MenuSettingKey longestWait{"max_wait_time_before_respawn_upon_skin_exception", "Longest wait for the respawn", 0, 120000, 500, U::Milliseconds, nullptr, true};
const MenuSettingKey skinResetDelay{"time_before_reset_skin", "Skin reset delay", 0, 60000, 500, U::Milliseconds, nullptr, false};
const MenuSettingKey skinChangeWait{"wait_time_before_skin_change", "Wait before a skin change", 0, 60000, 500, U::Milliseconds, nullptr, false};
const MenuSettingKey slowMotion{"slow_motion_at_wasted_and_busted_screens", "Slow motion at death", 0, 1, 0.05, U::Speed, nullptr, true};

}  // namespace menu_keys

namespace {

struct RecordField {
    const char* name;
    int32_t RespawnSettings::*whole;
    float RespawnSettings::*fraction;
};

#define WHOLE(name) {#name, &RespawnSettings::name, nullptr}
#define FRACTION(name) {#name, nullptr, &RespawnSettings::name}
const RecordField fields[] = {
    WHOLE(random_player_respawns), WHOLE(on_point_from_list_player_spawn_chance),
    WHOLE(in_vehicle_on_road_player_spawn_chance), WHOLE(in_air_player_spawn_chance),
    WHOLE(at_death_point_spawn_chance), WHOLE(random_point_on_map_spawn_chance), WHOLE(custom_spawn_chance),
    WHOLE(on_close_point_player_spawn_chance), WHOLE(preferred_spawn_distance), WHOLE(alter_spawn_after_mission),
    WHOLE(use_respawn_on_demand_automatically), WHOLE(land_vehicle_type), WHOLE(air_vehicle_type),
    WHOLE(min_heli_spawn_height_over_ground), WHOLE(max_heli_spawn_height_over_ground),
    WHOLE(min_plane_spawn_height_over_ground), WHOLE(max_plane_spawn_height_over_ground),
    WHOLE(get_all_weapons_upon_respawn), WHOLE(get_full_armor_upon_respawn),
    WHOLE(set_money_to_zero_upon_respawn_after_death), WHOLE(weapons_and_armor_settings_affecting_respawn_on_demand),
    WHOLE(player_skin_persists_death), WHOLE(player_ped_skin_upon_respawn), WHOLE(set_skin_component_variation),
    FRACTION(first_wait_time), FRACTION(max_wait_time_before_respawn_upon_skin_exception),
    WHOLE(time_before_reset_skin), WHOLE(wait_time_before_skin_change),
    FRACTION(slow_motion_at_wasted_and_busted_screens),
};
#undef WHOLE
#undef FRACTION

}  // namespace

double settingValue(const MenuSettingKey& key) {
    for (const RecordField& field : fields) {
        if (std::strcmp(field.name, key.name) != 0) continue;
        return field.whole ? settings.*field.whole : settings.*field.fraction;
    }
    return 0;
}
