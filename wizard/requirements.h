// The checks that refuse a machine which cannot take the package.
#pragma once
#include <cstdint>
#include <string>

// Reads the required size from the statistics file and refuses when the
// temporary drive has less space free (messages 28, 29). Returns the
// required size.
uint64_t requirements_check_space();

// Refuses an excluded Windows version (messages 31, 32) and a missing
// framework (message 33, then the author's download address is opened).
void requirements_check_system();

// Whether a framework folder of that version ("2.0") holding more than
// 10 MB lies in the Windows folder's Microsoft.NET\Framework\.
bool framework_installed(const std::string& version_text);
