#pragma once
// The vehicle model lists and the draws by "land_vehicle_type" and "air_vehicle_type".
#include <cstddef>
#include <cstdint>

#include "vehicles/vehicle_model_names.h"

struct VehicleModelList {
    const char* const* names;
    int32_t count;
};

struct ReplacementTable {
    const ReplacementBand* bands;
    int32_t count;
};

extern const VehicleModelList superCarModels, motorcycleModels, armedLandModels, armedBikeModels, muscleCarModels,
    emergencyModels, offRoadModels, suvModels, sedanModels, serviceModels, sportsCarModels, sportsClassicModels,
    utilityModels, vanModels, industrialModels, commercialModels, compactModels, coupeModels, bicycleModels,
    allLandModels;
extern const VehicleModelList planeModels, helicopterModels, armedPlaneModels, armedHelicopterModels,
    defaultPlaneModels;
extern const VehicleModelList otherArmedLandModels, otherArmedHelicopterModels;
extern const ReplacementTable unarmedPlaneReplacements, unarmedHelicopterReplacements, unarmedMotorcycleReplacements;

// An unarmed draw: a candidate from a list; if its hash is that of an entry
// of the armed lists, it is swapped for a replacement, which is not compared
// again: an unarmed entry of a list (one not named in the armed lists), or a
// fixed name by a replacement table's bands.
struct UnarmedDraw {
    const VehicleModelList* candidates;
    const VehicleModelList* excluded;      // compared first
    const VehicleModelList* alsoExcluded;  // then these (nullptr: none)
    const VehicleModelList* replacementList;   // a replacement drawn from its unarmed entries, or
    const ReplacementTable* replacementTable;  // by its bands
};
extern const UnarmedDraw unarmedLandDraw, unarmedMotorcycleDraw, unarmedPlaneDraw, unarmedHelicopterDraw;

// One draw of a vehicle type: a list, or an unarmed draw.
struct ModelDraw {
    const VehicleModelList* list;  // nullptr for an unarmed draw
    const UnarmedDraw* unarmed;
};

// A value of "land_vehicle_type" or "air_vehicle_type": its name as the key's
// choices give it, and its draw; a mixed value draws `draw` when the host's
// random float between 1.0 and 101.0 lies above `threshold`, else `otherwise`.
struct VehicleType {
    const char* name;
    ModelDraw draw;
    ModelDraw otherwise;  // both members nullptr: not mixed
    float threshold;
};
struct VehicleTypeTable {
    const VehicleType* types;  // values 1 to count, in order
    int32_t count;
    ModelDraw otherValue;      // the draw of any other value
};
extern const VehicleTypeTable landVehicleTypes, airVehicleTypes;

uint32_t pickModel(const VehicleModelList& list);
uint32_t pickLandVehicleModel();
uint32_t pickAirVehicleModel();
// The model's name as the lists write it ("Adder"), for the log; a model of no
// list by its number ("model 0x1234ABCD"). Hashes the list names one by one,
// so it is for a spawn, not for every frame.
void nameVehicleModel(uint32_t model, char* name, size_t size);
