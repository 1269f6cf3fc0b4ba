// Shell folders and the registry value behind the program-registration
// folder ("A" functions).
#pragma once
#include <cstdint>
#include <string>

// SHGetSpecialFolderLocation and SHGetPathFromIDListA for a CSIDL number:
// the path as the shell gives it, or empty when either call fails.
std::string shell_folder_path(int csidl);

// The default (unnamed) value of root\subkey as text, read into a 522-byte
// buffer after opening the key with KEY_ALL_ACCESS. root is a predefined
// key handle value such as 0x80000000 (HKEY_CLASSES_ROOT). False when the
// key cannot be opened or the value cannot be read.
bool registry_default_text(uint32_t root, const char* subkey, std::string* out);
