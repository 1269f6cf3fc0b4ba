// Rules for the names of archive entries: wildcard matching, the parts of
// a name, and the check that keeps an entry inside its destination folder.
#pragma once
#include <string>

// Case-insensitive match with "*" (any run) and "?" (one character); a
// final ".*" also matches names without a dot.
bool wildcard_match(const char* pattern, const char* text);

// Text after the last "\" (the whole name when there is none).
std::string name_file_part(const std::string& name);

// Text up to and including the last "\" (empty when there is none).
std::string name_folder_part(const std::string& name);

// Replaces every "/" by "\".
std::string name_to_backslashes(const std::string& name);

// Drops everything up to and including the first ":\" of the name.
std::string name_drop_drive(const std::string& name);

// True when the name, after the ":\" rule, stays inside the destination:
// not empty, not starting with "\" or "/", no ":" left, no "." or ".."
// component. Entries failing this are skipped so that no file is ever
// written outside the destination folder.
bool name_stays_inside(const std::string& name);
