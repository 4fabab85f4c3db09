#pragma once
// The models the simulated game's data holds: every ped model known to public
// data, and the vehicle models the plug-in's lists name (added by the vehicle
// rules). A model can be made missing or never finish loading.
#include <cstdint>
#include <string>
#include <unordered_map>

namespace sim {

struct PedModelEntry {
    uint32_t hash;
    const char* name;
    bool human;
};
extern const PedModelEntry pedModelCatalogue[];
extern const int pedModelCatalogueCount;

enum class ModelKind { Ped, Car, Bike, Plane, Helicopter };

struct ModelInfo {
    std::string name;
    ModelKind kind = ModelKind::Ped;
    bool human = false;
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

private:
    std::unordered_map<uint32_t, ModelInfo> models_;
};

}  // namespace sim
