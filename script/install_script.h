// Reading the install script into g_script and the two task lists, and
// reading the statistics file.
#pragma once
#include <cstdint>
#include <string>

// Reads every setting and both task lists, deletes the script file, then
// substitutes the application's name and version into the messages. Shows
// message 30 and ends through the cleanup exit when it cannot be opened.
void install_script_read(const std::string& path);

// The required space: the first 8 bytes of the statistics file, 64-bit
// little-endian. Shows message 28 and ends through the cleanup exit when
// the file cannot be opened.
uint64_t statistics_read(const std::string& path);
