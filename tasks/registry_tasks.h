// Registry operations of the registry task kinds, also used by extension
// association, fonts and environment variables. Every operation drops one
// leading "\" of the key path, returns 1 for success and 0 for failure,
// and shows nothing.
#pragma once
#include <cstdint>
#include <string>

#include "platform/registry.h"

// Root of the registry task kinds' root index: 0 HKEY_CURRENT_USER,
// 1 HKEY_LOCAL_MACHINE, anything else no root (the operation then fails).
uint32_t registry_root_from_index(int32_t index);

// Creates the key with its missing parents; an existing key is opened.
// *created (may be null) is true only when the key did not exist before,
// so that only a key this installation made is taken away again.
int create_key(uint32_t root, const std::string& path, bool* created = nullptr);
// RegDeleteKeyA: one level; a key that still has subkeys stays on NT.
int delete_key(uint32_t root, const std::string& path);
// Deletes the key and every subkey, depth first; a subkey that cannot go
// keeps its ancestors. An empty path (the root itself) is left alone.
void delete_key_tree(uint32_t root, const std::string& path);
// Name of the subkey at index, empty when there is none.
std::string first_subkey(uint32_t root, const std::string& path, uint32_t index);
int delete_value(uint32_t root, const std::string& path, const std::string& name);
// Writes into an existing key (it is not created): type 1 REG_SZ with the
// terminating zero, type 4 REG_DWORD from the data read as a number; any
// other type writes nothing. 1 when the key could be opened.
int set_value(uint32_t root, const std::string& path, const std::string& name, const std::string& data, int type);
int create_key_and_set_value(uint32_t root, const std::string& path, const std::string& name, const std::string& data,
                             int type);
