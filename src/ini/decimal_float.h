#pragma once
// The float settings' number reader, one for every platform: a decimal number
// from the start of the text (white space skipped, an optional sign, digits
// with an optional fraction and exponent), up to the first character that
// does not fit, as atof reads it and narrowed to float. "inf", "nan" and hex
// numbers are not numbers here, and a value beyond the range of a float reads
// as 0.0 like a text without a number: the result is always finite.
#include <cstddef>

float decimalFloat(const char* text);

// The same reading with what it took: length is how many characters make up
// the number, white space before it included (0 when there is no digit), and
// beyondFloat tells a number too large for a float, which reads as 0.0.
struct DecimalNumber {
    float value;
    size_t length;
    bool beyondFloat;
};
DecimalNumber readDecimal(const char* text);
