// The portable half of reading the install script: settings and task
// lists from a parsed script, and the size held by the statistics file.
#pragma once
#include <cstdint>
#include <string>

#include "script/ini_reader.h"

// Fills g_script and both task lists from the script, in script order.
void script_settings_read(const IniFile& script);

// The first 8 bytes as an unsigned 64-bit little-endian number; false
// when the data is shorter than that.
bool statistics_size_from(const std::string& data, uint64_t* size);
