#pragma once
// Settings files for tests: the built-in file with some keys set otherwise.
#include <string>
#include <utility>
#include <vector>

#include "tests/support/plugin_state.h"

namespace testing_support {

using Setting = std::pair<const char*, std::string>;

// The built-in settings text with each key's line replaced (or added when the
// key is not among the built-in ones); later changes win.
inline std::string builtInSettingsWith(const std::vector<Setting>& changes) {
    std::string text = builtInSettingsText();
    for (const Setting& change : changes) {
        std::string key = std::string(change.first) + "=";
        size_t at = text.find("\n" + key);
        if (at == std::string::npos) {
            text += key + change.second + "\n";
            continue;
        }
        size_t end = text.find('\n', at + 1);
        text.replace(at + 1, end - at - 1, key + change.second);
    }
    return text;
}

}  // namespace testing_support
