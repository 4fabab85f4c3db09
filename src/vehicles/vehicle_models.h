#pragma once
// The vehicle model lists and the draws by "land_vehicle_type" and "air_vehicle_type".
#include <cstddef>
#include <cstdint>

#include "vehicles/vehicle_model_names.h"

struct VehicleModelList {
    const char* const* names;
    int32_t count;
};

struct ReplacementTable {
    const ReplacementBand* bands;
    int32_t count;
};

extern const VehicleModelList superCarModels, motorcycleModels, armedLandModels, armedBikeModels, muscleCarModels,
    emergencyModels, offRoadModels, suvModels, sedanModels, serviceModels, sportsCarModels, sportsClassicModels,
    utilityModels, vanModels, industrialModels, commercialModels, compactModels, coupeModels, bicycleModels,
    allLandModels;
extern const VehicleModelList planeModels, helicopterModels, armedPlaneModels, armedHelicopterModels,
    defaultPlaneModels;
extern const VehicleModelList otherArmedLandModels, otherArmedHelicopterModels;
extern const ReplacementTable unarmedPlaneReplacements, unarmedHelicopterReplacements, unarmedMotorcycleReplacements;

uint32_t pickModel(const VehicleModelList& list);
uint32_t pickLandVehicleModel();
uint32_t pickAirVehicleModel();
// The model's name as the lists write it ("Adder"), for the log; a model of no
// list by its number ("model 0x1234ABCD"). Hashes the list names one by one,
// so it is for a spawn, not for every frame.
void nameVehicleModel(uint32_t model, char* name, size_t size);
