#pragma once
// The models the simulated game's data holds: every ped model and every
// vehicle model of the game, each vehicle of the game's type (sim/data/, from
// public reference data). A name the game does not have is not here, so it is
// not in the game's data and never loads. A model can be made missing or never
// finish loading.
#include <cstdint>
#include <string>
#include <unordered_map>

namespace sim {

// A ped, or a vehicle of one of the game's vehicle types; UnknownVehicle where
// the reference data knows only the vehicle's name.
enum class ModelKind {
    Ped,
    Car,
    Bike,
    QuadBike,
    Bicycle,
    Plane,
    Helicopter,
    Blimp,
    Boat,
    Submarine,
    Trailer,
    Train,
    AmphibiousCar,
    AmphibiousQuadBike,
    SubmarineCar,
    UnknownVehicle,
};

bool isVehicleKind(ModelKind kind);
// Flies: aeroplanes, helicopters, blimps.
bool isAircraftKind(ModelKind kind);
// Drives on land with someone in the driver's seat: cars, motorcycles, quad
// bikes, bicycles, and the cars and quad bikes that also swim or dive.
bool isLandVehicleKind(ModelKind kind);

struct ModelInfo {
    std::string name;
    ModelKind kind = ModelKind::Ped;
    bool human = false;         // peds: a person, not an animal
    std::string animalMotion;   // peds: how an animal moves ("bird", "fish", ...), empty where not known
    bool armed = false;         // vehicles: it carries weapons
    bool inGameData = true;     // false: the game's data does not hold it
    bool neverLoads = false;    // requested, it never finishes loading
    std::string displayName;    // vehicles: the display name of the model
};

class ModelCatalogue {
public:
    ModelCatalogue();
    const ModelInfo* find(uint32_t model) const;
    ModelInfo* find(uint32_t model);
    ModelInfo& add(const std::string& name, ModelKind kind);
    // Switches for tests and scenarios.
    void makeMissing(const std::string& name);
    void makeNeverLoading(const std::string& name);
    // About one vehicle model in outOf never finishes loading, which ones
    // chosen by the salt.
    void makeSomeVehiclesNeverLoad(uint32_t salt, uint32_t outOf);
    template <class Visit>
    void forEach(Visit visit) const {
        for (const auto& [hash, info] : models_) visit(hash, info);
    }

private:
    std::unordered_map<uint32_t, ModelInfo> models_;
};

// The game's ped models (sim/ped_model_catalogue.cpp) and vehicle models
// (sim/vehicle_catalogue.cpp), added to a catalogue.
void addPedModels(ModelCatalogue& catalogue);
void addVehicleModels(ModelCatalogue& catalogue);

}  // namespace sim
