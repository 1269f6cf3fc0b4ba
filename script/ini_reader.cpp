#include "script/ini_reader.h"

#include <cstring>

static char lower_ascii(char c) {
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

bool ini_names_equal(const std::string& a, const char* b) {
    size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (lower_ascii(a[i]) != lower_ascii(b[i])) return false;
    return true;
}

static bool is_blank(char c) { return c == ' ' || c == '\t'; }

static bool names_equal(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower_ascii(a[i]) != lower_ascii(b[i])) return false;
    return true;
}

// Index of the section of that name, appending it when it is new.
static size_t section_index(IniFile* out, const std::string& name) {
    for (size_t i = 0; i < out->sections.size(); ++i)
        if (names_equal(out->sections[i].name, name)) return i;
    out->sections.push_back(IniSection());
    out->sections.back().name = name;
    return out->sections.size() - 1;
}

// One line without its line end. current is the index of the section
// that key lines go to, or npos before the first header.
static void parse_line(const char* p, const char* end, IniFile* out, size_t* current) {
    while (p < end && is_blank(*p)) ++p;
    if (p == end || *p == ';') return;
    if (*p == '[') {
        const char* close = p + 1;
        while (close < end && *close != ']') ++close;
        // A header repeated further down continues the section it names,
        // so its keys are found and enumerated with the earlier ones.
        *current = section_index(out, std::string(p + 1, close));
        return;
    }
    const char* eq = p;
    while (eq < end && *eq != '=') ++eq;
    const char* key_end = eq;
    while (key_end > p && is_blank(key_end[-1])) --key_end;
    IniKey k;
    k.key.assign(p, key_end);
    if (eq < end) {
        const char* v = eq + 1;
        while (v < end && is_blank(*v)) ++v;
        k.value.assign(v, end);
    }
    if (*current == (size_t)-1) *current = section_index(out, std::string());
    out->sections[*current].keys.push_back(k);
}

void ini_parse(const char* data, size_t size, IniFile* out) {
    out->sections.clear();
    const char* p = data;
    const char* end = data + size;
    if (size >= 3 && (unsigned char)p[0] == 0xEF && (unsigned char)p[1] == 0xBB && (unsigned char)p[2] == 0xBF)
        p += 3;
    size_t current = (size_t)-1;
    while (p < end) {
        const char* line_end = p;
        while (line_end < end && *line_end != '\r' && *line_end != '\n') ++line_end;
        parse_line(p, line_end, out, &current);
        p = line_end;
        if (p < end && *p == '\r') {
            ++p;
            if (p < end && *p == '\n') ++p;
        } else if (p < end && *p == '\n') {
            ++p;
        }
    }
}

const IniSection* ini_section(const IniFile& ini, const char* name) {
    for (const IniSection& s : ini.sections)
        if (ini_names_equal(s.name, name)) return &s;
    return nullptr;
}

std::string ini_read(const IniFile& ini, const char* section, const char* key, const char* def) {
    const IniSection* s = ini_section(ini, section);
    if (s)
        for (const IniKey& k : s->keys)
            if (ini_names_equal(k.key, key)) return k.value;
    return def;
}
