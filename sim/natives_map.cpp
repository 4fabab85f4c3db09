// The game's map: blips and the player's waypoint.
#include "sim/native_table.h"

namespace sim {
namespace {

// Assumption: a blip a script adds stays on the map, across loading screens,
// until a script removes it; its handle is never 0.
void addBlipForCoord(const NativeCall& c) {
    World& w = c.world;
    int32_t handle = w.nextBlipHandle++;
    Blip& blip = w.blips[handle];
    blip.position = Vec3{c.f32(0), c.f32(1), c.f32(2)};
    blip.byScript = true;
    c.returnU32(static_cast<uint32_t>(handle));
}

Blip* blipOf(const NativeCall& c, size_t argument) {
    auto it = c.world.blips.find(c.i32(argument));
    return it == c.world.blips.end() ? nullptr : &it->second;
}

void setBlipSprite(const NativeCall& c) {
    if (Blip* blip = blipOf(c, 0)) blip->sprite = c.i32(1);
}

void setBlipColour(const NativeCall& c) {
    if (Blip* blip = blipOf(c, 0)) blip->colour = c.i32(1);
}

void beginBlipName(const NativeCall& c) {
    c.world.pendingComponentType = c.text(0);
    c.world.pendingComponents.clear();
}

void endBlipName(const NativeCall& c) {
    std::string name;
    for (const std::string& part : c.world.pendingComponents) name += part;
    c.world.pendingComponents.clear();
    if (Blip* blip = blipOf(c, 0)) blip->name = name;
}

// The game removes the blip the variable names and clears the variable.
void removeBlip(const NativeCall& c) {
    int32_t* variable = c.pointer<int32_t>(0);
    c.world.blips.erase(*variable);
    *variable = 0;
}

int32_t firstBlipOfSprite(const World& w, int32_t sprite) {
    for (const auto& entry : w.blips)
        if (entry.second.sprite == sprite) return entry.first;
    return 0;
}

void isWaypointActive(const NativeCall& c) { c.returnBool(firstBlipOfSprite(c.world, waypointSprite) != 0); }

void firstBlipInfoId(const NativeCall& c) { c.returnU32(static_cast<uint32_t>(firstBlipOfSprite(c.world, c.i32(0)))); }

void blipInfoIdCoord(const NativeCall& c) {
    const Blip* blip = blipOf(c, 0);
    c.returnVector(blip ? blip->position : Vec3{});
}

}  // namespace

void registerMapNatives(NativeTable& t) {
    t[0x5A039BB0BCA604B6ull] = {"ADD_BLIP_FOR_COORD", addBlipForCoord};
    t[0xDF735600A4696DAFull] = {"SET_BLIP_SPRITE", setBlipSprite};
    t[0x03D7FB09E75D6B7Eull] = {"SET_BLIP_COLOUR", setBlipColour};
    t[0xF9113A30DE5C6670ull] = {"BEGIN_TEXT_COMMAND_SET_BLIP_NAME", beginBlipName};
    t[0xBC38B49BCB83BC9Bull] = {"END_TEXT_COMMAND_SET_BLIP_NAME", endBlipName};
    t[0x86A652570E5F25DDull] = {"REMOVE_BLIP", removeBlip};
    t[0x1DD1F58F493F1DA5ull] = {"IS_WAYPOINT_ACTIVE", isWaypointActive};
    t[0x1BEDE233E6CD2A1Full] = {"GET_FIRST_BLIP_INFO_ID", firstBlipInfoId};
    t[0xFA7C7F0AADF25D09ull] = {"GET_BLIP_INFO_ID_COORD", blipInfoIdCoord};
}

}  // namespace sim
