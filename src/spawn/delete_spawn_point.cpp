#include "settings/settings_keys.h"
#include "spawn/delete_spawn_point.h"

#include <algorithm>
#include <memory>
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
#include "settings_io/settings_write_job.h"
#include "shared/event_log.h"
#include "shared/text_blocks.h"
#include "spawn/custom_spawn.h"

namespace {

// A point's key in a buffer of customSpawnKeySize.
const char* keyOf(int32_t number, int axis, char* key) {
    formatCustomSpawnKey(number, axis, key, customSpawnKeySize);
    return key;
}

// The keys of a delete, chosen from the file as it is when written (a save of
// the player's meanwhile is seen), some points a call.
class PointDeleteChoice : public SettingsKeysChooser {
public:
    PointDeleteChoice(int32_t number, const CustomSpawnPoint& shown) : number_(number), shown_(shown) {}

    bool choose(const ProfileSection& section, const ProfileSection&, bool fromStart,
                std::vector<SettingsValue>* chosen) override {
        if (fromStart) {
            chosen->clear();
            if (!begin(section)) return true;
        }
        // The highest point the file defines, some entries a call.
        if (!highest_.scan(section, entriesPerCall)) return false;
        const int32_t last = std::max(count_, highest_.value());
        // Room for every key at once (three a point, and the count), so that
        // the list of 30,000 never grows by a copy of itself in one frame.
        chosen->reserve(3 * static_cast<size_t>(last - number_ + 1) + 1);
        // Every later point moves up, those beyond the count too, so that no
        // gap opens where the next save would count them in. Each moved value
        // is the text the reader finds, so that the point reads back exactly
        // as before under its new number.
        char key[customSpawnKeySize], nextKey[customSpawnKeySize];
        for (int32_t end = std::min(last, next_ + pointsPerCall); next_ < end; ++next_) {
            for (int axis = 0; axis < 3; ++axis) {
                std::string_view value;
                const bool moved = findProfileValue(section, keyOf(next_ + 1, axis, nextKey), &value);
                chosen->push_back(SettingsValue{texts_.add(keyOf(next_, axis, key)), moved ? texts_.add(value) : nullptr});
            }
        }
        if (next_ < last) return false;
        for (int axis = 0; axis < 3; ++axis) chosen->push_back(SettingsValue{texts_.add(keyOf(last, axis, key)), nullptr});
        char newCount[16];
        std::snprintf(newCount, sizeof newCount, "%d", static_cast<int>(count_ - 1));
        chosen->push_back(SettingsValue{number_of_custom_spawn_points_in_useKeyName, texts_.add(newCount)});
        return true;
    }

    // What the file held when the keys were chosen.
    bool read() const { return read_; }
    bool changed() const { return changed_; }
    int32_t count() const { return count_; }

private:
    // Some 50 us of lookups, or of names read, between two looks at the clock.
    static constexpr int32_t pointsPerCall = 64;
    static constexpr size_t entriesPerCall = 2048;

    // The point is there as shown: the moves begin at it.
    bool begin(const ProfileSection& section) {
        read_ = true;
        texts_.clear();
        // A missing count reads as the key table's missing value (no point in use).
        const uint32_t missingCount = static_cast<uint32_t>(
            static_cast<int32_t>(settingKey(SettingId::number_of_custom_spawn_points_in_use).missing));
        count_ = std::min(
            static_cast<int32_t>(profileInt(section, number_of_custom_spawn_points_in_useKeyName, missingCount)),
            customSpawnPointCap);
        changed_ = false;
        if (number_ < 1 || number_ > count_) return false;
        CustomSpawnPoint now = customSpawnPointIn(section, number_);
        changed_ = now.x != shown_.x || now.y != shown_.y || now.z != shown_.z;
        if (changed_) return false;
        highest_.restart();
        next_ = number_;
        return true;
    }

    const int32_t number_;
    const CustomSpawnPoint shown_;
    int32_t count_ = 0, next_ = 0;
    HighestCustomSpawnPoint highest_;
    bool read_ = false, changed_ = false;
    TextBlocks texts_;  // the chosen keys' and values' texts
};

// The player told the outcome, and the log why nothing was deleted.
PointDelete tellOutcome(int32_t number, const PointDeleteChoice& choice, SettingsWriteEnd end) {
    const int shownNumber = static_cast<int>(number);
    if (!choice.read()) {
        showNotification("Custom spawn point not deleted: Pelorin.ini could not be read (it may be being saved)");
        logEvent("custom spawn point %d not deleted: Pelorin.ini could not be read", shownNumber);
        return PointDelete::Unreadable;
    }
    if (number < 1 || number > choice.count()) {
        readSettingsSoon();
        logEvent("custom spawn point %d not deleted: the file holds %d points now", shownNumber,
                 static_cast<int>(choice.count()));
        return PointDelete::NoSuchPoint;
    }
    if (choice.changed()) {
        readSettingsSoon();
        logEvent("custom spawn point %d not deleted: Pelorin.ini was saved meanwhile with another point %d",
                 shownNumber, shownNumber);
        return PointDelete::Changed;
    }
    if (end != SettingsWriteEnd::Written) {
        showNotification("Custom spawn point not deleted: Pelorin.ini could not be written");
        logEvent("custom spawn point %d not deleted: Pelorin.ini could not be written", shownNumber);
        return PointDelete::Unwritable;
    }
    char message[64];
    std::snprintf(message, sizeof message, "Custom spawn point %d deleted", shownNumber);
    showNotification(message);
    logEvent("custom spawn point %d of %d deleted; the later ones moved up", shownNumber,
             static_cast<int>(choice.count()));
    return PointDelete::Deleted;
}

}  // namespace

bool deleteCustomSpawnPoint(int32_t number, const CustomSpawnPoint& shown, const std::function<void(PointDelete)>& done) {
    auto choice = std::make_unique<PointDeleteChoice>(number, shown);
    const PointDeleteChoice* made = choice.get();
    return startSettingsWrite(std::move(choice), [number, made, done](SettingsWriteEnd end, const std::vector<SettingsValue>&) {
        PointDelete outcome = tellOutcome(number, *made, end);
        if (done) done(outcome);
    });
}
