// The draws of a vehicle model by "land_vehicle_type" and "air_vehicle_type",
// as their type tables give them (vehicle_lists.cpp). The list index always
// comes from the table generator; every choice between lists and every
// fixed-name replacement from the host's random float.
#include "vehicles/vehicle_models.h"

#include <cctype>
#include <cstdio>

#include "host/natives/gameplay_natives.h"
#include "shared/table_random.h"
#include "settings/settings_record.h"

namespace {

// True when the host's random float between 1.0 and 101.0 lies above threshold.
bool rollAbove(float threshold) { return getRandomFloatInRange(1.0f, 101.0f) > threshold; }

// The integer part of the host's random float between 1.0 and 101.0.
int32_t replacementRoll() { return static_cast<int32_t>(getRandomFloatInRange(1.0f, 101.0f)); }

bool listHolds(const VehicleModelList* list, uint32_t model) {
    if (!list) return false;
    for (int32_t i = 0; i < list->count; ++i)
        if (getHashKey(list->names[i]) == model) return true;
    return false;
}

// Names compared as the game's name hash compares them: in any letter case.
bool sameName(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

bool namedIn(const VehicleModelList* list, const char* name) {
    if (!list) return false;
    for (int32_t i = 0; i < list->count; ++i)
        if (sameName(list->names[i], name)) return true;
    return false;
}

// An entry of `list` that the draw's armed lists do not name, by one table
// draw over those entries (compared by name, without asking the game).
uint32_t pickUnarmedEntry(const VehicleModelList& list, const UnarmedDraw& draw) {
    int32_t unarmed = 0;
    for (int32_t i = 0; i < list.count; ++i)
        unarmed += !namedIn(draw.excluded, list.names[i]) && !namedIn(draw.alsoExcluded, list.names[i]);
    if (unarmed == 0) return pickModel(list);
    int32_t wanted = static_cast<int32_t>(tableRandom() % unarmed);
    for (int32_t i = 0; i < list.count; ++i)
        if (!namedIn(draw.excluded, list.names[i]) && !namedIn(draw.alsoExcluded, list.names[i]) && wanted-- == 0)
            return getHashKey(list.names[i]);
    return pickModel(list);
}

uint32_t replacementFrom(const ReplacementTable& table) {
    int32_t v = replacementRoll();
    for (int32_t i = 0; i + 1 < table.count; ++i)
        if (v <= table.bands[i].upTo) return getHashKey(table.bands[i].name);
    return getHashKey(table.bands[table.count - 1].name);
}

// A candidate whose hash equals that of any entry of the excluded lists is
// swapped for a replacement, which is not compared again.
uint32_t drawUnarmed(const UnarmedDraw& draw) {
    uint32_t candidate = pickModel(*draw.candidates);
    if (!listHolds(draw.excluded, candidate) && !listHolds(draw.alsoExcluded, candidate)) return candidate;
    return draw.replacementList ? pickUnarmedEntry(*draw.replacementList, draw) : replacementFrom(*draw.replacementTable);
}

uint32_t drawModel(const ModelDraw& draw) { return draw.list ? pickModel(*draw.list) : drawUnarmed(*draw.unarmed); }

bool isMixed(const VehicleType& type) { return type.otherwise.list || type.otherwise.unarmed; }

uint32_t drawByValue(const VehicleTypeTable& table, int32_t value) {
    if (value < 1 || value > table.count) return drawModel(table.otherValue);
    const VehicleType& type = table.types[value - 1];
    if (!isMixed(type)) return drawModel(type.draw);
    return drawModel(rollAbove(type.threshold) ? type.draw : type.otherwise);
}

// The lists a model may come from, by the type tables: first the first list
// of each draw, in the tables' order (so the all-land list, which holds most of
// what a road spawn makes, comes first), then a mixed value's second.
template <class Visit>
bool anyDrawnList(const VehicleTypeTable& table, Visit visit) {
    auto visitDraw = [&visit](const ModelDraw& draw) {
        if (draw.list) return visit(*draw.list);
        return visit(*draw.unarmed->candidates) || (draw.unarmed->replacementList && visit(*draw.unarmed->replacementList));
    };
    for (int32_t i = 0; i < table.count; ++i)
        if (visitDraw(table.types[i].draw)) return true;
    for (int32_t i = 0; i < table.count; ++i)
        if (isMixed(table.types[i]) && visitDraw(table.types[i].otherwise)) return true;
    return visitDraw(table.otherValue);
}

}  // namespace

uint32_t pickModel(const VehicleModelList& list) { return getHashKey(list.names[tableRandom() % list.count]); }

uint32_t pickLandVehicleModel() { return drawByValue(landVehicleTypes, settings.land_vehicle_type); }

uint32_t pickAirVehicleModel() { return drawByValue(airVehicleTypes, settings.air_vehicle_type); }

void nameVehicleModel(uint32_t model, char* name, size_t size) {
    auto nameFrom = [model, name, size](const VehicleModelList& list) {
        for (int32_t i = 0; i < list.count; ++i)
            if (getHashKey(list.names[i]) == model) {
                std::snprintf(name, size, "%s", list.names[i]);
                return true;
            }
        return false;
    };
    if (anyDrawnList(landVehicleTypes, nameFrom) || anyDrawnList(airVehicleTypes, nameFrom)) return;
    std::snprintf(name, size, "model 0x%08X", static_cast<unsigned>(model));
}
