#include "ini/decimal_float.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten held exactly by a double.
const double exactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// digits x 10^exponent. Exact operands give the correctly rounded double (the
// common case: up to 15 digits and a small exponent); beyond that the steps
// of 10^22 lose at most a few units in the last place of the double, far
// below what the float keeps. Only exact IEEE operations are used, so every
// platform gets the same bits.
double scaled(uint64_t digits, int32_t exponent) {
    double value = static_cast<double>(digits);
    for (; exponent > 22 && value != 0.0 && std::isfinite(value); exponent -= 22) value *= 1e22;
    for (; exponent < -22 && value != 0.0; exponent += 22) value /= 1e22;
    if (value == 0.0 || !std::isfinite(value)) return value;
    return exponent >= 0 ? value * exactPowersOfTen[exponent] : value / exactPowersOfTen[-exponent];
}

}  // namespace

float decimalFloat(const char* text) { return readDecimal(text).value; }

DecimalNumber readDecimal(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    // Up to 19 significant digits are kept; later ones only move the exponent.
    uint64_t digits = 0;
    int significant = 0;
    int32_t exponent = 0;
    bool anyDigit = false;
    for (; isDigit(*p); ++p, anyDigit = true) {
        if (significant < 19) {
            digits = digits * 10 + static_cast<uint64_t>(*p - '0');
            significant += digits != 0;
        } else {
            ++exponent;
        }
    }
    if (*p == '.') {
        for (++p; isDigit(*p); ++p, anyDigit = true) {
            if (significant < 19) {
                digits = digits * 10 + static_cast<uint64_t>(*p - '0');
                significant += digits != 0;
                --exponent;
            }
        }
    }
    if (!anyDigit) return DecimalNumber{0.0f, 0, false};
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        bool negativeExponent = *q == '-';
        if (*q == '-' || *q == '+') ++q;
        if (isDigit(*q)) {
            int32_t written = 0;
            for (; isDigit(*q); ++q)
                if (written < 100000) written = written * 10 + (*q - '0');
            exponent += negativeExponent ? -written : written;
            p = q;
        }
    }
    size_t length = static_cast<size_t>(p - text);
    double value = scaled(digits, exponent);
    if (!(std::fabs(value) <= FLT_MAX)) return DecimalNumber{0.0f, length, true};
    float narrowed = static_cast<float>(value);
    return DecimalNumber{negative ? -narrowed : narrowed, length, false};
}
