#include "settings/settings_keys.h"
#include "spawn/delete_spawn_point.h"

#include <algorithm>
#include <cstdint>
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

// The keys and values of one write in two buffers of their own, each text
// ended by a NUL, kept alive while the write lasts: no string per key.
class PointEdits {
public:
    void clear() {
        keys_.clear();
        keyAt_.clear();
        values_.clear();
        valueAt_.clear();
    }
    void set(const char* key, std::string_view value) {
        addKey(key);
        valueAt_.push_back(values_.size());
        values_.append(value).push_back('\0');
    }
    void remove(const char* key) {
        addKey(key);
        valueAt_.push_back(removed);
    }
    // The edits, valid until the next change of these.
    void list(std::vector<SettingsValue>* out) const {
        out->clear();
        for (size_t i = 0; i < valueAt_.size(); ++i)
            out->push_back(SettingsValue{keys_.c_str() + keyAt_[i],
                                         valueAt_[i] == removed ? nullptr : values_.c_str() + valueAt_[i]});
    }

private:
    static constexpr size_t removed = SIZE_MAX;
    void addKey(const char* key) {
        keyAt_.push_back(keys_.size());
        keys_.append(key).push_back('\0');
    }
    std::string keys_;
    std::vector<size_t> keyAt_;  // offset in keys_
    std::string values_;
    std::vector<size_t> valueAt_;  // offset in values_, or removed
};

// A point's key in a buffer of customSpawnKeySize.
const char* keyOf(int32_t number, int axis, char* key) {
    formatCustomSpawnKey(number, axis, key, customSpawnKeySize);
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
        edits.clear();
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
        char key[customSpawnKeySize], nextKey[customSpawnKeySize];
        for (int32_t k = number; k < last; ++k) {
            for (int axis = 0; axis < 3; ++axis) {
                std::string_view value;
                if (findProfileValue(section, keyOf(k + 1, axis, nextKey), &value))
                    edits.set(keyOf(k, axis, key), value);
                else
                    edits.remove(keyOf(k, axis, key));
            }
        }
        for (int axis = 0; axis < 3; ++axis) edits.remove(keyOf(last, axis, key));
        char newCount[16];
        std::snprintf(newCount, sizeof newCount, "%d", static_cast<int>(count - 1));
        edits.set(number_of_custom_spawn_points_in_useKeyName, newCount);
        edits.list(&values);
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
