// The draws of a vehicle model by "land_vehicle_type" and "air_vehicle_type".
// The list index always comes from the table generator; every choice between
// lists and every fixed-name replacement from the host's random float.
#include "vehicles/vehicle_models.h"

#include <cstdio>

#include "host/natives/gameplay_natives.h"
#include "shared/table_random.h"
#include "settings/settings_record.h"

namespace {

// True when the host's random float between 1.0 and 101.0 lies above threshold.
bool rollAbove(float threshold) { return randomFloat(1.0f, 101.0f) > threshold; }

// The integer part of the host's random float between 1.0 and 101.0.
int32_t replacementRoll() { return static_cast<int32_t>(randomFloat(1.0f, 101.0f)); }

const VehicleModelList noModels{nullptr, 0};

bool listHolds(const VehicleModelList& list, uint32_t model) {
    for (int32_t i = 0; i < list.count; ++i)
        if (nameHash(list.names[i]) == model) return true;
    return false;
}

// A candidate from `candidates`; if its hash equals that of any entry of
// `excluded`, then of `alsoExcluded`, it is swapped for what `replacement`
// gives, which is not tested again.
uint32_t drawExcluding(const VehicleModelList& candidates, const VehicleModelList& excluded,
                       const VehicleModelList& alsoExcluded, uint32_t (*replacement)()) {
    uint32_t candidate = pickModel(candidates);
    return listHolds(excluded, candidate) || listHolds(alsoExcluded, candidate) ? replacement() : candidate;
}

uint32_t superCarReplacement() { return pickModel(superCarModels); }

uint32_t replacementFrom(const ReplacementTable& table) {
    int32_t v = replacementRoll();
    for (int32_t i = 0; i + 1 < table.count; ++i)
        if (v <= table.bands[i].upTo) return nameHash(table.bands[i].name);
    return nameHash(table.bands[table.count - 1].name);
}

uint32_t unarmedPlaneReplacement() { return replacementFrom(unarmedPlaneReplacements); }
uint32_t unarmedHelicopterReplacement() { return replacementFrom(unarmedHelicopterReplacements); }
uint32_t unarmedMotorcycleReplacement() { return replacementFrom(unarmedMotorcycleReplacements); }

uint32_t unarmedLandModel() {
    return drawExcluding(allLandModels, armedLandModels, otherArmedLandModels, superCarReplacement);
}
uint32_t unarmedMotorcycleModel() {
    return drawExcluding(motorcycleModels, armedBikeModels, noModels, unarmedMotorcycleReplacement);
}
uint32_t unarmedPlaneModel() {
    return drawExcluding(planeModels, armedPlaneModels, noModels, unarmedPlaneReplacement);
}
uint32_t unarmedHelicopterModel() {
    return drawExcluding(helicopterModels, armedHelicopterModels, otherArmedHelicopterModels,
                         unarmedHelicopterReplacement);
}

}  // namespace

uint32_t pickModel(const VehicleModelList& list) { return nameHash(list.names[tableRandom() % list.count]); }

uint32_t pickLandVehicleModel() {
    switch (settings.land_vehicle_type) {
        case 1: return pickModel(allLandModels);
        case 2: return pickModel(motorcycleModels);
        case 3: return pickModel(rollAbove(40.0f) ? allLandModels : motorcycleModels);
        case 4: return pickModel(armedLandModels);
        case 5: return pickModel(armedBikeModels);
        case 6: return pickModel(rollAbove(25.0f) ? armedLandModels : armedBikeModels);
        case 7: return unarmedLandModel();
        case 8: return unarmedMotorcycleModel();
        case 9: return rollAbove(40.0f) ? unarmedLandModel() : unarmedMotorcycleModel();
        case 10: return pickModel(superCarModels);
        case 11: return pickModel(muscleCarModels);
        case 12: return pickModel(emergencyModels);
        case 13: return pickModel(offRoadModels);
        case 14: return pickModel(suvModels);
        case 15: return pickModel(sedanModels);
        case 16: return pickModel(serviceModels);
        case 17: return pickModel(sportsCarModels);
        case 18: return pickModel(sportsClassicModels);
        case 19: return pickModel(utilityModels);
        case 20: return pickModel(vanModels);
        case 21: return pickModel(industrialModels);
        case 22: return pickModel(commercialModels);
        case 23: return pickModel(compactModels);
        case 24: return pickModel(coupeModels);
        case 25: return pickModel(bicycleModels);
        default: return pickModel(superCarModels);
    }
}

uint32_t pickAirVehicleModel() {
    switch (settings.air_vehicle_type) {
        case 1: return pickModel(planeModels);
        case 2: return pickModel(helicopterModels);
        case 3: return pickModel(rollAbove(40.0f) ? planeModels : helicopterModels);
        case 4: return pickModel(armedPlaneModels);
        case 5: return pickModel(armedHelicopterModels);
        case 6: return pickModel(rollAbove(40.0f) ? armedPlaneModels : armedHelicopterModels);
        case 7: return unarmedPlaneModel();
        case 8: return unarmedHelicopterModel();
        case 9: return rollAbove(40.0f) ? unarmedPlaneModel() : unarmedHelicopterModel();
        default: return pickModel(defaultPlaneModels);
    }
}

void nameVehicleModel(uint32_t model, char* name, size_t size) {
    // Land lists first: allLandModels holds most of what a road spawn makes.
    const VehicleModelList* const lists[] = {
        &allLandModels,      &superCarModels,    &motorcycleModels, &armedLandModels,       &armedBikeModels,
        &muscleCarModels,    &emergencyModels,   &offRoadModels,    &suvModels,             &sedanModels,
        &serviceModels,      &sportsCarModels,   &sportsClassicModels, &utilityModels,      &vanModels,
        &industrialModels,   &commercialModels,  &compactModels,    &coupeModels,           &bicycleModels,
        &planeModels,        &helicopterModels,  &armedPlaneModels, &armedHelicopterModels, &defaultPlaneModels,
    };
    for (const VehicleModelList* list : lists)
        for (int32_t i = 0; i < list->count; ++i)
            if (nameHash(list->names[i]) == model) {
                std::snprintf(name, size, "%s", list->names[i]);
                return;
            }
    std::snprintf(name, size, "model 0x%08X", static_cast<unsigned>(model));
}
