#include "checker/value_reading.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "ini/decimal_float.h"
#include "ini/ini_reader.h"
#include "settings/setting_limits.h"

namespace {

// The longest value and passed-over text a message shows.
constexpr size_t shownValue = 60;
constexpr size_t shownIgnored = 40;

// A view's length and text for "%.*s", cut to at most limit characters.
#define CUT(v, limit) static_cast<int>((v).size() < (limit) ? (v).size() : (limit)), (v).data()

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The decimal number at the start of text, as the float reader takes it: its
// length (blanks before it included), 0 when none.
size_t decimalLength(std::string_view text) {
    char copy[32];
    copy[text.copy(copy, sizeof copy - 1)] = '\0';
    return readDecimal(copy).length;
}

// "-1034,6": a number whose decimals follow a comma, the decimals in digits.
bool decimalComma(const ValueReading& reading, std::string_view* digits) {
    std::string_view rest = reading.ignored;
    if (reading.kind != ReadingKind::TextAfter || rest.size() < 2 || rest.front() != ',') return false;
    rest.remove_prefix(1);
    for (char c : rest)
        if (!isDigit(c)) return false;
    *digits = rest;
    return true;
}

// The Windows virtual-key code of a key named as a player writes it ("K",
// "7", "Ctrl", "F5"); 0 for a name it does not know.
int keyCodeNamed(std::string_view name) {
    name = trimmed(name);
    if (name.size() == 1) {
        char c = lowerAscii(name.front());
        if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
        if (isDigit(c)) return c;
        return 0;
    }
    struct Named {
        const char* name;
        int code;
    };
    static const Named named[] = {{"ctrl", 17},  {"control", 17}, {"shift", 16}, {"alt", 18},   {"space", 32},
                                  {"enter", 13}, {"tab", 9},      {"esc", 27},   {"escape", 27}};
    for (const Named& key : named)
        if (equalIgnoringCase(name, key.name)) return key.code;
    if (lowerAscii(name.front()) == 'f' && name.size() <= 3) {
        int number = 0;
        for (char c : name.substr(1)) number = isDigit(c) ? number * 10 + (c - '0') : 100;
        if (number >= 1 && number <= 24) return 111 + number;  // F1 is 112
    }
    return 0;
}

// "450.0, 5566.0, 194.0", or with labels "X: 450.0 Y: 5566.0 Z: 194.0": three
// whole numbers, each ended by a comma, a semicolon or a blank; into numbers.
bool threeNumbers(std::string_view value, std::string_view numbers[3]) {
    int count = 0;
    while (true) {
        // Separators, and the labels of "X: 450.0 Y: 5566.0 Z: 194.0".
        while (!value.empty() && (isBlank(value.front()) ||
                                  (value.front() != '\0' && std::strchr(",;:=xyzXYZ", value.front()) != nullptr)))
            value.remove_prefix(1);
        if (value.empty()) return count == 3;
        size_t length = decimalLength(value);
        if (length == 0 || count == 3) return false;
        std::string_view number = value.substr(0, length);
        value.remove_prefix(length);
        if (!value.empty() && !isBlank(value.front()) && value.front() != ',' && value.front() != ';') return false;
        numbers[count++] = trimmed(number);
    }
}

// The first number within a value that does not start with one ("x: -1034.6"),
// when nothing follows it.
bool numberWithin(std::string_view value, std::string_view* number) {
    for (size_t i = 1; i < value.size(); ++i) {
        bool starts = isDigit(value[i]) || ((value[i] == '-' || value[i] == '+' || value[i] == '.') &&
                                            i + 1 < value.size() && isDigit(value[i + 1]));
        if (!starts) continue;
        size_t length = decimalLength(value.substr(i));
        if (length == 0 || !trimmed(value.substr(i + length)).empty()) return false;
        *number = value.substr(i, length);
        return true;
    }
    return false;
}

}  // namespace

bool holdsThreeNumbers(std::string_view value) {
    std::string_view numbers[3];
    return threeNumbers(value, numbers);
}

void MessageText::append(const char* format, ...) {
    if (length >= sizeof text - 1) return;
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(text + length, sizeof text - length, format, args);
    va_end(args);
    if (written > 0) length = std::min(length + static_cast<size_t>(written), sizeof text - 1);
}

CheckSeverity severityOfReading(ReadingKind kind) {
    switch (kind) {
        case ReadingKind::Plain:
            return CheckSeverity::Note;
        case ReadingKind::NoValue:
        case ReadingKind::TextAfter:
            return CheckSeverity::Warning;
        case ReadingKind::NotANumber:
        case ReadingKind::TooLarge:
            break;
    }
    return CheckSeverity::Error;
}

ValueReading readSettingValue(std::string_view value, bool decimal, double missing) {
    ValueReading reading{};
    if (value.empty()) {
        reading.kind = ReadingKind::NoValue;
        reading.number = missing;
        reading.decimal = true;  // the missing value as the table writes it
        return reading;
    }
    // The characters the plug-in's reader takes: 31 for a float, 29 for an integer.
    char text[32];
    size_t taken = value.copy(text, decimal ? 31 : 29);
    text[taken] = '\0';
    size_t length = 0;
    bool beyondFloat = false;
    if (decimal) {
        DecimalNumber number = readDecimal(text);
        length = number.length;
        beyondFloat = number.beyondFloat;
        reading.number = number.value;
    } else {
        reading.number = static_cast<int32_t>(profileIntOf(text, &length));
    }
    reading.decimal = decimal;
    reading.numeral = trimmed(value.substr(0, length));
    reading.ignored = trimmed(value.substr(length));
    reading.kind = length == 0          ? ReadingKind::NotANumber
                   : beyondFloat        ? ReadingKind::TooLarge
                   : !reading.ignored.empty() ? ReadingKind::TextAfter
                                              : ReadingKind::Plain;
    return reading;
}

void appendValueHead(MessageText* text, std::string_view key, std::string_view value, const ValueReading& reading) {
    const int k = static_cast<int>(key.size());
    // The number as the player reads it: every digit of an integer, a float's significant ones.
    char shown[24];
    std::snprintf(shown, sizeof shown, reading.decimal ? "%g" : "%.0f", reading.number);
    switch (reading.kind) {
        case ReadingKind::Plain:
            text->append("%.*s=%.*s", k, key.data(), CUT(value, shownValue));
            break;
        case ReadingKind::NoValue:
            text->append("%.*s has no value, so Pelorin reads it as %s (as if it were missing)", k, key.data(),
                         shown);
            break;
        case ReadingKind::NotANumber:
            text->append("%.*s=%.*s is not a number, so Pelorin reads it as %s", k, key.data(),
                         CUT(value, shownValue), shown);
            break;
        case ReadingKind::TooLarge:
            text->append("%.*s=%.*s is too large a number, so Pelorin reads it as %s", k, key.data(),
                         CUT(value, shownValue), shown);
            break;
        case ReadingKind::TextAfter:
            text->append("%.*s=%.*s: Pelorin reads %s and ignores \"%.*s\"", k, key.data(), CUT(value, shownValue),
                         shown, CUT(reading.ignored, shownIgnored));
            break;
    }
}

void appendKeyFix(MessageText* text, const SettingKey& key, std::string_view value, const ValueReading& reading) {
    std::string_view digits;
    if (key.kind == SettingKind::Float && decimalComma(reading, &digits)) {
        text->append(" Use a point for decimals: %s=%.*s.%.*s.", key.name, CUT(reading.numeral, shownValue),
                     CUT(digits, shownIgnored));
        return;
    }
    switch (key.unit) {
        case SettingUnit::Switch:
            text->append(" Write 1 for on, 0 for off.");
            return;
        case SettingUnit::Percent:
            // His own number when he wrote one ("30%": 30 for 30 percent).
            if (reading.kind == ReadingKind::TextAfter && !reading.decimal && reading.number >= 0 &&
                reading.number <= 100)
                text->append(" Write a whole number: %s=%.0f for %.0f percent.", key.name, reading.number,
                             reading.number);
            else
                text->append(" Write a whole number: 20 for 20 percent.");
            return;
        case SettingUnit::Milliseconds:
            text->append(" Write whole milliseconds: 5500 for 5.5 seconds.");
            return;
        case SettingUnit::KeyCode:
            if (int code = keyCodeNamed(value))
                text->append(" Key codes are numbers: %.*s is %d.", CUT(trimmed(value), shownIgnored), code);
            else
                text->append(" Key codes are numbers: 17 is Ctrl, 75 is K.");
            return;
        case SettingUnit::Choice:
            text->append(" Write a number from %g to %g, as listed above the key.", key.low, key.high);
            return;
        case SettingUnit::Speed:
            text->append(" Write a number from %g to %.1f, such as 0.5 for half speed.",
                         static_cast<double>(slowestTimeScale), key.high);
            return;
        default:
            text->append(" Write a whole number, such as %g (as shipped).", key.builtIn);
            return;
    }
}

void appendCoordinateFix(MessageText* text, std::string_view key, std::string_view value,
                         const ValueReading& reading) {
    const int k = static_cast<int>(key.size());
    std::string_view digits, number, three[3];
    if (decimalComma(reading, &digits)) {
        text->append(" Use a point for decimals: %.*s=%.*s.%.*s.", k, key.data(), CUT(reading.numeral, shownValue),
                     CUT(digits, shownIgnored));
    } else if (lowerAscii(key.back()) == 'x' && threeNumbers(value, three)) {
        const int stem = k - 1;  // "custom_spawn_<n>_"
        text->append(" Put each coordinate on a line of its own: %.*sx=%.*s, %.*sy=%.*s and %.*sz=%.*s.", stem,
                     key.data(), CUT(three[0], shownIgnored), stem, key.data(), CUT(three[1], shownIgnored), stem,
                     key.data(), CUT(three[2], shownIgnored));
    } else if (reading.kind == ReadingKind::NotANumber && numberWithin(value, &number)) {
        text->append(" Write only the number: %.*s=%.*s.", k, key.data(), CUT(number, shownValue));
    } else if (reading.kind == ReadingKind::TextAfter) {
        text->append(" Write only the number: %.*s=%.*s.", k, key.data(), CUT(reading.numeral, shownValue));
    } else {
        text->append(" Write one number, with a point for decimals, such as -1034.6.");
    }
}

#undef CUT
