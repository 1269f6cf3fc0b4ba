#include "script/text_case.h"

#include <cstring>

static char fold(char c) {
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

size_t find_nocase(const std::string& text, const char* token, size_t from) {
    size_t n = std::strlen(token);
    if (n == 0 || text.size() < n) return std::string::npos;
    char first = fold(token[0]);
    bool letter = first >= 'a' && first <= 'z';
    const char* base = text.data();
    size_t last = text.size() - n;  // the last position a match can start at
    for (size_t i = from; i <= last; ++i) {
        if (!letter) {
            // The tokens start with "<" or "$": memchr finds candidates fast.
            const void* hit = std::memchr(base + i, token[0], last - i + 1);
            if (!hit) break;
            i = (size_t)((const char*)hit - base);
        } else if (fold(base[i]) != first) {
            continue;
        }
        size_t k = 1;
        while (k < n && fold(base[i + k]) == fold(token[k])) ++k;
        if (k == n) return i;
    }
    return std::string::npos;
}

bool replace_all_nocase(const std::string& text, const char* token, const std::string& value, std::string* out,
                        size_t limit) {
    size_t n = std::strlen(token);
    // Measure first, so that a value that multiplies the text is refused
    // before any memory is spent on it.
    size_t count = 0;
    for (size_t at = find_nocase(text, token); at != std::string::npos; at = find_nocase(text, token, at + n)) ++count;
    if (count == 0) {
        *out = text;
        return true;
    }
    if (value.size() > n) {
        size_t extra = value.size() - n;
        if (text.size() > limit || extra > (limit - text.size()) / count) return false;
    }
    std::string result;
    result.reserve(text.size() - count * n + count * value.size());
    size_t pos = 0;
    for (size_t at = find_nocase(text, token); at != std::string::npos; at = find_nocase(text, token, pos)) {
        result.append(text, pos, at - pos);
        result += value;
        pos = at + n;
    }
    result.append(text, pos, std::string::npos);
    out->swap(result);
    return true;
}

void replace_all_nocase(std::string* text, const char* token, const std::string& value) {
    std::string result;
    replace_all_nocase(*text, token, value, &result);
    text->swap(result);
}
