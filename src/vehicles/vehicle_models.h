#pragma once
// The vehicle model lists and the draws by "land_vehicle_type" and "air_vehicle_type".
#include <cstdint>

struct VehicleModelList {
    const char* const* names;
    int32_t count;
};

extern const VehicleModelList superCarModels, motorcycleModels, armedLandModels, armedBikeModels, muscleCarModels,
    emergencyModels, offRoadModels, suvModels, sedanModels, serviceModels, sportsCarModels, sportsClassicModels,
    utilityModels, vanModels, industrialModels, commercialModels, compactModels, coupeModels, bicycleModels,
    allLandModels;
extern const VehicleModelList planeModels, helicopterModels, armedPlaneModels, armedHelicopterModels,
    defaultPlaneModels;

uint32_t pickModel(const VehicleModelList& list);
uint32_t pickLandVehicleModel();
uint32_t pickAirVehicleModel();
