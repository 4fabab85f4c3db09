#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "ini/ini_reader.h"
#include "ini/ini_writer.h"

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

TEST(IniText, NamesIgnoreCaseAndSpacesAndCommentsNeverMatch) {
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

TEST(IniText, FirstOccurrenceInFirstMatchingSectionWins) {
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

TEST(IniText, AcceptsByteOrderMarkAndAnyLineEnd) {
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

TEST(IniText, QuotesAroundTheWholeValueAreRemoved) {
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

TEST(IniText, IntegersReadLikeTheWindowsReader) {
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

TEST(IniText, StringsFillTheBufferToOneLessThanItsSize) {
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

TEST(IniText, TensOfThousandsOfKeysAreAllFound) {
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

TEST(IniText, WriterReplacesTheValueInPlaceAndKeepsEveryOtherByte) {
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

TEST(IniText, WriterAddsAMissingKeyAtTheEndOfTheSection) {
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

TEST(IniText, WriterAddsAMissingSectionAtTheEnd) {
    EXPECT_EQ(withProfileValue("[Other]\na=1\n", section, "stored_last_used_skin", "-1"),
              "[Other]\na=1\n[Player_Respawn]\nstored_last_used_skin=-1\n");
    EXPECT_EQ(withProfileValue("[Other]\r\na=1", section, "k", "v"), "[Other]\r\na=1\r\n[Player_Respawn]\r\nk=v\r\n");
    EXPECT_EQ(withProfileValue("", section, "k", "v"), "[Player_Respawn]\r\nk=v\r\n");
    std::string added = withProfileValue("\xEF\xBB\xBF", section, "k", "3");
    EXPECT_EQ(added, "\xEF\xBB\xBF[Player_Respawn]\r\nk=3\r\n");
    EXPECT_EQ(intOf(parsed(added), "k"), 3);
}

// An edit in steps that adds many keys (a point saved into a large file,
// a section made anew) makes its result in the room it took at its start:
// a result that grows by a copy of itself holds up a frame.
TEST(IniText, AnEditInStepsNeverGrowsItsResultByACopy) {
    for (const std::string& file : {std::string("[Player_Respawn]\r\na=1\r\n"), std::string("[Other]\nb=2\n"),
                                    std::string()}) {
        std::vector<std::string> keys;
        for (int i = 0; i < 300; ++i) keys.push_back("custom_spawn_" + std::to_string(10000 + i) + "_x");
        std::vector<ProfileEdit> edits;
        for (const std::string& key : keys) edits.push_back(ProfileEdit{key, "-1498.25"});
        std::string result;
        ProfileEditor editor;
        editor.start(file, section, edits.data(), edits.size(), &result);
        const size_t room = result.capacity();
        while (!editor.advance(64)) ASSERT_EQ(result.capacity(), room);
        EXPECT_EQ(result.capacity(), room) << "file of " << file.size() << " bytes";
        EXPECT_EQ(result, withProfileEdits(file, section, edits.data(), edits.size()));
    }
}

// A change far into a large file (the stored skin after 30,000 point lines),
// and a key added there: each step copies about what it walked, never the
// whole file before the change at once.
TEST(IniText, AnEditInStepsCopiesAboutWhatEachStepWalked) {
    std::string file = "[Player_Respawn]\r\n";
    for (int i = 1; i <= 30000; ++i) file += "custom_spawn_" + std::to_string(i) + "_x=" + std::to_string(i) + ".5\r\n";
    file += "stored_last_used_skin=1\r\n; his note\r\n[Other]\r\nb=2\r\n";
    const ProfileEdit edits[] = {{"stored_last_used_skin", "-1692214353"}, {"missing_key", "7"}};
    std::string result;
    ProfileEditor editor;
    editor.start(file, section, edits, 2, &result);
    const size_t budget = 2048, longestLine = 64;
    size_t before = 0, steps = 0;
    for (bool done = false; !done; ++steps) {
        done = editor.advance(budget);
        ASSERT_LE(result.size() - before, budget + longestLine) << "step " << steps;
        before = result.size();
    }
    EXPECT_GT(steps, file.size() / (budget + longestLine));
    std::string expected = file;
    expected.replace(expected.find("stored_last_used_skin=1"), 23,
                     "stored_last_used_skin=-1692214353\r\nmissing_key=7");
    EXPECT_EQ(result, expected);
}

namespace {

// The text as UTF-16LE, each character below U+0080.
std::string utf16(const std::string& ascii) {
    std::string file;
    for (char c : ascii) file.append({c, '\0'});
    return file;
}

}  // namespace

TEST(IniText, UnicodeFilesReadAsTheirText) {
    std::string text = "; saved as Unicode\r\n[Player_Respawn]\r\nrandom_player_respawns=0\r\nstored_last_used_skin=-1692214353\r\n";
    std::string bigEndian = "\xFE\xFF";
    for (char c : text) bigEndian.append({'\0', c});
    for (const std::string& file : {"\xFF\xFE" + utf16(text), utf16(text), "\xFF\xFE" + utf16(text) + "x", bigEndian}) {
        ProfileSection s = parsed(file);
        EXPECT_EQ(intOf(s, "random_player_respawns"), 0);
        EXPECT_EQ(profileInt(s, "stored_last_used_skin", 7), 2602752943u);
    }
    // Characters beyond ASCII, a pair of surrogates among them, read as UTF-8.
    std::string file = "\xFF\xFE" + utf16("[Player_Respawn]\nname=") + std::string("\xE9\x00\x3D\xD8\x00\xDE", 6) +
                       utf16("\nnext=4\n");
    ProfileSection s = parsed(file);
    EXPECT_EQ(stringOf(s, "name"), "\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(intOf(s, "next"), 4);
}

TEST(IniText, WriterKeepsTheFilesEncodingAndEveryOtherByte) {
    std::string text = "[Player_Respawn]\r\nrandom_player_respawns=0\r\n";
    std::string expected = text + "stored_last_used_skin=-1692214353\r\n";
    EXPECT_EQ(withProfileValue("\xFF\xFE" + utf16(text), section, "stored_last_used_skin", "-1692214353"),
              "\xFF\xFE" + utf16(expected));
    EXPECT_EQ(withProfileValue(utf16(text), section, "stored_last_used_skin", "-1692214353"), utf16(expected));
    std::string bigEndian = "\xFE\xFF", bigEndianExpected = "\xFE\xFF";
    for (char c : text) bigEndian.append({'\0', c});
    for (char c : expected) bigEndianExpected.append({'\0', c});
    EXPECT_EQ(withProfileValue(bigEndian, section, "stored_last_used_skin", "-1692214353"), bigEndianExpected);
    EXPECT_EQ(withProfileValue("\xEF\xBB\xBF" + text, section, "stored_last_used_skin", "-1692214353"),
              "\xEF\xBB\xBF" + expected);
    // Unpaired surrogates, a pair, and an odd last byte come back unchanged.
    std::string odd = std::string("\xFF\xFE", 2) + utf16("; ") + std::string("\x00\xD8\x41\x00\x00\xDC\x3D\xD8\x00\xDE", 10) +
                      utf16("\n[Player_Respawn]\nstored_last_used_skin=1\n") + "\x7F";
    std::string written = withProfileValue(odd, section, "stored_last_used_skin", "22");
    std::string wanted = odd;
    size_t one = wanted.find(utf16("=1"));
    wanted.replace(one, 4, utf16("=22"));
    EXPECT_EQ(written, wanted);
}

TEST(IniText, LinesEndAtEveryCarriageReturn) {
    ProfileSection mixed = parsed("[Player_Respawn]\na=1\rb=2\nc=3\r\r\n\rd=4");
    EXPECT_EQ(intOf(mixed, "a"), 1);
    EXPECT_EQ(stringOf(mixed, "a"), "1");
    EXPECT_EQ(intOf(mixed, "b"), 2);
    EXPECT_EQ(intOf(mixed, "c"), 3);
    EXPECT_EQ(intOf(mixed, "d"), 4);
    // The write-back leaves the lines split as they were, so no other key
    // changes (once, appending a line with LF merged the CR-separated lines).
    std::string text = "; my settings\n[Player_Respawn]\rrandom_player_respawns=0";
    std::string written = withProfileValue(text, section, "stored_last_used_skin", "5");
    EXPECT_EQ(written, text + "\nstored_last_used_skin=5");
    ProfileSection after = parsed(written);
    EXPECT_EQ(intOf(after, "random_player_respawns"), 0);
    EXPECT_EQ(intOf(after, "stored_last_used_skin"), 5);
    ProfileSection minimal = parsed(withProfileValue("\nr\r", section, "k", "1"));
    EXPECT_EQ(intOf(minimal, "k"), 1);
}

TEST(IniText, NulEndsANameOrValueAsInACString) {
    std::string text("[Player_Respawn]\0junk\n"
                     "a=1\0x\n"
                     "b=2 \0 7\n"
                     "c\0=4\n"
                     "\0d=5\n"
                     "e=\0  5\n"
                     "f=\"6\0\"\n"
                     "g=\"7\"\0x\n"
                     "\0\0\0\0",
                     70);
    ProfileSection s = parsed(text);
    EXPECT_EQ(stringOf(s, "a"), "1");
    EXPECT_EQ(stringOf(s, "b"), "2 ");
    EXPECT_EQ(intOf(s, "c"), 4);
    EXPECT_EQ(intOf(s, "d"), -1);
    EXPECT_EQ(stringOf(s, "e"), "");
    EXPECT_EQ(intOf(s, "e"), -1);
    EXPECT_EQ(stringOf(s, "f"), "\"6");
    EXPECT_EQ(stringOf(s, "g"), "7");
    // A section name cut by a NUL is another name.
    EXPECT_EQ(intOf(parsed(std::string("[Player\0_Respawn]\na=1\n", 23)), "a"), -1);
    // The writer replaces the value with what follows the NUL.
    ProfileSection written = parsed(withProfileValue(text, section, "b", "9"));
    EXPECT_EQ(stringOf(written, "b"), "9");
    EXPECT_EQ(stringOf(written, "a"), "1");
}

TEST(IniText, EditsInOnePassRemoveEveryLineOfAKeyAndAddTheRestInOrder) {
    std::string text =
        "; points\r\n"
        "[Player_Respawn]\r\n"
        "custom_spawn_1_x=1.5\r\n"
        "Custom_Spawn_2_X = 2.5\r\n"
        "; custom_spawn_2_x=comment stays\r\n"
        "custom_spawn_2_x=hidden duplicate\r\n"
        "number_of_custom_spawn_points_in_use=2\r\n"
        "[Other]\r\n"
        "custom_spawn_2_x=other section stays\r\n";
    const ProfileEdit edits[] = {
        {"custom_spawn_1_x", "2.5"},
        {"custom_spawn_2_x", std::string_view()},
        {"number_of_custom_spawn_points_in_use", "1"},
        {"new_key", "a"},
        {"other_new_key", "b"},
        {"new_key", "c"},  // the last edit of a key wins
    };
    std::string edited = withProfileEdits(text, section, edits, std::size(edits));
    EXPECT_EQ(edited,
              "; points\r\n"
              "[Player_Respawn]\r\n"
              "custom_spawn_1_x=2.5\r\n"
              "; custom_spawn_2_x=comment stays\r\n"
              "number_of_custom_spawn_points_in_use=1\r\n"
              "other_new_key=b\r\n"
              "new_key=c\r\n"
              "[Other]\r\n"
              "custom_spawn_2_x=other section stays\r\n");
    ProfileSection s = parsed(edited);
    EXPECT_EQ(stringOf(s, "custom_spawn_2_x"), "0") << "no occurrence is left to read";

    // One pass over a large file: ten thousand points renumbered at once.
    std::string big = "[Player_Respawn]\n";
    for (int k = 1; k <= 10000; ++k) big += "custom_spawn_" + std::to_string(k) + "_x=" + std::to_string(k) + "\n";
    std::vector<std::string> keys, values;
    for (int k = 1; k < 10000; ++k) {
        keys.push_back("custom_spawn_" + std::to_string(k) + "_x");
        values.push_back(std::to_string(k + 1));
    }
    std::vector<ProfileEdit> renumbered;
    for (size_t i = 0; i < keys.size(); ++i) renumbered.push_back({keys[i], values[i]});
    renumbered.push_back({"custom_spawn_10000_x", std::string_view()});
    ProfileSection after = parsed(withProfileEdits(big, section, renumbered.data(), renumbered.size()));
    EXPECT_EQ(after.entries.size(), 9999u);
    EXPECT_EQ(stringOf(after, "custom_spawn_1_x"), "2");
    EXPECT_EQ(stringOf(after, "custom_spawn_9999_x"), "10000");
}

namespace {

// What a visitor of the parse saw: "number name" per line, with "!" for the
// section's header and "+" for an entry of the section.
class SeenLines final : public ProfileLineVisitor {
public:
    std::vector<std::string> seen;
    void visit(const ProfileLine& line) override {
        seen.push_back(std::to_string(line.number) + " " + std::string(line.name) + (line.sectionHeader ? "!" : "") +
                       (line.inSection ? "+" : ""));
    }
};

}  // namespace

TEST(IniText, AVisitorSeesEveryLineNumberedAsTheReaderSplitsIt) {
    // A byte-order mark, LF, CR LF, a bare CR, blank lines, a header without
    // its ']', a second section of the name and lines after it.
    std::string text = "\xEF\xBB\xBF; c\nk=0\r\n[player_respawn]\na=1\rb=2\n\n[note\n[Other]\r\nc=3\n[Player_Respawn]\nd";
    SeenLines lines;
    ProfileSection s;
    parseProfileSection(text, section, &s, &lines);
    const std::vector<std::string> expected = {"1 ; c", "2 k",   "3 player_respawn!", "4 a+",           "5 b+",
                                               "7 [note+", "8 Other", "9 c",           "10 Player_Respawn", "11 d"};
    EXPECT_EQ(lines.seen, expected);
    ASSERT_EQ(s.entries.size(), 3u);
    EXPECT_EQ(intOf(s, "b"), 2);
    EXPECT_EQ(intOf(s, "d"), -1);
    // The same walk in UTF-16LE without a byte-order mark.
    std::string wide;
    for (char c : text.substr(3)) wide += std::string{c, '\0'};
    SeenLines wideLines;
    parseProfileSection(wide, section, &s, &wideLines);
    EXPECT_EQ(wideLines.seen, expected);
}

TEST(IniText, TheIntegerReaderTellsHowMuchOfTheValueIsTheNumber) {
    struct Case {
        const char* text;
        int32_t value;
        size_t length;
    };
    const Case cases[] = {{"42abc", 42, 2}, {"-7", -7, 2}, {" 5 ", 5, 2},  {"0x1Fg", 31, 4},
                          {"0x", 0, 1},     {"0b102", 2, 4}, {"abc", 0, 0}, {"+", 0, 0}};
    for (const Case& c : cases) {
        size_t length = 99;
        EXPECT_EQ(static_cast<int32_t>(profileIntOf(c.text, &length)), c.value) << c.text;
        EXPECT_EQ(length, c.length) << c.text;
    }
}

namespace {

// A settings-like file of duplicates, keys in other cases, keys without '=',
// comments, other sections and a second [Player_Respawn], with one kind of
// line end or a mix, sometimes a byte-order mark.
std::string generatedFile(std::mt19937& random, std::vector<std::string>* names) {
    const char* ends[] = {"\r\n", "\n", "\r"};
    int endKind = static_cast<int>(random() % 4);  // 3: a mix
    std::string text = random() % 4 == 0 ? "\xEF\xBB\xBF" : "";
    int lines = 5 + static_cast<int>(random() % 60);
    for (int i = 0; i < lines; ++i) {
        int kind = static_cast<int>(random() % 16);
        std::string name = "custom_spawn_" + std::to_string(1 + random() % 12) + (random() % 2 ? "_x" : "_Y");
        if (random() % 5 == 0) std::transform(name.begin(), name.end(), name.begin(), ::toupper);
        if (kind == 0)
            text += random() % 2 ? "[Player_Respawn]" : "[ player_respawn ]";
        else if (kind == 1)
            text += "[Other]";
        else if (kind == 2)
            text += "; " + name + "=commented";
        else if (kind == 3)
            text += "";
        else if (kind == 4)
            text += name;
        else
            text += (random() % 3 == 0 ? " " : "") + name + (random() % 3 == 0 ? " = " : "=") +
                    std::to_string(random() % 1000) + (random() % 4 == 0 ? ".5 " : "");
        text += ends[endKind == 3 ? random() % 3 : endKind];
        names->push_back(name);
    }
    if (random() % 3 == 0) text.resize(text.size() - (text.back() == '\n' && text.size() > 1 && text[text.size() - 2] == '\r' ? 2 : 1));
    return text;
}

}  // namespace

TEST(IniText, EditsInOnePassEqualTheSameEditsOneByOneOnGeneratedFiles) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> names;
        std::string file = generatedFile(random, &names);
        if (round % 3 == 0) file = utf16(file);
        // Distinct keys (by name without case): some of the file's, some new;
        // a third removed.
        std::vector<std::string> keys, values;
        std::vector<bool> removed;
        for (int i = 0; i < 1 + static_cast<int>(random() % 20); ++i) {
            std::string key = random() % 3 == 0 ? "new_" + std::to_string(random() % 30) : names[random() % names.size()];
            std::string lowered = key;
            std::transform(lowered.begin(), lowered.end(), lowered.begin(), ::tolower);
            bool seen = std::any_of(keys.begin(), keys.end(), [&](std::string other) {
                std::transform(other.begin(), other.end(), other.begin(), ::tolower);
                return other == lowered;
            });
            if (seen) continue;
            keys.push_back(key);
            values.push_back(std::to_string(random() % 100000));
            removed.push_back(random() % 3 == 0);
        }
        std::vector<ProfileEdit> edits;
        for (size_t i = 0; i < keys.size(); ++i)
            edits.push_back(ProfileEdit{keys[i], removed[i] ? std::string_view() : std::string_view(values[i])});
        std::string once = withProfileEdits(file, section, edits.data(), edits.size());
        // One by one: the new values first, then the removals (a removal first
        // would move where a new key is added).
        std::string byOne = file;
        for (int pass = 0; pass < 2; ++pass)
            for (const ProfileEdit& edit : edits)
                if ((edit.value.data() == nullptr) == (pass == 1))
                    byOne = withProfileEdits(byOne, section, &edit, 1);
        ASSERT_EQ(once, byOne) << "round " << round;
        // And the reader finds each edit, and every other key as before.
        ProfileSection before, after;
        parseProfileSection(file, section, &before);
        parseProfileSection(once, section, &after);
        for (size_t i = 0; i < keys.size(); ++i) {
            std::string_view value;
            bool found = findProfileValue(after, keys[i], &value);
            EXPECT_EQ(found, !removed[i]) << "round " << round << " " << keys[i];
            if (found) {
                EXPECT_EQ(value, values[i]) << "round " << round << " " << keys[i];
            }
        }
        for (const std::string& name : names) {
            if (std::any_of(keys.begin(), keys.end(), [&](const std::string& key) { return equalIgnoringCase(key, name); }))
                continue;
            std::string_view was, now;
            bool had = findProfileValue(before, name, &was);
            EXPECT_EQ(findProfileValue(after, name, &now), had) << "round " << round << " " << name;
            if (had) {
                EXPECT_EQ(now, was) << "round " << round << " " << name;
            }
        }
    }
}
