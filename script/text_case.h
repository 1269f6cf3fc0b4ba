// Case-insensitive search and replace over single-byte text. Letter case
// is folded for ASCII letters only; every other byte matches itself.
#pragma once
#include <cstddef>
#include <string>

// Position of the first occurrence of token at or after from, or npos.
size_t find_nocase(const std::string& text, const char* token, size_t from = 0);

inline bool contains_nocase(const std::string& text, const char* token) {
    return find_nocase(text, token) != std::string::npos;
}

// Replaces every occurrence of token by value, scanning left to right and
// never re-reading replaced text. Returns false and leaves out untouched
// when the result would be longer than limit bytes.
bool replace_all_nocase(const std::string& text, const char* token, const std::string& value, std::string* out,
                        size_t limit = (size_t)-1);

// The same, in place and without a limit.
void replace_all_nocase(std::string* text, const char* token, const std::string& value);
