// The line rules for environment variables kept in AUTOEXEC.BAT on
// Windows 95, 98 and ME: a variable is a line "SET name=value", lines end
// in CR LF.
#pragma once
#include <string>
#include <vector>

// The lines of the file's text: split at LF, one CR before it dropped; a
// last line without line end is still a line, a final line end starts
// no new one.
std::vector<std::string> autoexec_lines(const std::string& text);

// True when the line sets the variable (case-insensitive): the line,
// trimmed, contains "set" in any case, and its second blank-separated
// word, cut at the first "=" and trimmed, equals the trimmed name.
bool autoexec_line_sets(const std::string& line, const std::string& name);

// New file text: every existing line followed by CR LF, then
// "SET " + name + "=" + value (both trimmed) with no line end after it.
// *existed tells whether a line already set the variable.
std::string autoexec_with_variable(const std::string& text, const std::string& name, const std::string& value,
                                   bool* existed);

// New file text without the lines that set the variable; every other
// line trimmed of blanks and followed by CR LF.
std::string autoexec_without_variable(const std::string& text, const std::string& name);
