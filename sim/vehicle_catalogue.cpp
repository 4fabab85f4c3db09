// PLACEHOLDER: to be replaced by the real implementation.
#include "sim/vehicle_catalogue.h"
namespace sim {
void addVehicleModels(ModelCatalogue&) {}
}  // namespace sim
