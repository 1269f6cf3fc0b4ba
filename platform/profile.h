// INI files through the Win32 profile functions, which create the file
// and the group when needed.
#pragma once
#include <string>

// WritePrivateProfileSectionA with an empty key list: the group exists
// afterwards and holds no keys.
bool profile_group_clear(const std::string& file, const std::string& group);
bool profile_key_write(const std::string& file, const std::string& group, const std::string& key,
                       const std::string& value);
// WritePrivateProfileStringA with no key: the group and its keys go.
bool profile_group_remove(const std::string& file, const std::string& group);
// WritePrivateProfileStringA with no value: the key goes.
bool profile_key_remove(const std::string& file, const std::string& group, const std::string& key);
