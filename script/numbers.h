// The one number reader used wherever a value is "read as a number":
// leading blanks and tabs skipped, an optional "+" or "-", then decimal
// digits, or "$" and hexadecimal digits, or "%" and base-2 digits; reading
// stops at the first other character; no digits gives 0. The result is a
// signed 32-bit integer; larger values wrap around modulo 2^32.
#pragma once
#include <cstdint>
#include <string>

int32_t read_number(const char* text);
inline int32_t read_number(const std::string& text) { return read_number(text.c_str()); }

// Flag texts compare byte for byte: "1 " and "01" are not "1".
inline bool flag_is(const std::string& value, const char* exact) { return value == exact; }
