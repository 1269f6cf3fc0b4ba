#include "startup/archive_names.h"

#include <cstring>

static char lower_ascii(char c) {
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

static bool plain_match(const char* pattern, const char* text) {
    // Iterative matcher with one backtrack point: linear in practice and
    // free of recursion depth on hostile patterns.
    const char* star = nullptr;
    const char* retry = nullptr;
    while (*text) {
        if (*pattern == '*') {
            star = pattern++;
            retry = text;
        } else if (*pattern == '?' || (*pattern && lower_ascii(*pattern) == lower_ascii(*text))) {
            ++pattern;
            ++text;
        } else if (star) {
            pattern = star + 1;
            text = ++retry;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == 0;
}

bool wildcard_match(const char* pattern, const char* text) {
    if (plain_match(pattern, text)) return true;
    // As in Windows listings, a final ".*" also takes names without a dot,
    // so "*.*" matches every name.
    size_t n = std::strlen(pattern);
    if (n >= 2 && pattern[n - 2] == '.' && pattern[n - 1] == '*' && !std::strchr(text, '.'))
        return plain_match(std::string(pattern, n - 2).c_str(), text);
    return false;
}

std::string name_file_part(const std::string& name) {
    size_t p = name.rfind('\\');
    return p == std::string::npos ? name : name.substr(p + 1);
}

std::string name_folder_part(const std::string& name) {
    size_t p = name.rfind('\\');
    return p == std::string::npos ? std::string() : name.substr(0, p + 1);
}

std::string name_to_backslashes(const std::string& name) {
    std::string out = name;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

std::string name_drop_drive(const std::string& name) {
    size_t p = name.find(":\\");
    return p == std::string::npos ? name : name.substr(p + 2);
}

bool name_stays_inside(const std::string& name) {
    if (name.empty() || name[0] == '\\' || name[0] == '/') return false;
    if (name.find(':') != std::string::npos) return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("\\/", start);
        if (end == std::string::npos) end = name.size();
        std::string part = name.substr(start, end - start);
        // Windows ignores trailing dots and blanks in a component, so
        // ".. " and "..." climb like "..".
        size_t last = part.find_last_not_of(". ");
        if (!part.empty() && last == std::string::npos) return false;
        start = end + 1;
    }
    return true;
}
