#include "wizard/size_text.h"

#include <cmath>

static const char* const kUnits[] = {"B", "KB", "MB", "GB", "TB", "PB", "EB"};

// Decimal digits of a non-negative number.
static std::string digits(uint64_t n) {
    char buf[24];
    int i = sizeof buf;
    buf[--i] = 0;
    do {
        buf[--i] = (char)('0' + n % 10);
        n /= 10;
    } while (n);
    return buf + i;
}

std::string size_text(int64_t bytes, int decimals) {
    if (bytes < 0) return "?";
    int exponent = 0;
    if (bytes > 0) {
        // Each step is rounded to single precision on purpose: the unit
        // chosen must match what the installer has always shown.
        volatile float ln_size = (float)std::log((double)bytes);
        volatile float ln_1024 = (float)std::log(1024.0);
        volatile float quotient = ln_size / ln_1024;
        exponent = (int)std::floor((double)quotient);
        if (exponent < 0) exponent = 0;
        if (exponent > 6) exponent = 6;
    }
    // Dividing by 1024 step by step is exact and spares the pow function.
    double value = (double)bytes;
    for (int i = 0; i < exponent; ++i) value /= 1024.0;
    if (exponent == 0) return digits((uint64_t)bytes) + " " + kUnits[0];
    if (decimals <= 0) return digits((uint64_t)(value + 0.5)) + " " + kUnits[exponent];
    uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    uint64_t scaled = (uint64_t)(value * (double)scale + 0.5);  // value is positive
    std::string fraction = digits(scaled % scale);
    while ((int)fraction.size() < decimals) fraction = "0" + fraction;
    return digits(scaled / scale) + "." + fraction + " " + kUnits[exponent];
}
