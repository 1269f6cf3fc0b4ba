// Small text helpers shared by the task operations: path parts, case and
// blanks, written for single-byte ANSI text.
#pragma once
#include <string>

// Text up to and including the last "\"; empty when there is none.
std::string folder_part(const std::string& path);
// Text after the last "\"; the whole text when there is none.
std::string file_name_part(const std::string& path);
// ASCII letters lower-cased, every other byte kept.
std::string lower_ascii(const std::string& text);
// Leading and trailing blanks (spaces) removed.
std::string trim_blanks(const std::string& text);
// True when the last characters of text, lower-cased, equal the
// lower-case suffix (".lnk", ".url").
bool ends_with_lower(const std::string& text, const char* suffix);
// Text with "\" appended when it does not end in one (empty stays empty).
std::string with_backslash(const std::string& text);
