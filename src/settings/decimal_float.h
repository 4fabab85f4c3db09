#pragma once
// The float settings' number reader, one for every platform: a decimal number
// from the start of the text (white space skipped, an optional sign, digits
// with an optional fraction and exponent), up to the first character that
// does not fit, as atof reads it and narrowed to float. "inf", "nan" and hex
// numbers are not numbers here, and a value beyond the range of a float reads
// as 0.0 like a text without a number: the result is always finite.
float decimalFloat(const char* text);
