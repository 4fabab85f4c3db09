// The vehicle model lists and replacement tables as the draws see them (each
// array with its length), the unarmed draws, and the table of what each value
// of "land_vehicle_type" and "air_vehicle_type" draws. The choices the key
// table names for the two keys are held to these tables by a test.
#include <cstddef>

#include "vehicles/vehicle_model_names.h"
#include "vehicles/vehicle_models.h"

namespace {
template <size_t count>
constexpr VehicleModelList modelList(const char* const (&names)[count]) {
    return VehicleModelList{names, static_cast<int32_t>(count)};
}
template <size_t count>
constexpr VehicleTypeTable typeTable(const VehicleType (&types)[count], ModelDraw otherValue) {
    return VehicleTypeTable{types, static_cast<int32_t>(count), otherValue};
}
template <size_t count>
constexpr ReplacementTable replacementTable(const ReplacementBand (&bands)[count]) {
    return ReplacementTable{bands, static_cast<int32_t>(count)};
}
}  // namespace

const VehicleModelList superCarModels = modelList(superCarModelNames);
const VehicleModelList motorcycleModels = modelList(motorcycleModelNames);
const VehicleModelList armedLandModels = modelList(armedLandModelNames);
const VehicleModelList armedBikeModels = modelList(armedBikeModelNames);
const VehicleModelList muscleCarModels = modelList(muscleCarModelNames);
const VehicleModelList emergencyModels = modelList(emergencyModelNames);
const VehicleModelList offRoadModels = modelList(offRoadModelNames);
const VehicleModelList suvModels = modelList(suvModelNames);
const VehicleModelList sedanModels = modelList(sedanModelNames);
const VehicleModelList serviceModels = modelList(serviceModelNames);
const VehicleModelList sportsCarModels = modelList(sportsCarModelNames);
const VehicleModelList sportsClassicModels = modelList(sportsClassicModelNames);
const VehicleModelList utilityModels = modelList(utilityModelNames);
const VehicleModelList vanModels = modelList(vanModelNames);
const VehicleModelList industrialModels = modelList(industrialModelNames);
const VehicleModelList commercialModels = modelList(commercialModelNames);
const VehicleModelList compactModels = modelList(compactModelNames);
const VehicleModelList coupeModels = modelList(coupeModelNames);
const VehicleModelList bicycleModels = modelList(bicycleModelNames);
const VehicleModelList allLandModels = modelList(allLandModelNames);
const VehicleModelList planeModels = modelList(planeModelNames);
const VehicleModelList helicopterModels = modelList(helicopterModelNames);
const VehicleModelList armedPlaneModels = modelList(armedPlaneModelNames);
const VehicleModelList armedHelicopterModels = modelList(armedHelicopterModelNames);
const VehicleModelList defaultPlaneModels = modelList(defaultPlaneModelNames);
const VehicleModelList otherArmedLandModels = modelList(otherArmedLandModelNames);
const VehicleModelList otherArmedHelicopterModels = modelList(otherArmedHelicopterModelNames);
const ReplacementTable unarmedPlaneReplacements = replacementTable(unarmedPlaneReplacementBands);
const ReplacementTable unarmedHelicopterReplacements = replacementTable(unarmedHelicopterReplacementBands);
const ReplacementTable unarmedMotorcycleReplacements = replacementTable(unarmedMotorcycleReplacementBands);

const UnarmedDraw unarmedLandDraw{&allLandModels, &armedLandModels, &otherArmedLandModels, &superCarModels, nullptr};
const UnarmedDraw unarmedMotorcycleDraw{&motorcycleModels, &armedBikeModels, nullptr, nullptr,
                                        &unarmedMotorcycleReplacements};
const UnarmedDraw unarmedPlaneDraw{&planeModels, &armedPlaneModels, nullptr, nullptr, &unarmedPlaneReplacements};
const UnarmedDraw unarmedHelicopterDraw{&helicopterModels, &armedHelicopterModels, &otherArmedHelicopterModels,
                                        nullptr, &unarmedHelicopterReplacements};

namespace {

constexpr ModelDraw none{nullptr, nullptr};
constexpr ModelDraw list(const VehicleModelList& models) { return ModelDraw{&models, nullptr}; }
constexpr ModelDraw unarmed(const UnarmedDraw& draw) { return ModelDraw{nullptr, &draw}; }

const VehicleType landTypes[] = {
    {"all", list(allLandModels), none, 0.0f},
    {"motorcycles", list(motorcycleModels), none, 0.0f},
    {"all or motorcycles", list(allLandModels), list(motorcycleModels), 40.0f},
    {"armed", list(armedLandModels), none, 0.0f},
    {"armed bikes", list(armedBikeModels), none, 0.0f},
    {"armed or armed bikes", list(armedLandModels), list(armedBikeModels), 25.0f},
    {"unarmed", unarmed(unarmedLandDraw), none, 0.0f},
    {"unarmed motorcycles", unarmed(unarmedMotorcycleDraw), none, 0.0f},
    {"unarmed or unarmed motorcycles", unarmed(unarmedLandDraw), unarmed(unarmedMotorcycleDraw), 40.0f},
    {"super", list(superCarModels), none, 0.0f},
    {"muscle", list(muscleCarModels), none, 0.0f},
    {"emergency", list(emergencyModels), none, 0.0f},
    {"off-road", list(offRoadModels), none, 0.0f},
    {"SUV", list(suvModels), none, 0.0f},
    {"sedan", list(sedanModels), none, 0.0f},
    {"service", list(serviceModels), none, 0.0f},
    {"sports", list(sportsCarModels), none, 0.0f},
    {"sports classic", list(sportsClassicModels), none, 0.0f},
    {"utility", list(utilityModels), none, 0.0f},
    {"van", list(vanModels), none, 0.0f},
    {"industrial", list(industrialModels), none, 0.0f},
    {"commercial", list(commercialModels), none, 0.0f},
    {"compact", list(compactModels), none, 0.0f},
    {"coupe", list(coupeModels), none, 0.0f},
    {"bicycle", list(bicycleModels), none, 0.0f},
};

const VehicleType airTypes[] = {
    {"planes", list(planeModels), none, 0.0f},
    {"helicopters", list(helicopterModels), none, 0.0f},
    {"planes or helicopters", list(planeModels), list(helicopterModels), 40.0f},
    {"armed planes", list(armedPlaneModels), none, 0.0f},
    {"armed helicopters", list(armedHelicopterModels), none, 0.0f},
    {"armed planes or helicopters", list(armedPlaneModels), list(armedHelicopterModels), 40.0f},
    {"unarmed planes", unarmed(unarmedPlaneDraw), none, 0.0f},
    {"unarmed helicopters", unarmed(unarmedHelicopterDraw), none, 0.0f},
    {"unarmed planes or helicopters", unarmed(unarmedPlaneDraw), unarmed(unarmedHelicopterDraw), 40.0f},
    {"default planes", list(defaultPlaneModels), none, 0.0f},
};

}  // namespace

const VehicleTypeTable landVehicleTypes = typeTable(landTypes, list(superCarModels));
const VehicleTypeTable airVehicleTypes = typeTable(airTypes, list(defaultPlaneModels));
