#include "tasks/autoexec_lines.h"

#include "tasks/path_parts.h"

std::vector<std::string> autoexec_lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        size_t end = lf == std::string::npos ? text.size() : lf;
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.push_back(text.substr(start, stop - start));
        if (lf == std::string::npos) break;
        start = lf + 1;
    }
    return lines;
}

bool autoexec_line_sets(const std::string& line, const std::string& name) {
    std::string trimmed = trim_blanks(line);
    if (lower_ascii(trimmed).find("set") == std::string::npos) return false;
    // Words are separated by single blanks, so "SET  X=1" has an empty
    // second word and never matches.
    size_t first_blank = trimmed.find(' ');
    if (first_blank == std::string::npos) return false;
    size_t word_end = trimmed.find(' ', first_blank + 1);
    std::string word = trimmed.substr(first_blank + 1, word_end == std::string::npos ? std::string::npos
                                                                                   : word_end - first_blank - 1);
    size_t eq = word.find('=');
    if (eq != std::string::npos) word.resize(eq);
    return lower_ascii(trim_blanks(word)) == lower_ascii(trim_blanks(name));
}

std::string autoexec_with_variable(const std::string& text, const std::string& name, const std::string& value,
                                   bool* existed) {
    std::string out;
    bool found = false;
    for (const std::string& line : autoexec_lines(text)) {
        if (autoexec_line_sets(line, name)) found = true;
        out += line;
        out += "\r\n";
    }
    out += "SET " + trim_blanks(name) + "=" + trim_blanks(value);
    if (existed) *existed = found;
    return out;
}

std::string autoexec_without_variable(const std::string& text, const std::string& name) {
    std::string out;
    for (const std::string& line : autoexec_lines(text)) {
        if (autoexec_line_sets(line, name)) continue;
        out += trim_blanks(line);
        out += "\r\n";
    }
    return out;
}
