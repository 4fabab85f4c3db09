#include "settings/settings_log.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "settings/settings_file.h"
#include "shared/event_log.h"

namespace {

int32_t lastCount = 0;
char lastMessage[160];

bool sameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

void logSettingsProblems(int32_t count, const char* firstMessage) {
    if (count <= 0) {
        lastCount = 0;
        lastMessage[0] = '\0';
        return;
    }
    if (count == lastCount && std::strncmp(firstMessage, lastMessage, sizeof lastMessage - 1) == 0) return;
    lastCount = count;
    std::snprintf(lastMessage, sizeof lastMessage, "%s", firstMessage);
    if (count == 1)
        logEvent("Pelorin.ini: %s", firstMessage);
    else
        logEvent("Pelorin.ini: %d problems, the first: %s", static_cast<int>(count), firstMessage);
}

// Until the settings checker runs here, the findings the reader can tell by itself.
void logSettingsReadFindings(std::string_view, const ProfileSection& section) {
    char first[160] = "";
    int32_t count = 0;
    if (section.entries.empty()) {
        std::snprintf(first, sizeof first, "no [Player_Respawn] section, or it is empty; every key reads as missing");
        ++count;
    }
    // Keys sorted without case lie next to their duplicates; comment lines,
    // which the reader keeps as keys starting with ';', are no keys of ours.
    const std::vector<uint32_t>& sorted = section.sortedByKey;
    for (size_t i = 1; i < sorted.size(); ++i) {
        std::string_view key = section.entries[sorted[i]].key;
        if (key.empty() || key.front() == ';' || !sameKey(section.entries[sorted[i - 1]].key, key)) continue;
        if (count++ == 0)
            std::snprintf(first, sizeof first, "the key %.*s is given twice; the first counts",
                          static_cast<int>(key.size() > 100 ? 100 : key.size()), key.data());
    }
    logSettingsProblems(count, first);
}

bool logSettingsReadFailure() {
    if (settingsFileExists())
        logSettingsProblems(1, "the file exists but could not be read; the last values stay");
    else
        logSettingsProblems(1, "the file was not found; the built-in or last values stay");
    return false;
}
