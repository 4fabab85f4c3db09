// The key table: the shipped file documents exactly its keys with their
// descriptions and ranges, and its rows hold together (a built-in value within
// the documented range, a name for every choice).
#include "settings/settings_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "settings/settings_key_texts.h"
#include "tools/settings_key_descriptions.h"
#include "tests/support/plugin_state.h"

namespace {

struct DocumentedKey {
    std::string name;
    std::vector<std::string> comments;  // the comment lines right above it, without their "; "
};

// The description as the last comment lines above the key state it, a line
// broken only between words; empty when they do not.
std::string describedBy(const std::vector<std::string>& comments, const std::string& description) {
    std::string joined;
    for (size_t k = comments.size(); k-- > 0;) {
        joined = comments[k] + (joined.empty() ? "" : " ") + joined;
        if (joined == description) return joined;
    }
    return "";
}

// The name of a key line, set or shown in a comment (";key=value"); empty
// for any other line.
std::string keyOfLine(const std::string& line) {
    size_t begin = !line.empty() && line[0] == ';' ? 1 : 0;
    size_t end = begin;
    while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_')) ++end;
    return end > begin && end < line.size() && line[end] == '=' ? line.substr(begin, end - begin) : "";
}

bool isCustomPointKey(const std::string& key) {
    const std::string prefix = "custom_spawn_";
    if (key.compare(0, prefix.size(), prefix) != 0 || key.size() < prefix.size() + 3) return false;
    size_t digits = prefix.size();
    while (digits < key.size() && std::isdigit(static_cast<unsigned char>(key[digits]))) ++digits;
    return digits > prefix.size() && digits + 2 == key.size() && key[digits] == '_' && key.back() >= 'x' &&
           key.back() <= 'z';
}

// The keys of the shipped file, set or shown in a comment, other than the
// pattern of the custom points.
std::vector<DocumentedKey> documentedKeys(const std::string& text) {
    std::vector<DocumentedKey> keys;
    std::vector<std::string> comments;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string key = keyOfLine(line);
        if (!key.empty()) {
            if (!isCustomPointKey(key)) keys.push_back(DocumentedKey{key, comments});
            comments.clear();
        } else if (!line.empty() && line[0] == ';') {
            comments.push_back(line.substr(std::min<size_t>(2, line.size())));
        } else {
            comments.clear();
        }
    }
    return keys;
}

std::string rangeText(const SettingKey& key) {
    char text[64];
    std::snprintf(text, sizeof text, "%g to %g", key.low, key.high);
    return text;
}

TEST(SettingsKeys, ShippedFileDocumentsExactlyTheKeysOfTheTable) {
    std::vector<DocumentedKey> documented = documentedKeys(testing_support::shippedSettingsText());
    ASSERT_EQ(documented.size(), static_cast<size_t>(settingKeyCount));
    for (int i = 0; i < settingKeyCount; ++i) {
        const SettingKey& key = settingKeys[i];
        SCOPED_TRACE(key.name);
        EXPECT_EQ(documented[i].name, key.name) << "the file's keys in the table's order";
        std::string description = describedBy(documented[i].comments, settingKeyDescriptions[i]);
        EXPECT_EQ(description, settingKeyDescriptions[i]) << "the comment lines above the key";
        // A range the plug-in holds a value to is stated beside the key.
        if (key.outside == OutsideRange::Held || key.outside == OutsideRange::BuiltInBelowZero) {
            EXPECT_NE(description.find(rangeText(key)), std::string::npos) << rangeText(key);
        }
    }
}

// A Windows settings file: every line ends in CR LF, and no line is wider
// than a window shows (100 characters).
TEST(SettingsKeys, ShippedFileHasWindowsLinesThatFitAWindow) {
    std::string text = testing_support::shippedSettingsText();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    int lineNumber = 1;
    size_t begin = 0;
    for (size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1, ++lineNumber) {
        SCOPED_TRACE(lineNumber);
        ASSERT_GT(end, begin);
        EXPECT_EQ(text[end - 1], '\r');
        EXPECT_LE(end - 1 - begin, 100u);
        EXPECT_EQ(text.find('\r', begin), end - 1) << "no bare CR inside a line";
    }
    EXPECT_EQ(begin, text.size());
}

TEST(SettingsKeys, RowsHoldTogether) {
    for (const SettingKey& key : settingKeys) {
        SCOPED_TRACE(key.name);
        EXPECT_EQ(settingKeyIndex(key.name), &key - settingKeys);
        EXPECT_LT(key.low, key.high);
        EXPECT_GT(key.step, 0.0);
        const SettingKeyText& text = settingKeyTexts[&key - settingKeys];
        EXPECT_FALSE(std::string(text.label).empty());
        // A key in the menu says what it does in a line below the page; one out of it has no need to.
        EXPECT_EQ(text.hint != nullptr, key.page != SettingPage::FileOnly);
        if (text.hint != nullptr) {
            EXPECT_LE(std::string(text.hint).size(), 80u) << text.hint;
            EXPECT_NE(std::string(text.hint).back(), '.') << "the description adds its own stop";
        }
        // The keys of the first release read as the reader reads a missing key;
        // those that came later take their shipped value.
        if (!takesShippedValueWhenMissing(key)) {
            EXPECT_EQ(key.missing, key.kind == SettingKind::Float ? 0.0 : -1.0) << "as the reader reads a missing key";
        }
        if (key.inRecord) {
            EXPECT_GE(key.builtIn, key.low);
            EXPECT_LE(key.builtIn, key.high);
        }
        // A Choice key names each value of its range, and only those.
        SettingId id = static_cast<SettingId>(&key - settingKeys);
        EXPECT_EQ(text.choices != nullptr, key.unit == SettingUnit::Choice);
        if (text.choices == nullptr) continue;
        for (int32_t value = static_cast<int32_t>(key.low); value <= key.high; ++value)
            EXPECT_FALSE(choiceName(id, value).empty()) << value;
        std::string choices = text.choices;
        EXPECT_EQ(std::count(choices.begin(), choices.end(), '|'), static_cast<long>(key.high - key.low));
        EXPECT_TRUE(choiceName(id, static_cast<int32_t>(key.high) + 1).empty());
    }
    EXPECT_EQ(choiceName(SettingId::land_vehicle_type, 10), "super");
    EXPECT_EQ(settingKeyIndex("FIRST_WAIT_TIME"), static_cast<int>(SettingId::first_wait_time));
    EXPECT_EQ(settingKeyIndex("custom_spawn_1_x"), -1);
    // The keys that came after the first release, and only they.
    std::vector<std::string> later;
    for (const SettingKey& key : settingKeys)
        if (takesShippedValueWhenMissing(key)) later.push_back(key.name);
    EXPECT_EQ(later, (std::vector<std::string>{"write_log_file", "save_spawn_point_key_1_of_2",
                                                "save_spawn_point_key_2_of_2", "menu_key_1_of_2", "menu_key_2_of_2",
                                                "menu_controller_button_1_of_2", "menu_controller_button_2_of_2"}));
}

}  // namespace
