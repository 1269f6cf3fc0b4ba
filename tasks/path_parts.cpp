#include "tasks/path_parts.h"

#include <cstring>

std::string folder_part(const std::string& path) {
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string file_name_part(const std::string& path) {
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string lower_ascii(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = (char)(c + ('a' - 'A'));
    return out;
}

std::string trim_blanks(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool ends_with_lower(const std::string& text, const char* suffix) {
    size_t n = strlen(suffix);
    return text.size() >= n && lower_ascii(text.substr(text.size() - n)) == suffix;
}

std::string with_backslash(const std::string& text) {
    if (text.empty() || text[text.size() - 1] == '\\') return text;
    return text + '\\';
}
