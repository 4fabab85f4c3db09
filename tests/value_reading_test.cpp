// How the checker tells a value as the plug-in's readers take it, and the fix
// it gives, for the values players type in Notepad.
#include "checker/value_reading.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_record.h"

namespace {

struct Told {
    ReadingKind kind;
    std::string head;
    std::string fix;
};

Told tellKey(SettingId id, const std::string& value) {
    const SettingKey& key = settingKey(id);
    ValueReading reading = readSettingValue(value, key.kind == SettingKind::Float, key.missing);
    MessageText head, fix;
    appendValueHead(&head, key.name, value, reading);
    appendKeyFix(&fix, key, value, reading);
    return Told{reading.kind, head.text, fix.text};
}

Told tellCoordinate(const std::string& key, const std::string& value) {
    ValueReading reading = readSettingValue(value, true, 0.0);
    MessageText head, fix;
    appendValueHead(&head, key, value, reading);
    appendCoordinateFix(&fix, key, value, reading);
    return Told{reading.kind, head.text, fix.text};
}

}  // namespace

TEST(ValueReading, ReadsAsThePluginsReadersDo) {
    // Every reading's number is the one the record takes from the same text.
    const char* values[] = {"20", "20%", " 20 ", "5.5s", "0x4B", "-1", "true", "", "2147483648", "abc12"};
    for (const char* value : values) {
        ProfileSection section;
        std::string text = std::string("[Player_Respawn]\nfirst_wait_time=") + value + "\n";
        parseProfileSection(text, settingsSectionName, &section);
        ValueReading reading = readSettingValue(value, false, -1.0);
        EXPECT_EQ(reading.number, settingsFromSection(section).first_wait_time) << value;
    }
    const char* decimals[] = {"0.8", "0,5", "1e999", "-1034.6", "x: 3", "  .5", "1e38"};
    for (const char* value : decimals) {
        ProfileSection section;
        std::string text = std::string("[Player_Respawn]\nslow_motion_at_wasted_and_busted_screens=") + value + "\n";
        parseProfileSection(text, settingsSectionName, &section);
        ValueReading reading = readSettingValue(value, true, 0.0);
        EXPECT_EQ(static_cast<float>(reading.number), settingsFromSection(section).slow_motion_at_wasted_and_busted_screens)
            << value;
    }
    EXPECT_EQ(readSettingValue("20", false, -1).kind, ReadingKind::Plain);
    EXPECT_EQ(readSettingValue("", false, -1).kind, ReadingKind::NoValue);
    EXPECT_EQ(readSettingValue("", false, -1).number, -1.0);
    EXPECT_EQ(readSettingValue("1e999", true, 0).kind, ReadingKind::TooLarge);
    ValueReading after = readSettingValue("450.0, 5566.0, 194.0", true, 0);
    EXPECT_EQ(after.kind, ReadingKind::TextAfter);
    EXPECT_EQ(after.ignored, ", 5566.0, 194.0");
    EXPECT_EQ(after.numeral, "450.0");
}

TEST(ValueReading, TheFixIsInThePlayersWords) {
    Told percent = tellKey(SettingId::in_air_player_spawn_chance, "30%");
    EXPECT_EQ(percent.head, "in_air_player_spawn_chance=30%: Pelorin reads 30 and ignores \"%\"");
    EXPECT_EQ(percent.fix, " Write a whole number: in_air_player_spawn_chance=30 for 30 percent.") << "his number";
    EXPECT_EQ(tellKey(SettingId::in_air_player_spawn_chance, "twenty").fix, " Write a whole number: 20 for 20 percent.");
    Told seconds = tellKey(SettingId::first_wait_time, "5.5s");
    EXPECT_EQ(seconds.head, "first_wait_time=5.5s: Pelorin reads 5 and ignores \".5s\"");
    EXPECT_EQ(seconds.fix, " Write whole milliseconds: 5500 for 5.5 seconds.");
    Told word = tellKey(SettingId::random_player_respawns, "true");
    EXPECT_EQ(word.head, "random_player_respawns=true is not a number, so Pelorin reads it as 0");
    EXPECT_EQ(word.fix, " Write 1 for on, 0 for off.");
    Told comma = tellKey(SettingId::slow_motion_at_wasted_and_busted_screens, "0,5");
    EXPECT_EQ(comma.fix, " Use a point for decimals: slow_motion_at_wasted_and_busted_screens=0.5.");
    Told empty = tellKey(SettingId::time_before_reset_skin, "");
    EXPECT_EQ(empty.head, "time_before_reset_skin has no value, so Pelorin reads it as -1 (as if it were missing)");
    EXPECT_EQ(tellKey(SettingId::land_vehicle_type, "super").fix,
              " Write a number from 1 to 25, as listed above the key.");
}

TEST(ValueReading, KeysWrittenByNameGetTheirCodes) {
    const SettingId key = SettingId::respawn_on_demand_key_2_of_2;
    EXPECT_EQ(tellKey(key, "K").fix, " Key codes are numbers: K is 75.");
    EXPECT_EQ(tellKey(key, "l").fix, " Key codes are numbers: l is 76.");
    EXPECT_EQ(tellKey(key, "7").fix, " Key codes are numbers: 7 is 55.");
    EXPECT_EQ(tellKey(key, "Ctrl").fix, " Key codes are numbers: Ctrl is 17.");
    EXPECT_EQ(tellKey(key, "SHIFT").fix, " Key codes are numbers: SHIFT is 16.");
    EXPECT_EQ(tellKey(key, "F5").fix, " Key codes are numbers: F5 is 116.");
    EXPECT_EQ(tellKey(key, "F25").fix, " Key codes are numbers: 17 is Ctrl, 75 is K.");
    EXPECT_EQ(tellKey(key, "Ctrl+K").fix, " Key codes are numbers: 17 is Ctrl, 75 is K.");
    EXPECT_EQ(tellKey(key, "256").fix, " Key codes are numbers: 17 is Ctrl, 75 is K.");
}

TEST(ValueReading, CustomCoordinatesAsPlayersTypeThem) {
    Told label = tellCoordinate("custom_spawn_1_x", "x: -1034.6");
    EXPECT_EQ(label.kind, ReadingKind::NotANumber);
    EXPECT_EQ(label.head, "custom_spawn_1_x=x: -1034.6 is not a number, so Pelorin reads it as 0");
    EXPECT_EQ(label.fix, " Write only the number: custom_spawn_1_x=-1034.6.");
    Told comma = tellCoordinate("custom_spawn_1_x", "-1034,6");
    EXPECT_EQ(comma.head, "custom_spawn_1_x=-1034,6: Pelorin reads -1034 and ignores \",6\"");
    EXPECT_EQ(comma.fix, " Use a point for decimals: custom_spawn_1_x=-1034.6.");
    Told whole = tellCoordinate("custom_spawn_12_x", "450.0, 5566.0, 194.0");
    EXPECT_EQ(whole.fix,
              " Put each coordinate on a line of its own: custom_spawn_12_x=450.0, custom_spawn_12_y=5566.0 and "
              "custom_spawn_12_z=194.0.");
    EXPECT_TRUE(holdsThreeNumbers("450.0 5566.0;194.0"));
    EXPECT_FALSE(holdsThreeNumbers("450,0, 5566,0, 194,0"));
    EXPECT_FALSE(holdsThreeNumbers("450.0, 5566.0"));
    EXPECT_FALSE(holdsThreeNumbers("450.0, 5566.0, 194.0, 1"));
    // Three numbers on a y line are no point of its own: the generic fix.
    EXPECT_EQ(tellCoordinate("custom_spawn_1_y", "450.0, 5566.0, 194.0").fix,
              " Write only the number: custom_spawn_1_y=450.0.");
    EXPECT_EQ(tellCoordinate("custom_spawn_1_z", "13.8m").fix, " Write only the number: custom_spawn_1_z=13.8.");
    EXPECT_EQ(tellCoordinate("custom_spawn_1_z", "high").fix,
              " Write one number, with a point for decimals, such as -1034.6.");
}
