// Checks that the plug-in's settings reader (settings/profile_text.cpp) reads
// every file of a corpus directory as the Windows private-profile functions do:
//   ini_conformance.exe <corpus directory>
// For each *.ini file, a fixed list of keys of section "Player_Respawn" is read
// with GetPrivateProfileIntA (default -1) and GetPrivateProfileStringA (default
// "0", 32-byte buffer) and with our reader. The same is done after a copy of
// the file was written with WritePrivateProfileStringA (an existing key, the
// stored skin as a negative decimal, a new key) and our text was changed with
// withProfileValue. Every mismatch is printed; exit code 1 if there is any.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/profile_text.h"

namespace {

const char* const section = "Player_Respawn";

const char* const keys[] = {
    "random_player_respawns", "RANDOM_PLAYER_RESPAWNS", "in_air_player_spawn_chance", "first_wait_time",
    "FIRST_WAIT_TIME", "slow_motion_at_wasted_and_busted_screens", "stored_last_used_skin",
    "number_of_custom_spawn_points_in_use", "custom_spawn_1_x", "custom_spawn_1_y", "custom_spawn_1_z",
    "custom_spawn_2_x", "custom_spawn_12_z", "activate_controller", "respawn_on_demand_key_2_of_2",
    "preferred_spawn_distance", "land_vehicle_type", "air_vehicle_type", "spaced key", "quoted_number",
    "quoted_negative", "single_quoted", "unbalanced_quote", "mixed_quotes", "empty_quotes", "lone_quote",
    "inner_quotes", "spaced_quotes", "plus_sign", "minus_zero", "trailing_letters", "letters_only", "decimal_int",
    "min_int", "max_uint", "wrap_uint", "hash_negative", "hash_positive", "hex_value", "long_digits",
    "float_letters", "float_exponent", "double_minus", "sign_space", "empty_value", "blank_value", "long_text",
    "long_quoted", "long_float", "exactly_31", "exactly_32", "long_key_value_with_spaces", "missing_key",
    "new_key", "a", "b", "binary_value", "octal_value", "upper_hex", "negative_hex", "hex_letters", "leading_zeros"};

struct Tally {
    int files = 0;
    int keys = 0;
    int mismatches = 0;
};

bool readWholeFile(const std::string& path, std::string* text) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char chunk[4096];
    size_t n;
    text->clear();
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) text->append(chunk, n);
    std::fclose(file);
    return true;
}

// Compares every key of the list, read from path by Windows and from text by us.
void compareKeys(const std::string& label, const std::string& path, const std::string& text, Tally* tally) {
    ProfileSection parsed;
    parseProfileSection(text, section, &parsed);
    for (const char* key : keys) {
        ++tally->keys;
        UINT windowsInt = GetPrivateProfileIntA(section, key, -1, path.c_str());
        uint32_t ourInt = profileInt(parsed, key, 0xFFFFFFFFu);
        if (windowsInt != ourInt) {
            ++tally->mismatches;
            std::printf("%s [%s] int: windows %d, ours %d\n", label.c_str(), key, static_cast<int>(windowsInt),
                        static_cast<int>(ourInt));
        }
        char windowsText[32];
        char ourText[32];
        DWORD windowsLength = GetPrivateProfileStringA(section, key, "0", windowsText, sizeof windowsText, path.c_str());
        size_t ourLength = profileString(parsed, key, "0", ourText, sizeof ourText);
        if (windowsLength != ourLength || std::string(windowsText) != ourText) {
            ++tally->mismatches;
            std::printf("%s [%s] string: windows \"%s\" (%lu), ours \"%s\" (%lu)\n", label.c_str(), key, windowsText,
                        static_cast<unsigned long>(windowsLength), ourText, static_cast<unsigned long>(ourLength));
        }
    }
}

// The writes the plug-in makes, applied by Windows to a copy and by us to the text.
void compareAfterWrites(const std::string& name, const std::string& path, std::string text, Tally* tally) {
    char directory[MAX_PATH];
    char copy[MAX_PATH];
    if (!GetTempPathA(sizeof directory, directory) || !GetTempFileNameA(directory, "ini", 0, copy) ||
        !CopyFileA(path.c_str(), copy, FALSE)) {
        std::printf("%s: cannot make a copy to write\n", name.c_str());
        ++tally->mismatches;
        return;
    }
    const char* const writes[][2] = {
        {"random_player_respawns", "7"}, {"stored_last_used_skin", "-1692223931"}, {"new_key", "12"}};
    for (const auto& write : writes) {
        WritePrivateProfileStringA(section, write[0], write[1], copy);
        text = withProfileValue(text, section, write[0], write[1]);
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, copy);  // flush the profile cache
    compareKeys(name + " (written)", copy, text, tally);
    DeleteFileA(copy);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: ini_conformance <corpus directory>\n");
        return 2;
    }
    char full[MAX_PATH];
    if (!GetFullPathNameA(argv[1], sizeof full, full, nullptr)) return 2;
    std::string directory = full;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*.ini").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        std::printf("no .ini files in %s\n", directory.c_str());
        return 2;
    }
    std::vector<std::string> names;
    do names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);

    Tally tally;
    for (const std::string& name : names) {
        std::string path = directory + "\\" + name;
        std::string text;
        if (!readWholeFile(path, &text)) {
            std::printf("%s: cannot read\n", name.c_str());
            ++tally.mismatches;
            continue;
        }
        ++tally.files;
        compareKeys(name, path, text, &tally);
        compareAfterWrites(name, path, text, &tally);
    }
    std::printf("conformance: %d files, %d keys, %d mismatches\n", tally.files, tally.keys, tally.mismatches);
    return tally.mismatches == 0 ? 0 : 1;
}
