// The language list and the choice made from it.
#pragma once
#include <string>
#include <vector>

struct LanguageEntry {
    std::string name;    // value of Language, as read
    std::string author;  // value of Author
    std::string path;    // full path of the localization file
};

// Position in the combo box that starts selected: the last entry whose
// name is "english" in any case, else 0. Entries with an empty name are
// not in the combo box and take no position.
int language_default_position(const std::vector<LanguageEntry>& list);

// Path of the first entry whose name, lower-cased and trimmed of spaces,
// equals the selected text treated the same way; empty when none does.
std::string language_path_for(const std::vector<LanguageEntry>& list, const std::string& selected);

// True when the name is usable: not empty after trimming spaces.
bool language_name_usable(const std::string& name);
