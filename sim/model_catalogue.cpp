#include "sim/model_catalogue.h"

#include "sim/joaat.h"
#include "sim/vehicle_catalogue.h"

namespace sim {

ModelCatalogue::ModelCatalogue() {
    for (int i = 0; i < pedModelCatalogueCount; ++i) {
        ModelInfo& info = models_[pedModelCatalogue[i].hash];
        info.name = pedModelCatalogue[i].name;
        info.kind = ModelKind::Ped;
        info.human = pedModelCatalogue[i].human;
    }
    addVehicleModels(*this);
}

const ModelInfo* ModelCatalogue::find(uint32_t model) const {
    auto it = models_.find(model);
    return it == models_.end() ? nullptr : &it->second;
}

ModelInfo* ModelCatalogue::find(uint32_t model) {
    auto it = models_.find(model);
    return it == models_.end() ? nullptr : &it->second;
}

ModelInfo& ModelCatalogue::add(const std::string& name, ModelKind kind) {
    ModelInfo& info = models_[joaat(name.c_str())];
    info.name = name;
    info.kind = kind;
    return info;
}

void ModelCatalogue::makeMissing(const std::string& name) {
    if (ModelInfo* info = find(joaat(name.c_str()))) info->inGameData = false;
}

void ModelCatalogue::makeNeverLoading(const std::string& name) {
    if (ModelInfo* info = find(joaat(name.c_str()))) info->neverLoads = true;
}

void ModelCatalogue::makeSomeVehiclesNeverLoad(uint32_t salt, uint32_t outOf) {
    for (auto& [hash, info] : models_) {
        uint32_t mix = (hash ^ salt) * 0x9E3779B1u;
        if (info.kind != ModelKind::Ped && (mix >> 16) % outOf == 0) info.neverLoads = true;
    }
}

}  // namespace sim
