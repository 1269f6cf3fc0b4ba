#include "platform/profile.h"

#include <windows.h>

bool profile_group_clear(const std::string& file, const std::string& group) {
    // An empty key list is a double zero.
    static const char kNoKeys[2] = {0, 0};
    return WritePrivateProfileSectionA(group.c_str(), kNoKeys, file.c_str()) != 0;
}

bool profile_key_write(const std::string& file, const std::string& group, const std::string& key,
                       const std::string& value) {
    return WritePrivateProfileStringA(group.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

bool profile_group_remove(const std::string& file, const std::string& group) {
    return WritePrivateProfileStringA(group.c_str(), nullptr, "", file.c_str()) != 0;
}

bool profile_key_remove(const std::string& file, const std::string& group, const std::string& key) {
    return WritePrivateProfileStringA(group.c_str(), key.c_str(), nullptr, file.c_str()) != 0;
}
