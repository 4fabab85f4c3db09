// Every ped model of the game: whether it is a person, and how an animal
// moves (sim/data/peds.def).
#include "sim/model_catalogue.h"

namespace sim {
namespace {

void addPed(ModelCatalogue& catalogue, const char* name, bool human, const char* motion) {
    ModelInfo& info = catalogue.add(name, ModelKind::Ped);
    info.human = human;
    info.animalMotion = motion;
}

}  // namespace

void addPedModels(ModelCatalogue& catalogue) {
#define GAME_PED(name, human, motion) addPed(catalogue, name, human, motion);
#include "sim/data/peds.def"
#undef GAME_PED
}

}  // namespace sim
