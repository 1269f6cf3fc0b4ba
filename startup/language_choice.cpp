#include "startup/language_choice.h"

static std::string lower_trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return std::string();
    size_t e = s.find_last_not_of(' ');
    std::string out = s.substr(b, e - b + 1);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
    return out;
}

bool language_name_usable(const std::string& name) {
    return !lower_trimmed(name).empty();
}

int language_default_position(const std::vector<LanguageEntry>& list) {
    int position = 0, chosen = 0;
    for (const LanguageEntry& e : list) {
        if (e.name.empty()) continue;
        std::string lower = e.name;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
        if (lower == "english") chosen = position;
        ++position;
    }
    return chosen;
}

std::string language_path_for(const std::vector<LanguageEntry>& list, const std::string& selected) {
    std::string want = lower_trimmed(selected);
    for (const LanguageEntry& e : list)
        if (lower_trimmed(e.name) == want) return e.path;
    return std::string();
}
