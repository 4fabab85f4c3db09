// The vehicle models of the simulated game's data: every name the plug-in's
// vehicle lists hold, by kind. Names that differ only in letter case hash to
// the same model.
#include "sim/vehicle_catalogue.h"

#include <algorithm>
#include <cctype>

#include "sim/model_catalogue.h"
#include "vehicles/vehicle_model_names.h"

namespace sim {
namespace {

// Assumption: a vehicle's display name is its model name in upper case, at
// most 12 characters (the game's display names are upper case and short).
std::string displayNameOf(const std::string& name) {
    std::string display = name.substr(0, 12);
    std::transform(display.begin(), display.end(), display.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return display;
}

template <size_t count>
void addAll(ModelCatalogue& catalogue, const char* const (&names)[count], ModelKind kind) {
    for (const char* name : names) catalogue.add(name, kind).displayName = displayNameOf(name);
}

}  // namespace

void addVehicleModels(ModelCatalogue& catalogue) {
    // Cars first: a name that also stands in a bike or aircraft list takes that kind.
    addAll(catalogue, allLandModelNames, ModelKind::Car);
    addAll(catalogue, superCarModelNames, ModelKind::Car);
    addAll(catalogue, armedLandModelNames, ModelKind::Car);
    addAll(catalogue, muscleCarModelNames, ModelKind::Car);
    addAll(catalogue, emergencyModelNames, ModelKind::Car);
    addAll(catalogue, offRoadModelNames, ModelKind::Car);
    addAll(catalogue, suvModelNames, ModelKind::Car);
    addAll(catalogue, sedanModelNames, ModelKind::Car);
    addAll(catalogue, serviceModelNames, ModelKind::Car);
    addAll(catalogue, sportsCarModelNames, ModelKind::Car);
    addAll(catalogue, sportsClassicModelNames, ModelKind::Car);
    addAll(catalogue, utilityModelNames, ModelKind::Car);
    addAll(catalogue, vanModelNames, ModelKind::Car);
    addAll(catalogue, industrialModelNames, ModelKind::Car);
    addAll(catalogue, commercialModelNames, ModelKind::Car);
    addAll(catalogue, compactModelNames, ModelKind::Car);
    addAll(catalogue, coupeModelNames, ModelKind::Car);
    addAll(catalogue, motorcycleModelNames, ModelKind::Bike);
    addAll(catalogue, armedBikeModelNames, ModelKind::Bike);
    addAll(catalogue, bicycleModelNames, ModelKind::Bike);
    addAll(catalogue, planeModelNames, ModelKind::Plane);
    addAll(catalogue, armedPlaneModelNames, ModelKind::Plane);
    addAll(catalogue, defaultPlaneModelNames, ModelKind::Plane);
    addAll(catalogue, helicopterModelNames, ModelKind::Helicopter);
    addAll(catalogue, armedHelicopterModelNames, ModelKind::Helicopter);
}

}  // namespace sim
