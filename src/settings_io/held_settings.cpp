#include "settings_io/held_settings.h"

#include <vector>

#include "ini/ini_reader.h"

namespace {

struct HeldValue {
    std::string key;
    std::string value;
    bool removed;
};
std::vector<HeldValue> held;

void release(const char* key) {
    for (auto it = held.begin(); it != held.end();)
        it = equalIgnoringCase(it->key, key) ? held.erase(it) : it + 1;
}

}  // namespace

void holdSettings(const SettingsValue* values, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        release(values[i].key);
        held.push_back(HeldValue{values[i].key, values[i].value ? values[i].value : "", values[i].value == nullptr});
    }
}

void releaseHeldSettings(const SettingsValue* values, size_t count) {
    for (size_t i = 0; i < count; ++i) release(values[i].key);
}

void dropHeldSettings() { held.clear(); }

bool anySettingsHeld() { return !held.empty(); }

void applyHeldSettings(const char* section, std::string* text) {
    if (held.empty()) return;
    std::vector<SettingsValue> values;
    for (const HeldValue& value : held)
        values.push_back(SettingsValue{value.key.c_str(), value.removed ? nullptr : value.value.c_str()});
    *text = withSettingsValues(*text, section, values.data(), values.size());
}
