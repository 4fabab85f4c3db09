// Every ped model of the game, and whether it is a person or an animal
// (sim/data/peds.def).
#include "sim/model_catalogue.h"

namespace sim {

void addPedModels(ModelCatalogue& catalogue) {
#define GAME_PED(name, isHuman) catalogue.add(name, ModelKind::Ped).human = isHuman;
#include "sim/data/peds.def"
#undef GAME_PED
}

}  // namespace sim
