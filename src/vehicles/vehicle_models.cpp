// PLACEHOLDER: to be replaced by the real implementation.
#include "vehicles/vehicle_models.h"

uint32_t pickModel(const VehicleModelList& list) { return {}; }
uint32_t pickLandVehicleModel() { return {}; }
uint32_t pickAirVehicleModel() { return {}; }
