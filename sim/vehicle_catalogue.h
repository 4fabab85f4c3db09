#pragma once
// The vehicle models of the simulated game's data.
namespace sim {
class ModelCatalogue;
void addVehicleModels(ModelCatalogue& catalogue);
}  // namespace sim
