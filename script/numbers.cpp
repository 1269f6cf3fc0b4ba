#include "script/numbers.h"

int32_t read_number(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    unsigned base = 10;
    if (*p == '$') {
        base = 16;
        ++p;
    } else if (*p == '%') {
        base = 2;
        ++p;
    }
    uint32_t value = 0;  // unsigned: wrapping is defined
    for (;; ++p) {
        unsigned digit;
        char c = *p;
        if (c >= '0' && c <= '9') digit = (unsigned)(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f') digit = (unsigned)(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F') digit = (unsigned)(c - 'A' + 10);
        else break;
        if (digit >= base) break;
        value = value * base + digit;
    }
    if (negative) value = 0u - value;
    return (int32_t)value;
}
