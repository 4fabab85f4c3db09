#include "sim/model_catalogue.h"

#include "sim/joaat.h"

namespace sim {

bool isVehicleKind(ModelKind kind) { return kind != ModelKind::Ped; }

bool isAircraftKind(ModelKind kind) {
    return kind == ModelKind::Plane || kind == ModelKind::Helicopter || kind == ModelKind::Blimp;
}

bool isLandVehicleKind(ModelKind kind) {
    switch (kind) {
        case ModelKind::Car:
        case ModelKind::Bike:
        case ModelKind::QuadBike:
        case ModelKind::Bicycle:
        case ModelKind::AmphibiousCar:
        case ModelKind::AmphibiousQuadBike:
        case ModelKind::SubmarineCar:
            return true;
        default:
            return false;
    }
}

ModelCatalogue::ModelCatalogue() {
    addPedModels(*this);
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
