// General preference-file reader for INI-style text: the install script,
// the localization files and the uninstall script all go through it.
//
// Syntax accepted: a UTF-8 byte-order mark at the start is skipped; lines
// end with CR LF, LF or CR; leading blanks and tabs are skipped; empty
// lines and lines starting with ";" are ignored; "[" opens a section named
// by the text up to the next "]" (the rest of the line is ignored); any
// other line is a key line: key = text before the first "=" without
// trailing blanks and tabs, value = text after it without leading blanks
// and tabs (trailing blanks kept). Names compare without regard to case.
//
// Choices where the format is open: a line without "=" is a key with the
// empty value; a key written twice in one section keeps both lines (they
// are enumerated in order), and a lookup finds the first; a section header
// written again continues the earlier section of that name, so its keys
// are neither lost nor hidden; key lines before any header belong to a
// section with the empty name.
#pragma once
#include <string>
#include <vector>

struct IniKey {
    std::string key;
    std::string value;
};

struct IniSection {
    std::string name;
    std::vector<IniKey> keys;  // in file order
};

struct IniFile {
    std::vector<IniSection> sections;  // in order of first appearance,
                                       // each name once
};

void ini_parse(const char* data, size_t size, IniFile* out);

// First section of that name (case-insensitive), or null.
const IniSection* ini_section(const IniFile& ini, const char* name);

// Value of the first key of that name in the first section of that name,
// or the default when either is missing.
std::string ini_read(const IniFile& ini, const char* section, const char* key, const char* def);

// Case-insensitive comparison of ASCII names.
bool ini_names_equal(const std::string& a, const char* b);
