// The decisions of the system requirement checks, apart from the calls
// that gather their inputs.
#pragma once
#include <cstdint>
#include <string>

#include "script/settings.h"

enum { kMsgNoFreeSpace = 29, kMsgOsUnsupported = 31, kMsgOsExcluded = 32, kMsgFrameworkMissing = 33 };

// True when the free bytes (-1 for a failed query) cover the required
// size; both are compared as full 64-bit values.
bool free_space_enough(int64_t free_bytes, uint64_t required);

// 0 when the installation may go on on this Windows version, otherwise
// the message id: 31 for Windows 95 and NT 3.x, 32 when the script's key
// for this version is exactly "0".
int windows_version_refusal(int os_code, const ScriptSettings& s);

// Framework version required by the DotNet value ("1.0" for "1", ...
// "3.5" for "5"); null when none is required.
const char* framework_version_text(const std::string& dot_net);

// The web address to open for a missing framework: empty when the value
// is empty or the bare "http://"; "http://" is put in front of an address
// that does not begin with it in any letter case.
std::string dependency_address(const std::string& run_if_dep_not_found);

// The version a framework folder stands for: the 3 characters from the
// second one on, trimmed of blanks ("v2.0.50727" gives "2.0").
std::string framework_folder_version(const std::string& folder_name);
