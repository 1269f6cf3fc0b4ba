// Registry keys and values through the Win32 "A" functions. Roots are the
// predefined key numbers; every open and create asks for KEY_ALL_ACCESS.
#pragma once
#include <cstdint>
#include <string>

enum : uint32_t {
    kRootClassesRoot = 0x80000000u,
    kRootCurrentUser = 0x80000001u,
    kRootLocalMachine = 0x80000002u,
};
enum { kRegSz = 1, kRegDword = 4 };

typedef void* RegistryKey;  // HKEY; null when not open

// RegCreateKeyExA (non-volatile, zeroed security attributes), closing the
// new key at once. *created tells a new key from one that existed.
bool registry_create_key(uint32_t root, const std::string& path, bool* created);
RegistryKey registry_open(uint32_t root, const std::string& path);
void registry_close(RegistryKey key);
bool registry_delete_key(uint32_t root, const std::string& path);  // RegDeleteKeyA, one level
// Name of the subkey at index (255-character buffer); false when none.
bool registry_subkey_at(RegistryKey key, uint32_t index, std::string* name);
bool registry_delete_value(RegistryKey key, const std::string& name);
bool registry_set_value(RegistryKey key, const std::string& name, uint32_t type, const void* data, uint32_t size);
bool registry_value_exists(RegistryKey key, const std::string& name);
