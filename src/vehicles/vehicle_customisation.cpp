// Random modifications, paint, neon lights and number plate of a new vehicle.
#include "host/natives/entity_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/vehicle_natives.h"
#include "shared/entities.h"
#include "shared/percent_chance.h"
#include "vehicles/vehicle_spawn.h"

namespace {

// Vehicles of these models keep modification slots 23 and 24 as they come.
constexpr const char* slotExemptModels[] = {
    "RHINO", "INSURGENT", "INSURGENT2", "KURUMA2", "DUKES2", "RIOT", "LIMO2", "COGNOSCENTI", "COGNOSCENTI2",
    "BALLER5", "BALLER6", "BRICKADE", "XLS2", "SCHAFTER5", "SCHAFTER6", "COG552", "Boxville5",
};

int32_t randomWhole(float low, float high) { return static_cast<int32_t>(getRandomFloatInRange(low, high)); }

}  // namespace

void customiseVehicle(uint32_t vehicle) {
    if (!isEntityAlive(vehicle)) return;
    setVehicleModKit(vehicle, 0);
    toggleVehicleMod(vehicle, 18, percentChance(70));
    toggleVehicleMod(vehicle, 20, percentChance(30));
    toggleVehicleMod(vehicle, 17, percentChance(30));
    setVehicleNumberPlateTextIndex(vehicle, randomWhole(0.0f, 6.0f));
    setVehicleNumberPlateText(vehicle, getDisplayNameFromVehicleModel(getEntityModel(vehicle)));
    if (percentChance(30)) {
        for (int32_t light = 0; light < 4; ++light) setVehicleNeonEnabled(vehicle, light);
        int32_t blue = randomWhole(0.0f, 256.0f);
        int32_t green = randomWhole(0.0f, 256.0f);
        int32_t red = randomWhole(0.0f, 256.0f);
        setVehicleNeonColour(vehicle, red, green, blue);
    }
    int32_t pearlescent = 0;
    int32_t wheel = 0;
    getVehicleExtraColours(vehicle, &pearlescent, &wheel);
    setVehicleModColor1(vehicle, randomWhole(0.0f, 6.0f), pearlescent);
    setVehicleModColor2(vehicle, randomWhole(0.0f, 6.0f), wheel);
    for (int32_t slot = 0; slot <= 13; ++slot) randomiseModSlot(vehicle, slot);
    randomiseModSlot(vehicle, 15);
    randomiseModSlot(vehicle, 16);
    if (!isSlotExempt(vehicle)) {
        randomiseModSlot(vehicle, 23);
        randomiseModSlot(vehicle, 24);
    }
}

void randomiseModSlot(uint32_t vehicle, int32_t slot) {
    if (!isEntityAlive(vehicle)) return;
    // The valid indices of a slot with n modifications are 0 to n - 1; a slot
    // without any is left as it is.
    int32_t count = getNumVehicleMods(vehicle, slot);
    if (count <= 0) return;
    setVehicleMod(vehicle, slot, getRandomIntInRange(0, count));
}

bool isSlotExempt(uint32_t vehicle) {
    if (!isExistingEntity(vehicle)) return false;
    for (const char* name : slotExemptModels)
        if (isVehicleModelMatching(vehicle, getHashKey(name))) return true;
    return false;
}
