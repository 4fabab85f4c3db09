// The writer over arbitrary files: after a write the written key reads back
// as written, every other key reads back exactly as before, and the file
// keeps its encoding. The first two bytes of the input pick the key and the
// value; the rest is the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "fuzz/reference_reader.h"
#include "ini/ini_encoding.h"
#include "ini/ini_reader.h"
#include "ini/ini_writer.h"

namespace {

const char* const keys[] = {"stored_last_used_skin", "Stored_Last_Used_Skin", "random_player_respawns", "a", "r", "k"};
const char* const values[] = {"-1692214353", "0", "42", "2602752943", "x y", ""};

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "writer broke its invariant: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const std::string key = keys[data[0] % (sizeof keys / sizeof *keys)];
    const std::string value = values[data[1] % (sizeof values / sizeof *values)];
    std::string file(reinterpret_cast<const char*>(data + 2), size - 2);
    std::string written = withProfileValue(file, "Player_Respawn", key, value);
    check(profileEncodingOf(written) == profileEncodingOf(file) || file.empty(), "encoding kept");

    // Both the plug-in's reader and the reference reader must see the change.
    ProfileSection before, after;
    parseProfileSection(file, "Player_Respawn", &before);
    parseProfileSection(written, "Player_Respawn", &after);
    std::string_view ours;
    check(findProfileValue(after, key, &ours) && ours == value, "written key reads as written");
    std::vector<reference::Entry> referenceBefore = reference::sectionEntries(file, "Player_Respawn");
    std::vector<reference::Entry> referenceAfter = reference::sectionEntries(written, "Player_Respawn");
    std::string theirs;
    check(reference::find(referenceAfter, key, &theirs) && theirs == value, "written key, reference reader");

    // Every other key as a lookup can name it (trimmed, so "k  " from a line
    // without '=' is looked up as "k"; that one is the written key).
    std::set<std::string> otherKeys;
    for (const auto* list : {&referenceBefore, &referenceAfter}) {
        for (const reference::Entry& entry : *list) {
            std::string name = reference::cString(reference::trim(entry.key));
            if (reference::lower(name) != reference::lower(key)) otherKeys.insert(name);
        }
    }
    for (const std::string& other : otherKeys) {
        std::string was, is;
        bool wasThere = reference::find(referenceBefore, other, &was);
        bool isThere = reference::find(referenceAfter, other, &is);
        check(wasThere == isThere && was == is, "another key changed");
        std::string_view oursBefore, oursAfter;
        bool oursWas = findProfileValue(before, other, &oursBefore);
        bool oursIs = findProfileValue(after, other, &oursAfter);
        check(oursWas == oursIs && oursBefore == oursAfter, "another key changed for the plug-in's reader");
    }
    return 0;
}
