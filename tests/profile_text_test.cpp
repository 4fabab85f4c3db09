#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "settings/profile_text.h"

namespace {

const char* const section = "Player_Respawn";

// A section points into its text: every text parsed here stays alive until
// the tests end (a deque never moves its elements).
ProfileSection parsed(std::string text) {
    static std::deque<std::string> texts;
    texts.push_back(std::move(text));
    ProfileSection s;
    parseProfileSection(texts.back(), section, &s);
    return s;
}

std::string stringOf(const ProfileSection& s, const char* key, size_t bufferSize = 32) {
    char buffer[64];
    size_t length = profileString(s, key, "0", buffer, bufferSize);
    EXPECT_EQ(length, std::string(buffer).size());
    return buffer;
}

int32_t intOf(const ProfileSection& s, const char* key) { return static_cast<int32_t>(profileInt(s, key, 0xFFFFFFFFu)); }

}  // namespace

TEST(ProfileText, NamesIgnoreCaseAndSpacesAndCommentsNeverMatch) {
    std::string text =
        "; a comment\n"
        "  [ player_RESPAWN ]  \n"
        "  Random_Player_Respawns   =   2   \n"
        "\tfirst_wait_time\t=\t4000\t\n"
        "; in_air_player_spawn_chance=50\n"
        ";land_vehicle_type=6\n"
        "preferred_spawn_distance = 150 ; metres\n"
        "spaced key = 77\n";
    ProfileSection s = parsed(text);
    EXPECT_EQ(intOf(s, "random_player_respawns"), 2);
    EXPECT_EQ(intOf(s, "RANDOM_PLAYER_RESPAWNS"), 2);
    EXPECT_EQ(stringOf(s, "first_wait_time"), "4000");
    EXPECT_EQ(intOf(s, "in_air_player_spawn_chance"), -1);
    EXPECT_EQ(intOf(s, "land_vehicle_type"), -1);
    // Text after the value is part of it: the number is read up to the space.
    EXPECT_EQ(stringOf(s, "preferred_spawn_distance"), "150 ; metres");
    EXPECT_EQ(intOf(s, "preferred_spawn_distance"), 150);
    EXPECT_EQ(intOf(s, "spaced key"), 77);
    EXPECT_EQ(intOf(s, " spaced key "), 77);
}

TEST(ProfileText, FirstOccurrenceInFirstMatchingSectionWins) {
    std::string text =
        "random_player_respawns=11\n"
        "[Player_Respawn_Extra]\n"
        "random_player_respawns=13\n"
        "[Player_Respawn]\n"
        "random_player_respawns=5\n"
        "RANDOM_PLAYER_RESPAWNS=6\n"
        "stored_last_used_skin\n"
        "stored_last_used_skin=42\n"
        "[Other]\n"
        "in_air_player_spawn_chance=90\n"
        "[player_respawn]\n"
        "first_wait_time=200\n"
        "random_player_respawns=7\n";
    ProfileSection s = parsed(text);
    EXPECT_EQ(intOf(s, "random_player_respawns"), 5);
    // A first occurrence without '=' hides the later one and reads as missing.
    EXPECT_EQ(intOf(s, "stored_last_used_skin"), -1);
    EXPECT_EQ(stringOf(s, "stored_last_used_skin"), "0");
    // Keys of other sections, and of a second section of the same name, are not seen.
    EXPECT_EQ(intOf(s, "in_air_player_spawn_chance"), -1);
    EXPECT_EQ(intOf(s, "first_wait_time"), -1);
    EXPECT_EQ(intOf(parsed("[Other]\nfirst_wait_time=1\n"), "first_wait_time"), -1);
}

TEST(ProfileText, AcceptsByteOrderMarkAndAnyLineEnd) {
    ProfileSection bom = parsed("\xEF\xBB\xBF[Player_Respawn]\r\nrandom_player_respawns=3\r\nfirst_wait_time=6000\r\n");
    EXPECT_EQ(intOf(bom, "random_player_respawns"), 3);
    EXPECT_EQ(stringOf(bom, "first_wait_time"), "6000");
    ProfileSection noFinalLineEnd = parsed("[Player_Respawn]\nrandom_player_respawns=8\nfirst_wait_time=3000");
    EXPECT_EQ(intOf(noFinalLineEnd, "random_player_respawns"), 8);
    EXPECT_EQ(intOf(noFinalLineEnd, "first_wait_time"), 3000);
    ProfileSection carriageReturns = parsed("[Player_Respawn]\rrandom_player_respawns=4\rfirst_wait_time=5\r");
    EXPECT_EQ(intOf(carriageReturns, "random_player_respawns"), 4);
    EXPECT_EQ(intOf(carriageReturns, "first_wait_time"), 5);
}

TEST(ProfileText, QuotesAroundTheWholeValueAreRemoved) {
    ProfileSection s = parsed(
        "[Player_Respawn]\n"
        "quoted_number=\"42\"\n"
        "quoted_negative='-17'\n"
        "single_quoted='hello world'\n"
        "unbalanced=\"open\n"
        "mixed='text\"\n"
        "empty_quotes=\"\"\n"
        "lone_quote=\"\n"
        "inner=a\"b\"c\n");
    EXPECT_EQ(intOf(s, "quoted_number"), 42);
    EXPECT_EQ(intOf(s, "quoted_negative"), -17);
    EXPECT_EQ(stringOf(s, "single_quoted"), "hello world");
    EXPECT_EQ(stringOf(s, "unbalanced"), "\"open");
    EXPECT_EQ(stringOf(s, "mixed"), "'text\"");
    EXPECT_EQ(stringOf(s, "empty_quotes"), "");
    EXPECT_EQ(intOf(s, "empty_quotes"), -1);
    EXPECT_EQ(stringOf(s, "lone_quote"), "\"");
    EXPECT_EQ(stringOf(s, "inner"), "a\"b\"c");
}

TEST(ProfileText, IntegersReadLikeTheWindowsReader) {
    ProfileSection s = parsed(
        "[Player_Respawn]\n"
        "plus=+5\nminus_zero=-0\ntrailing=12abc\nletters=abc\ndecimal=3.75\nempty=\nblank=   \n"
        "min_int=-2147483648\nmax_uint=4294967295\nwrap=4294967296\nhash=-1692214353\n"
        "hex=0x10\nupper_hex=0X10\noctal=0o17\nbinary=0b101\nnegative_hex=-0x10\nleading_zeros=007\n"
        "long_digits=123456789012345678901234567890123\n");
    EXPECT_EQ(intOf(s, "plus"), 5);
    EXPECT_EQ(intOf(s, "minus_zero"), 0);
    EXPECT_EQ(intOf(s, "trailing"), 12);
    EXPECT_EQ(intOf(s, "letters"), 0);
    EXPECT_EQ(intOf(s, "decimal"), 3);
    EXPECT_EQ(intOf(s, "empty"), -1);
    EXPECT_EQ(intOf(s, "blank"), -1);
    EXPECT_EQ(intOf(s, "min_int"), INT32_MIN);
    EXPECT_EQ(profileInt(s, "max_uint", 7), 0xFFFFFFFFu);
    EXPECT_EQ(profileInt(s, "wrap", 7), 0u);
    EXPECT_EQ(profileInt(s, "hash", 7), 2602752943u);
    EXPECT_EQ(intOf(s, "hex"), 16);
    EXPECT_EQ(intOf(s, "upper_hex"), 0);
    EXPECT_EQ(intOf(s, "octal"), 15);
    EXPECT_EQ(intOf(s, "binary"), 5);
    EXPECT_EQ(intOf(s, "negative_hex"), -16);
    EXPECT_EQ(intOf(s, "leading_zeros"), 7);
    // Only the first 29 digits count: 12345678901234567890123456789 modulo 2^32.
    EXPECT_EQ(profileInt(s, "long_digits", 7), 1849262357u);
    EXPECT_EQ(profileInt(s, "missing", 7), 7u);
}

TEST(ProfileText, StringsFillTheBufferToOneLessThanItsSize) {
    ProfileSection s = parsed(
        "[Player_Respawn]\n"
        "long_text=abcdefghijklmnopqrstuvwxyz0123456789ABCDEF\n"
        "long_quoted=\"abcdefghijklmnopqrstuvwxyz0123456789ABCDEF\"\n"
        "empty=\n");
    EXPECT_EQ(stringOf(s, "long_text"), "abcdefghijklmnopqrstuvwxyz01234");
    EXPECT_EQ(stringOf(s, "long_quoted"), "abcdefghijklmnopqrstuvwxyz01234");
    EXPECT_EQ(stringOf(s, "long_text", 4), "abc");
    EXPECT_EQ(stringOf(s, "empty"), "");
    EXPECT_EQ(stringOf(s, "missing"), "0");
    char untouched = 'x';
    EXPECT_EQ(profileString(s, "long_text", "0", &untouched, 0), 0u);
    EXPECT_EQ(untouched, 'x');
}

TEST(ProfileText, TensOfThousandsOfKeysAreAllFound) {
    std::string text = "[Player_Respawn]\r\n";
    for (int i = 1; i <= 30000; ++i) {
        text += "custom_spawn_" + std::to_string(i) + "_x=" + std::to_string(i) + "\r\n";
        text += "Custom_Spawn_" + std::to_string(i) + "_Y=" + std::to_string(-i) + "\r\n";
    }
    text += "custom_spawn_15000_x=1\r\n";  // a later duplicate
    ProfileSection s;
    parseProfileSection(text, section, &s);
    for (int i = 1; i <= 30000; ++i) {
        std::string x = "custom_spawn_" + std::to_string(i) + "_x";
        std::string y = "CUSTOM_SPAWN_" + std::to_string(i) + "_y";
        ASSERT_EQ(intOf(s, x.c_str()), i);
        ASSERT_EQ(intOf(s, y.c_str()), -i);
    }
    EXPECT_EQ(intOf(s, "custom_spawn_30001_x"), -1);
    EXPECT_EQ(intOf(s, "custom_spawn_0_x"), -1);
    EXPECT_EQ(intOf(s, "custom_spawn_01_x"), -1);

    // Parsing again into the same section reuses its storage.
    const ProfileSection::Entry* entries = s.entries.data();
    const uint64_t* index = s.index.data();
    parseProfileSection(text, section, &s);
    EXPECT_EQ(s.entries.data(), entries);
    EXPECT_EQ(s.index.data(), index);
}

TEST(ProfileText, WriterReplacesTheValueInPlaceAndKeepsEveryOtherByte) {
    std::string text =
        "\xEF\xBB\xBF; settings\r\n"
        "[Other]\r\n"
        "stored_last_used_skin=1\r\n"
        "[ player_respawn ]\r\n"
        "  Stored_Last_Used_Skin  =  \"123\"   \r\n"
        "stored_last_used_skin=456\r\n"
        "[Player_Respawn]\r\n"
        "stored_last_used_skin=789\r\n";
    std::string written = withProfileValue(text, section, "stored_last_used_skin", "-1692214353");
    std::string expected = text;
    expected.replace(expected.find("\"123\""), 5, "-1692214353");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(profileInt(parsed(written), "stored_last_used_skin", 7), 2602752943u);

    std::string empty = "[Player_Respawn]\nkey=\nnext=1\n";
    EXPECT_EQ(withProfileValue(empty, section, "key", "5"), "[Player_Respawn]\nkey=5\nnext=1\n");
    std::string blank = "[Player_Respawn]\nkey=   \nnext=1\n";
    EXPECT_EQ(withProfileValue(blank, section, "key", "5"), "[Player_Respawn]\nkey=5   \nnext=1\n");
    std::string noEquals = "[Player_Respawn]\nkey  \nkey=1\n";
    std::string valued = withProfileValue(noEquals, section, "key", "5");
    EXPECT_EQ(valued, "[Player_Respawn]\nkey=5  \nkey=1\n");
    EXPECT_EQ(intOf(parsed(valued), "key"), 5);
}

TEST(ProfileText, WriterAddsAMissingKeyAtTheEndOfTheSection) {
    std::string crlf =
        "[Player_Respawn]\r\n"
        "random_player_respawns=1\r\n"
        "; trailing comment\r\n"
        "\r\n"
        "[Other]\r\n"
        "a=1\r\n";
    EXPECT_EQ(withProfileValue(crlf, section, "stored_last_used_skin", "42"),
              "[Player_Respawn]\r\n"
              "random_player_respawns=1\r\n"
              "stored_last_used_skin=42\r\n"
              "; trailing comment\r\n"
              "\r\n"
              "[Other]\r\n"
              "a=1\r\n");
    EXPECT_EQ(withProfileValue("[Player_Respawn]\nx=1", section, "y", "2"), "[Player_Respawn]\nx=1\ny=2");
    EXPECT_EQ(withProfileValue("[Player_Respawn]\n\n[B]\n", section, "y", "2"), "[Player_Respawn]\ny=2\n\n[B]\n");
    EXPECT_EQ(withProfileValue("[Player_Respawn]", section, "y", "2"), "[Player_Respawn]\r\ny=2");
    EXPECT_EQ(withProfileValue("[a]\rx=1\r", section, "y", "2"), "[a]\rx=1\r[Player_Respawn]\ry=2\r");
}

TEST(ProfileText, WriterAddsAMissingSectionAtTheEnd) {
    EXPECT_EQ(withProfileValue("[Other]\na=1\n", section, "stored_last_used_skin", "-1"),
              "[Other]\na=1\n[Player_Respawn]\nstored_last_used_skin=-1\n");
    EXPECT_EQ(withProfileValue("[Other]\r\na=1", section, "k", "v"), "[Other]\r\na=1\r\n[Player_Respawn]\r\nk=v\r\n");
    EXPECT_EQ(withProfileValue("", section, "k", "v"), "[Player_Respawn]\r\nk=v\r\n");
    std::string added = withProfileValue("\xEF\xBB\xBF", section, "k", "3");
    EXPECT_EQ(added, "\xEF\xBB\xBF[Player_Respawn]\r\nk=3\r\n");
    EXPECT_EQ(intOf(parsed(added), "k"), 3);
}
