// Every vehicle model of the game, of the game's type and with its weapons or
// none (sim/data/vehicles.def).
#include <algorithm>
#include <cctype>

#include "sim/model_catalogue.h"

namespace sim {
namespace {

// The game's vehicle types as the data names them.
constexpr ModelKind CAR = ModelKind::Car, BIKE = ModelKind::Bike, QUADBIKE = ModelKind::QuadBike,
                    BICYCLE = ModelKind::Bicycle, PLANE = ModelKind::Plane, HELI = ModelKind::Helicopter,
                    BLIMP = ModelKind::Blimp, BOAT = ModelKind::Boat, SUBMARINE = ModelKind::Submarine,
                    TRAILER = ModelKind::Trailer, TRAIN = ModelKind::Train,
                    AMPHIBIOUS_AUTOMOBILE = ModelKind::AmphibiousCar,
                    AMPHIBIOUS_QUADBIKE = ModelKind::AmphibiousQuadBike, SUBMARINECAR = ModelKind::SubmarineCar,
                    UNKNOWN = ModelKind::UnknownVehicle;

// Assumption: a vehicle's display name is its model name in upper case, at
// most 12 characters (the game's display names are upper case and short).
std::string displayNameOf(std::string name) {
    name = name.substr(0, 12);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

void addVehicle(ModelCatalogue& catalogue, const char* name, ModelKind kind, bool armed) {
    ModelInfo& info = catalogue.add(name, kind);
    info.armed = armed;
    info.displayName = displayNameOf(name);
}

}  // namespace

void addVehicleModels(ModelCatalogue& catalogue) {
#define GAME_VEHICLE(name, type, armed) addVehicle(catalogue, name, type, armed);
#include "sim/data/vehicles.def"
#undef GAME_VEHICLE
}

}  // namespace sim
