// The settings reader over arbitrary files: every key the reference reader
// finds (and the same in other case, and the record's keys) must be answered
// alike, the integer and string readers must stay in their buffers, and a
// float value is always finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/reference_reader.h"
#include "ini/decimal_float.h"
#include "ini/ini_reader.h"

namespace {

const char* const fixedKeys[] = {"random_player_respawns", "stored_last_used_skin", "custom_spawn_1_x", "a", "A",
                                 "k", " k ", ";", "[Player_Respawn]", ""};

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "reader differs: %s\n", what);
        std::abort();
    }
}

void compareKey(const ProfileSection& section, const std::vector<reference::Entry>& entries, const std::string& key) {
    std::string_view ours;
    std::string theirs;
    bool found = findProfileValue(section, key, &ours);
    check(found == reference::find(entries, key, &theirs), "presence of a key");
    if (found) check(ours == theirs, "value of a key");
    char buffer[32];
    size_t length = profileString(section, key, "0", buffer, sizeof buffer);
    check(length < sizeof buffer && buffer[length] == '\0', "string length");
    profileInt(section, key, 0xFFFFFFFFu);
    check(std::isfinite(decimalFloat(buffer)), "finite float");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string file(reinterpret_cast<const char*>(data), size);
    static ProfileSection section;  // reused, as the plug-in reuses its own
    parseProfileSection(file, "Player_Respawn", &section);
    std::vector<reference::Entry> entries = reference::sectionEntries(file, "Player_Respawn");
    check(section.entries.size() == entries.size(), "number of entries");
    for (const reference::Entry& entry : entries) {
        compareKey(section, entries, entry.key);
        std::string upper = entry.key;
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        compareKey(section, entries, upper);
    }
    for (const char* key : fixedKeys) compareKey(section, entries, key);
    return 0;
}
