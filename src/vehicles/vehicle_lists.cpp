// The vehicle model lists and replacement tables as the draws see them: each
// array with its length.
#include <cstddef>

#include "vehicles/vehicle_model_names.h"
#include "vehicles/vehicle_models.h"

namespace {
template <size_t count>
constexpr VehicleModelList modelList(const char* const (&names)[count]) {
    return VehicleModelList{names, static_cast<int32_t>(count)};
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
