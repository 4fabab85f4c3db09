#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "shared/table_random.h"
#include "settings/settings_record.h"
#include "sim/joaat.h"
#include "sim/model_catalogue.h"
#include "tests/support/native_hashes.h"
#include "tests/support/plugin_state.h"
#include "tools/settings_key_descriptions.h"
#include "settings/settings_key_texts.h"
#include "vehicles/vehicle_models.h"

namespace {


// The table generator's arithmetic, kept apart from the plug-in's own copy.
int32_t nextDraw(uint32_t& state) {
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}

// The draws a seed gives, in order.
std::vector<int32_t> drawsOf(uint32_t seed, int count) {
    std::vector<int32_t> draws;
    for (int i = 0; i < count; ++i) draws.push_back(nextDraw(seed));
    return draws;
}

// The first seed whose first draw picks `index` of a list of `count` entries
// and whose second draw picks `secondIndex` of a list of `secondCount` (-1: any).
uint32_t seedPicking(int32_t index, int32_t count, int32_t secondIndex = -1, int32_t secondCount = 1) {
    for (uint32_t seed = 1;; ++seed) {
        std::vector<int32_t> draws = drawsOf(seed, 2);
        if (draws[0] % count == index && (secondIndex < 0 || draws[1] % secondCount == secondIndex)) return seed;
    }
}

uint32_t entryHash(const VehicleModelList& list, int32_t index) { return sim::joaat(list.names[index]); }

std::string entry(const VehicleModelList& list, int32_t index) { return list.names[index]; }

float floatArgument(const sim::CallRecord& call, size_t i) {
    uint32_t bits = static_cast<uint32_t>(call.args.at(i));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool contains(const VehicleModelList& list, const char* name) {
    for (int32_t i = 0; i < list.count; ++i)
        if (sim::joaat(list.names[i]) == sim::joaat(name)) return true;
    return false;
}

}  // namespace

TEST(VehicleModelLists, HoldTheirEntryCounts) {
    testing_support::loadPlugin();
    const std::vector<std::pair<const VehicleModelList*, int32_t>> counts = {
        {&superCarModels, 40},      {&motorcycleModels, 53},    {&armedLandModels, 28},
        {&armedBikeModels, 2},      {&muscleCarModels, 44},     {&emergencyModels, 15},
        {&offRoadModels, 27},       {&suvModels, 23},           {&sedanModels, 22},
        {&serviceModels, 10},       {&sportsCarModels, 55},     {&sportsClassicModels, 31},
        {&utilityModels, 17},       {&vanModels, 31},           {&industrialModels, 11},
        {&commercialModels, 13},    {&compactModels, 11},       {&coupeModels, 14},
        {&bicycleModels, 7},        {&allLandModels, 426},      {&planeModels, 36},
        {&helicopterModels, 24},    {&armedPlaneModels, 15},    {&armedHelicopterModels, 8},
        {&defaultPlaneModels, 22},  {&otherArmedLandModels, 3}, {&otherArmedHelicopterModels, 1},
    };
    for (const auto& [list, count] : counts) EXPECT_EQ(list->count, count) << list->names[0];
}

TEST(VehicleModelLists, KeepStoredOrderDuplicatesAndLetterCase) {
    testing_support::loadPlugin();
    EXPECT_EQ(entry(superCarModels, 0), "Adder");
    EXPECT_EQ(entry(superCarModels, 32), "Vigilante");
    EXPECT_EQ(entry(superCarModels, 39), "XA21");
    EXPECT_EQ(entry(motorcycleModels, 0), "Policeb");
    EXPECT_EQ(entry(motorcycleModels, 52), "Blazer5");
    // "Thruster" (a jetpack) no longer follows "Rhino".
    EXPECT_EQ(entry(armedLandModels, 4), "Rhino");
    EXPECT_EQ(entry(armedLandModels, 5), "Insurgent");
    // The armoured vehicles without weapons left the armed list; its
    // duplicates in other letter case stay.
    EXPECT_EQ(entry(armedLandModels, 8), "LIMO2");
    EXPECT_EQ(entry(armedLandModels, 16), "Limo2");
    EXPECT_EQ(entry(armedLandModels, 9), "Boxville5");
    EXPECT_EQ(entry(armedLandModels, 13), "Boxville5");
    EXPECT_EQ(entry(armedLandModels, 20), "Vigilante");
    EXPECT_EQ(entry(armedLandModels, 27), "Caracara");
    EXPECT_EQ(entry(armedBikeModels, 0), "Oppressor");
    EXPECT_EQ(entry(armedBikeModels, 1), "Blazer5");
    // The game's names of the fire truck and the wastelander.
    EXPECT_EQ(entry(emergencyModels, 3), "firetruk");
    EXPECT_EQ(entry(serviceModels, 9), "wastelander");
    // "TrailerLarge" (a trailer) no longer follows "Tractor2".
    EXPECT_EQ(entry(utilityModels, 13), "Tractor2");
    EXPECT_EQ(entry(utilityModels, 14), "UtilliTruck");
    EXPECT_EQ(entry(utilityModels, 15), "UtilliTruck3");
    EXPECT_EQ(entry(utilityModels, 16), "UtilliTruck2");
    EXPECT_EQ(entry(bicycleModels, 6), "TriBike3");
    EXPECT_EQ(entry(planeModels, 0), "AlphaZ1");
    EXPECT_EQ(entry(planeModels, 35), "Volatol");
    EXPECT_EQ(entry(helicopterModels, 0), "Polmav");
    EXPECT_EQ(entry(helicopterModels, 23), "Valkyrie2");
    EXPECT_EQ(entry(armedHelicopterModels, 3), "Hunter");
    EXPECT_EQ(entry(defaultPlaneModels, 1), "Lazer");
    EXPECT_EQ(entry(defaultPlaneModels, 14), "Lazer");
    EXPECT_EQ(entry(defaultPlaneModels, 21), "Velum2");
}

TEST(VehicleModelLists, AllLandModelsIsMadeOfItsRunsInOrder) {
    testing_support::loadPlugin();
    // Run starts: commercial, compact, coupe, bicycle, emergency, ..., super cars,
    // utility, van, the five of no other list, the armed land vehicles.
    EXPECT_EQ(entry(allLandModels, 0), "Benson");
    EXPECT_EQ(entry(allLandModels, 13), "Blista");
    EXPECT_EQ(entry(allLandModels, 24), "CogCabrio");
    EXPECT_EQ(entry(allLandModels, 38), "Bmx");
    EXPECT_EQ(entry(allLandModels, 45), "Ambulance");
    EXPECT_EQ(entry(allLandModels, 48), "firetruk");
    EXPECT_EQ(entry(allLandModels, 196), "wastelander");
    EXPECT_EQ(entry(allLandModels, 283), "Adder");
    EXPECT_EQ(entry(allLandModels, 314), "Vagner");
    EXPECT_EQ(entry(allLandModels, 315), "Visione");  // "Vigilante" left out of the super cars
    EXPECT_EQ(entry(allLandModels, 322), "Airtug");
    EXPECT_EQ(entry(allLandModels, 339), "Bison");
    EXPECT_EQ(entry(allLandModels, 370), "Barracks");
    EXPECT_EQ(entry(allLandModels, 374), "RIOT");
    EXPECT_EQ(entry(allLandModels, 375), "APC");
    EXPECT_EQ(entry(allLandModels, 379), "Rhino");
    EXPECT_EQ(entry(allLandModels, 380), "Insurgent");
    EXPECT_EQ(entry(allLandModels, 383), "KURUMA2");
    EXPECT_EQ(entry(allLandModels, 418), "Vigilante");
    EXPECT_EQ(entry(allLandModels, 425), "Caracara");
    int ruiner3 = 0, vigilante = 0;
    for (int32_t i = 0; i < allLandModels.count; ++i) {
        EXPECT_FALSE(contains(motorcycleModels, allLandModels.names[i])) << allLandModels.names[i];
        ruiner3 += std::string(allLandModels.names[i]) == "Ruiner3";
        vigilante += std::string(allLandModels.names[i]) == "Vigilante";
    }
    EXPECT_EQ(ruiner3, 1);  // from the muscle cars only
    EXPECT_EQ(vigilante, 1);
}

TEST(VehicleModelPicks, SingleListValuesDrawTheirListByTableIndex) {
    testing_support::loadPlugin();
    const std::vector<std::pair<int32_t, const VehicleModelList*>> land = {
        {1, &allLandModels},     {2, &motorcycleModels},     {4, &armedLandModels},   {5, &armedBikeModels},
        {10, &superCarModels},   {11, &muscleCarModels},     {12, &emergencyModels},  {13, &offRoadModels},
        {14, &suvModels},        {15, &sedanModels},         {16, &serviceModels},    {17, &sportsCarModels},
        {18, &sportsClassicModels}, {19, &utilityModels},    {20, &vanModels},        {21, &industrialModels},
        {22, &commercialModels}, {23, &compactModels},       {24, &coupeModels},      {25, &bicycleModels},
        {0, &superCarModels},    {-1, &superCarModels},      {26, &superCarModels},
    };
    const std::vector<std::pair<int32_t, const VehicleModelList*>> air = {
        {1, &planeModels},          {2, &helicopterModels},     {4, &armedPlaneModels},
        {5, &armedHelicopterModels}, {10, &defaultPlaneModels}, {11, &defaultPlaneModels},
        {0, &defaultPlaneModels},   {-1, &defaultPlaneModels},
    };
    for (uint32_t seed : {7u, 1000u, 424242u}) {
        for (const auto& [value, list] : land) {
            settings.land_vehicle_type = value;
            seedTableRandom(seed);
            EXPECT_EQ(pickLandVehicleModel(), entryHash(*list, drawsOf(seed, 1)[0] % list->count)) << value;
        }
        for (const auto& [value, list] : air) {
            settings.air_vehicle_type = value;
            seedTableRandom(seed);
            EXPECT_EQ(pickAirVehicleModel(), entryHash(*list, drawsOf(seed, 1)[0] % list->count)) << value;
        }
    }
}

TEST(VehicleModelPicks, MixedValuesRollAboveTheirThreshold) {
    sim::World& w = testing_support::loadPlugin();
    struct Case {
        bool land;
        int32_t value;
        float roll;
        const VehicleModelList* list;
    };
    const Case cases[] = {
        {true, 3, 40.0f, &motorcycleModels},  {true, 3, 40.5f, &allLandModels},
        {true, 6, 25.0f, &armedBikeModels},   {true, 6, 25.5f, &armedLandModels},
        {true, 6, 40.0f, &armedLandModels},   {false, 3, 40.0f, &helicopterModels},
        {false, 3, 40.5f, &planeModels},      {false, 6, 40.0f, &armedHelicopterModels},
        {false, 6, 40.5f, &armedPlaneModels},
    };
    for (const Case& c : cases) {
        w.calls.clear();
        w.forcedFloats = {c.roll};
        settings.land_vehicle_type = c.value;
        settings.air_vehicle_type = c.value;
        seedTableRandom(99);
        uint32_t picked = c.land ? pickLandVehicleModel() : pickAirVehicleModel();
        EXPECT_EQ(picked, entryHash(*c.list, drawsOf(99, 1)[0] % c.list->count)) << c.value << " " << c.roll;
        ASSERT_EQ(w.countCalls(randomFloatNative), 1);
        EXPECT_EQ(floatArgument(w.calls[0], 0), 1.0f);
        EXPECT_EQ(floatArgument(w.calls[0], 1), 101.0f);
    }
}

// The unarmed super car a table draw of `draw` picks: "Vigilante" (index 32) is left out.
uint32_t unarmedSuperCar(int32_t draw) {
    int32_t index = draw % 39;
    return entryHash(superCarModels, index < 32 ? index : index + 1);
}

TEST(VehicleModelPicks, UnarmedLandDrawReplacesArmedCandidatesByUnarmedSuperCars) {
    testing_support::loadPlugin();
    settings.land_vehicle_type = 7;
    // Armed candidates: "APC", "Dune3", "Vigilante" and "Caracara" of the armed
    // run; then the armed vehicles of other lists ("Ruiner2", "Technical",
    // "Technical2").
    for (int32_t index : {375, 406, 418, 425, 98, 138, 139}) {
        uint32_t seed = seedPicking(index, 426);
        seedTableRandom(seed);
        EXPECT_EQ(pickLandVehicleModel(), unarmedSuperCar(drawsOf(seed, 2)[1])) << index;
    }
    // The replacement is an unarmed super car: a draw that would pick
    // "Vigilante" among all 40 picks "Visione", the next unarmed one.
    seedTableRandom(seedPicking(375, 426, 32, 39));
    EXPECT_EQ(pickLandVehicleModel(), sim::joaat("Visione"));
    // Unarmed candidates stay, the armoured "KURUMA2" and "RIOT2" and the
    // weaponless "Ruiner3" among them, and only one table draw is used.
    for (int32_t index : {283, 383, 385, 99}) {
        uint32_t seed = seedPicking(index, 426);
        seedTableRandom(seed);
        EXPECT_EQ(pickLandVehicleModel(), entryHash(allLandModels, index)) << index;
        EXPECT_EQ(tableRandom(), drawsOf(seed, 2)[1]);
    }
}

TEST(VehicleModelPicks, UnarmedAircraftAndMotorcycleDrawsUseTheirReplacementBands) {
    sim::World& w = testing_support::loadPlugin();
    struct Band {
        float roll;
        const char* name;
    };
    const Band planeBands[] = {{1.0f, "Stunt"},     {10.99f, "Stunt"},  {11.0f, "Velum"},    {20.99f, "Velum"},
                               {21.0f, "Howard"},   {30.99f, "Howard"}, {31.0f, "Cuban800"}, {40.99f, "Cuban800"},
                               {41.0f, "Howard"},   {50.99f, "Howard"}, {51.0f, "Nimbus"},   {60.99f, "Nimbus"},
                               {61.0f, "Shamal"},   {70.99f, "Shamal"}, {71.0f, "Duster"},   {80.99f, "Duster"},
                               {81.0f, "Besra"},    {100.9f, "Besra"}};
    const Band helicopterBands[] = {{30.99f, "Supervolito"}, {31.0f, "Buzzard2"}, {60.99f, "Buzzard2"},
                                    {61.0f, "Frogger"}};
    const Band motorcycleBands[] = {{25.99f, "Zombieb"}, {26.0f, "Akuma"},     {50.99f, "Akuma"},
                                    {51.0f, "Manchez"},  {75.99f, "Manchez"},  {76.0f, "Wolfsbane"},
                                    {90.99f, "Wolfsbane"}, {91.0f, "CarbonRS"}};
    settings.air_vehicle_type = 7;
    for (const Band& band : planeBands) {
        w.forcedFloats = {band.roll};
        seedTableRandom(seedPicking(12, 36));  // "Hydra"
        EXPECT_EQ(pickAirVehicleModel(), sim::joaat(band.name)) << band.roll;
    }
    settings.air_vehicle_type = 8;
    for (int32_t armed : {19, 8}) {  // "Hunter", and "Havok", armed though in no armed list
        for (const Band& band : helicopterBands) {
            w.forcedFloats = {band.roll};
            seedTableRandom(seedPicking(armed, 24));
            EXPECT_EQ(pickAirVehicleModel(), sim::joaat(band.name)) << band.roll;
        }
    }
    settings.land_vehicle_type = 8;
    for (int32_t armed : {51, 52}) {  // "Oppressor", "Blazer5"
        for (const Band& band : motorcycleBands) {
            w.forcedFloats = {band.roll};
            seedTableRandom(seedPicking(armed, 53));
            EXPECT_EQ(pickLandVehicleModel(), sim::joaat(band.name)) << band.roll;
        }
    }
    // Unarmed candidates are kept without a replacement roll.
    w.forcedFloats.clear();
    w.calls.clear();
    settings.air_vehicle_type = 7;
    seedTableRandom(seedPicking(4, 36));
    EXPECT_EQ(pickAirVehicleModel(), sim::joaat("Blimp"));
    settings.air_vehicle_type = 8;
    seedTableRandom(seedPicking(6, 24));
    EXPECT_EQ(pickAirVehicleModel(), sim::joaat("Frogger"));
    settings.land_vehicle_type = 8;
    seedTableRandom(seedPicking(1, 53));
    EXPECT_EQ(pickLandVehicleModel(), sim::joaat("Akuma"));
    EXPECT_EQ(w.countCalls(randomFloatNative), 0);
}

TEST(VehicleModelPicks, ValueNineChoosesBetweenTheUnarmedDraws) {
    sim::World& w = testing_support::loadPlugin();
    settings.land_vehicle_type = 9;
    w.forcedFloats = {40.0f, 76.0f};  // motorcycle draw, then its replacement roll
    seedTableRandom(seedPicking(51, 53));
    EXPECT_EQ(pickLandVehicleModel(), sim::joaat("Wolfsbane"));
    w.forcedFloats = {40.5f};
    uint32_t seed = seedPicking(375, 426);
    seedTableRandom(seed);
    EXPECT_EQ(pickLandVehicleModel(), unarmedSuperCar(drawsOf(seed, 2)[1]));

    settings.air_vehicle_type = 9;
    w.forcedFloats = {40.0f, 61.0f};
    seedTableRandom(seedPicking(19, 24));
    EXPECT_EQ(pickAirVehicleModel(), sim::joaat("Frogger"));
    w.forcedFloats = {40.5f, 55.0f};
    seedTableRandom(seedPicking(12, 36));
    EXPECT_EQ(pickAirVehicleModel(), sim::joaat("Nimbus"));
}

namespace {

// A list of names a draw can yield: a model list or the names of a replacement table.
struct Draw {
    const char* what;
    std::vector<std::string> names;
};

Draw namesOf(const char* what, const VehicleModelList& list) { return {what, {list.names, list.names + list.count}}; }

Draw namesOf(const char* what, const ReplacementTable& table) {
    Draw draw{what, {}};
    for (int32_t i = 0; i < table.count; ++i) draw.names.push_back(table.bands[i].name);
    return draw;
}

// What the game knows of a name: its model, or nullptr when it has none.
const sim::ModelInfo* gameModel(const sim::ModelCatalogue& game, const std::string& name) {
    const sim::ModelInfo* info = game.find(sim::joaat(name.c_str()));
    return info && info->kind != sim::ModelKind::Ped ? info : nullptr;
}

}  // namespace

TEST(VehicleModelLists, HoldOnlyVehiclesTheGameHasOfTheKindTheirDrawPromises) {
    const sim::ModelCatalogue game;
    const Draw land[] = {
        namesOf("super cars", superCarModels),      namesOf("motorcycles", motorcycleModels),
        namesOf("armed land", armedLandModels),     namesOf("armed bikes", armedBikeModels),
        namesOf("muscle cars", muscleCarModels),    namesOf("emergency", emergencyModels),
        namesOf("off-road", offRoadModels),         namesOf("SUVs", suvModels),
        namesOf("sedans", sedanModels),             namesOf("service", serviceModels),
        namesOf("sports cars", sportsCarModels),    namesOf("sports classics", sportsClassicModels),
        namesOf("utility", utilityModels),          namesOf("vans", vanModels),
        namesOf("industrial", industrialModels),    namesOf("commercial", commercialModels),
        namesOf("compacts", compactModels),         namesOf("coupes", coupeModels),
        namesOf("bicycles", bicycleModels),         namesOf("all land", allLandModels),
        namesOf("other armed land", otherArmedLandModels),
        namesOf("unarmed motorcycle replacements", unarmedMotorcycleReplacements),
    };
    for (const Draw& draw : land)
        for (const std::string& name : draw.names) {
            const sim::ModelInfo* model = gameModel(game, name);
            if (!model) {
                ADD_FAILURE() << draw.what << ": " << name << " is no vehicle of the game";
                continue;
            }
            EXPECT_TRUE(sim::isLandVehicleKind(model->kind)) << draw.what << ": " << name << " is not driven on land";
        }
    // Aeroplane lists hold aeroplanes (and blimps), helicopter lists helicopters.
    const std::pair<Draw, std::vector<sim::ModelKind>> air[] = {
        {namesOf("planes", planeModels), {sim::ModelKind::Plane, sim::ModelKind::Blimp}},
        {namesOf("armed planes", armedPlaneModels), {sim::ModelKind::Plane}},
        {namesOf("default planes", defaultPlaneModels), {sim::ModelKind::Plane}},
        {namesOf("unarmed plane replacements", unarmedPlaneReplacements), {sim::ModelKind::Plane}},
        {namesOf("helicopters", helicopterModels), {sim::ModelKind::Helicopter}},
        {namesOf("armed helicopters", armedHelicopterModels), {sim::ModelKind::Helicopter}},
        {namesOf("other armed helicopters", otherArmedHelicopterModels), {sim::ModelKind::Helicopter}},
        {namesOf("unarmed helicopter replacements", unarmedHelicopterReplacements), {sim::ModelKind::Helicopter}},
    };
    for (const auto& [draw, kinds] : air)
        for (const std::string& name : draw.names) {
            const sim::ModelInfo* model = gameModel(game, name);
            if (!model) {
                ADD_FAILURE() << draw.what << ": " << name << " is no vehicle of the game";
                continue;
            }
            EXPECT_NE(std::find(kinds.begin(), kinds.end(), model->kind), kinds.end())
                << draw.what << ": " << name << " is not of the list's kind";
        }
}

TEST(VehicleModelLists, UnarmedDrawsYieldOnlyUnarmedVehicles) {
    const sim::ModelCatalogue game;
    for (const UnarmedDraw* draw : {&unarmedLandDraw, &unarmedMotorcycleDraw, &unarmedPlaneDraw, &unarmedHelicopterDraw}) {
        const char* what = draw->candidates->names[0];
        auto excluded = [draw](const char* name) {
            return contains(*draw->excluded, name) || (draw->alsoExcluded && contains(*draw->alsoExcluded, name));
        };
        std::vector<std::string> yielded;
        for (int32_t i = 0; i < draw->candidates->count; ++i)
            if (!excluded(draw->candidates->names[i])) yielded.push_back(draw->candidates->names[i]);
        if (draw->replacementList) {
            for (int32_t i = 0; i < draw->replacementList->count; ++i)
                if (!excluded(draw->replacementList->names[i])) yielded.push_back(draw->replacementList->names[i]);
        } else {
            for (const std::string& name : namesOf("", *draw->replacementTable).names) yielded.push_back(name);
        }
        for (const std::string& name : yielded) {
            const sim::ModelInfo* model = gameModel(game, name);
            if (!model) {
                ADD_FAILURE() << what << ": " << name << " is no vehicle of the game";
                continue;
            }
            EXPECT_FALSE(model->armed) << what << ": the unarmed draw can yield " << name;
        }
    }
}

TEST(VehicleModelLists, ArmedListsHoldOnlyVehiclesThatCarryWeapons) {
    const sim::ModelCatalogue game;
    const Draw armed[] = {
        namesOf("armed land", armedLandModels),         namesOf("armed bikes", armedBikeModels),
        namesOf("armed planes", armedPlaneModels),      namesOf("armed helicopters", armedHelicopterModels),
        namesOf("other armed land", otherArmedLandModels), namesOf("other armed helicopters", otherArmedHelicopterModels),
    };
    for (const Draw& draw : armed)
        for (const std::string& name : draw.names) {
            const sim::ModelInfo* model = gameModel(game, name);
            ASSERT_NE(model, nullptr) << draw.what << ": " << name;
            EXPECT_TRUE(model->armed) << draw.what << ": " << name << " carries no weapon in the game's data";
        }
    // The armoured vehicles without weapons are unarmed to the game's data.
    for (const char* armoured : {"kuruma2", "dukes2", "cognoscenti", "cog552", "baller5", "schafter6", "xls2",
                                 "brickade", "riot2", "ruiner3"})
        EXPECT_FALSE(gameModel(game, armoured)->armed) << armoured;
}

namespace {

// The names of a Choice key's values, in order.
std::vector<std::string> choicesOf(SettingId id) {
    std::vector<std::string> names;
    std::string choices = settingKeyText(id).choices;
    for (size_t start = 0;;) {
        size_t bar = choices.find('|', start);
        names.push_back(choices.substr(start, bar - start));
        if (bar == std::string::npos) return names;
        start = bar + 1;
    }
}

}  // namespace

TEST(VehicleTypeTables, AreTheChoicesTheKeyTableNamesAndDescribes) {
    const std::pair<SettingId, const VehicleTypeTable*> keys[] = {
        {SettingId::land_vehicle_type, &landVehicleTypes},
        {SettingId::air_vehicle_type, &airVehicleTypes},
    };
    for (const auto& [id, table] : keys) {
        const SettingKey& key = settingKeys[static_cast<int>(id)];
        SCOPED_TRACE(key.name);
        std::vector<std::string> choices = choicesOf(id);
        ASSERT_EQ(static_cast<int32_t>(choices.size()), table->count);
        EXPECT_EQ(key.low, 1);
        EXPECT_EQ(key.high, table->count);
        std::string description = settingKeyDescriptions[static_cast<int>(id)];
        for (int32_t value = 1; value <= table->count; ++value) {
            EXPECT_EQ(choices[value - 1], table->types[value - 1].name) << value;
            std::string named = std::to_string(value) + " " + table->types[value - 1].name;
            EXPECT_NE(description.find(named), std::string::npos) << "the description does not say " << named;
        }
    }
}

TEST(VehicleModelLists, TheGameCatalogueTellsTheKindsTheListsAreCheckedBy) {
    // The facts the two tests above stand on, as the game's data gives them.
    const sim::ModelCatalogue game;
    const std::pair<const char*, sim::ModelKind> kinds[] = {
        {"trailerlarge", sim::ModelKind::Trailer}, {"thruster", sim::ModelKind::Helicopter},
        {"firetruk", sim::ModelKind::Car},         {"wastelander", sim::ModelKind::Car},
        {"blazer", sim::ModelKind::QuadBike},      {"seasparrow", sim::ModelKind::Helicopter},
        {"dinghy", sim::ModelKind::Boat},          {"blimp", sim::ModelKind::Blimp},
    };
    for (const auto& [name, kind] : kinds) {
        const sim::ModelInfo* model = gameModel(game, name);
        ASSERT_NE(model, nullptr) << name;
        EXPECT_EQ(model->kind, kind) << name;
    }
    EXPECT_EQ(gameModel(game, "FireTruck"), nullptr);
    EXPECT_EQ(gameModel(game, "Wastlndr"), nullptr);
    for (const char* armed : {"ruiner2", "technical", "technical2", "havok", "hunter"})
        EXPECT_TRUE(gameModel(game, armed)->armed) << armed;
    EXPECT_FALSE(gameModel(game, "ruiner")->armed);
    EXPECT_FALSE(sim::isLandVehicleKind(sim::ModelKind::Trailer));
    EXPECT_FALSE(sim::isLandVehicleKind(sim::ModelKind::Boat));
    EXPECT_FALSE(sim::isLandVehicleKind(sim::ModelKind::Helicopter));
    EXPECT_TRUE(sim::isLandVehicleKind(sim::ModelKind::AmphibiousCar));
}
