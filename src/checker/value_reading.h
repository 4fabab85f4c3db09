#pragma once
// How the plug-in's number readers take a value of the settings file, as the
// checker tells the player: the number read, the text they pass over, and the
// fix in his words ("Write 1 for on, 0 for off.", "Key codes are numbers: K is
// 75.", "Use a point for decimals: custom_spawn_1_x=-1034.6.").
#include <cstddef>
#include <string_view>

#include "settings/settings_keys.h"

// A message in the making; what does not fit is cut.
struct MessageText {
    char text[512] = "";
    size_t length = 0;
    void append(const char* format, ...) __attribute__((format(printf, 2, 3)));
};

// A value of three numbers, each ended by a comma, a semicolon or a blank
// ("450.0, 5566.0, 194.0"): a whole point on the line of one coordinate.
bool holdsThreeNumbers(std::string_view value);

enum class ReadingKind {
    Plain,       // a number and nothing else
    NoValue,     // "key=": read as if missing
    NotANumber,  // no digit where the number should start: read as 0
    TooLarge,    // beyond a float: read as 0
    TextAfter,   // a number, then text the reader passes over
};

struct ValueReading {
    ReadingKind kind;
    double number;             // as read: an integer key's 32-bit value, a float key's value
    bool decimal;              // read by the float reader
    std::string_view numeral;  // the text of the number in the value
    std::string_view ignored;  // TextAfter: the text passed over, without the blanks around it
};

// How serious a reading is: text passed over or no value a warning, no number an error.
CheckSeverity severityOfReading(ReadingKind kind);

// The value as the reader of the key's kind takes it: an integer from its
// first 29 characters, a decimal number from its first 31; an empty value as
// the key's missing one.
ValueReading readSettingValue(std::string_view value, bool decimal, double missing);

// The head of a finding on a value: "key=value", and how it reads unless plain
// ("... is not a number, so Pelorin reads it as 0").
void appendValueHead(MessageText* text, std::string_view key, std::string_view value, const ValueReading& reading);

// The fix of a value of a table key, by its unit: for a misread one, and for
// a key code that is no key.
void appendKeyFix(MessageText* text, const SettingKey& key, std::string_view value, const ValueReading& reading);

// The fix of a misread custom coordinate: a decimal comma, three coordinates
// on the line of the x, a label before the number, or text after it.
void appendCoordinateFix(MessageText* text, std::string_view key, std::string_view value,
                         const ValueReading& reading);
