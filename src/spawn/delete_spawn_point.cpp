#include "settings/settings_keys.h"
#include "spawn/delete_spawn_point.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "shared/on_screen_text.h"
#include "ini/ini_reader.h"
#include "settings_io/settings_store.h"
#include "settings/custom_spawn_key.h"
#include "settings/setting_limits.h"
#include "settings_io/settings_file.h"
#include "shared/event_log.h"
#include "spawn/custom_spawn.h"

namespace {

// The keys and values of one write, kept alive while it lasts.
struct PointEdits {
    std::vector<std::string> keys;
    std::vector<std::string> values;
    std::vector<bool> removed;

    void set(std::string key, std::string_view value) {
        keys.push_back(std::move(key));
        values.emplace_back(value);
        removed.push_back(false);
    }
    void remove(std::string key) {
        keys.push_back(std::move(key));
        values.emplace_back();
        removed.push_back(true);
    }
};

std::string keyOf(int32_t number, int axis) {
    char key[customSpawnKeySize];
    formatCustomSpawnKey(number, axis, key, sizeof key);
    return key;
}

}  // namespace

PointDelete deleteCustomSpawnPoint(int32_t number, const CustomSpawnPoint& shown) {
    int32_t count = 0;
    bool read = false, changed = false;
    PointEdits edits;
    std::vector<SettingsValue> values;
    // Chosen from the file as it is when written: a save of the player's
    // meanwhile is seen.
    bool written = writeChosenSettingsKeys([&](const ProfileSection& section) {
        read = true;
        edits = PointEdits{};
        values.clear();
        // A missing count reads as the key table's missing value (no point in use).
        const uint32_t missingCount = static_cast<uint32_t>(
            static_cast<int32_t>(settingKey(SettingId::number_of_custom_spawn_points_in_use).missing));
        count = std::min(
            static_cast<int32_t>(profileInt(section, number_of_custom_spawn_points_in_useKeyName, missingCount)),
            customSpawnPointCap);
        if (number < 1 || number > count) return values;
        CustomSpawnPoint now = customSpawnPointIn(section, number);
        changed = now.x != shown.x || now.y != shown.y || now.z != shown.z;
        if (changed) return values;
        // Every later point moves up, those beyond the count too, so that no
        // gap opens where the next save would count them in. Each moved value
        // is the text the reader finds, so that the point reads back exactly
        // as before under its new number.
        int32_t last = std::max(count, highestCustomSpawnPoint(section));
        for (int32_t k = number; k < last; ++k) {
            for (int axis = 0; axis < 3; ++axis) {
                std::string_view value;
                if (findProfileValue(section, keyOf(k + 1, axis), &value))
                    edits.set(keyOf(k, axis), value);
                else
                    edits.remove(keyOf(k, axis));
            }
        }
        for (int axis = 0; axis < 3; ++axis) edits.remove(keyOf(last, axis));
        edits.set(number_of_custom_spawn_points_in_useKeyName, std::to_string(count - 1));
        for (size_t i = 0; i < edits.keys.size(); ++i)
            values.push_back(
                SettingsValue{edits.keys[i].c_str(), edits.removed[i] ? nullptr : edits.values[i].c_str()});
        return values;
    });
    const int shownNumber = static_cast<int>(number);
    if (!read) {
        showNotification("Custom spawn point not deleted: Pelorin.ini could not be read (it may be being saved)");
        logEvent("custom spawn point %d not deleted: Pelorin.ini could not be read", shownNumber);
        return PointDelete::Unreadable;
    }
    if (number < 1 || number > count) {
        readSettings();
        logEvent("custom spawn point %d not deleted: the file holds %d points now", shownNumber,
                 static_cast<int>(count));
        return PointDelete::NoSuchPoint;
    }
    if (changed) {
        readSettings();
        logEvent("custom spawn point %d not deleted: Pelorin.ini was saved meanwhile with another point %d",
                 shownNumber, shownNumber);
        return PointDelete::Changed;
    }
    if (!written) {
        showNotification("Custom spawn point not deleted: Pelorin.ini could not be written");
        logEvent("custom spawn point %d not deleted: Pelorin.ini could not be written", shownNumber);
        return PointDelete::Unwritable;
    }
    readSettings();
    char message[64];
    std::snprintf(message, sizeof message, "Custom spawn point %d deleted", shownNumber);
    showNotification(message);
    logEvent("custom spawn point %d of %d deleted; the later ones moved up", shownNumber, static_cast<int>(count));
    return PointDelete::Deleted;
}
