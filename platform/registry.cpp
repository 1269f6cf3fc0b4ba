#include "platform/registry.h"

#include <windows.h>

static HKEY root_key(uint32_t root) {
    return (HKEY)(ULONG_PTR)root;
}

bool registry_create_key(uint32_t root, const std::string& path, bool* created) {
    SECURITY_ATTRIBUTES sa = {};
    HKEY key;
    DWORD disposition = 0;
    if (created) *created = false;
    if (RegCreateKeyExA(root_key(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &sa, &key,
                        &disposition) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    if (created) *created = disposition == REG_CREATED_NEW_KEY;
    return true;
}

RegistryKey registry_open(uint32_t root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root_key(root), path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return nullptr;
    return (RegistryKey)key;
}

void registry_close(RegistryKey key) {
    if (key) RegCloseKey((HKEY)key);
}

bool registry_delete_key(uint32_t root, const std::string& path) {
    return RegDeleteKeyA(root_key(root), path.c_str()) == ERROR_SUCCESS;
}

bool registry_subkey_at(RegistryKey key, uint32_t index, std::string* name) {
    char buf[255];
    DWORD len = sizeof buf;
    FILETIME written;
    if (RegEnumKeyExA((HKEY)key, index, buf, &len, nullptr, nullptr, nullptr, &written) != ERROR_SUCCESS) return false;
    name->assign(buf, len);
    return true;
}

bool registry_delete_value(RegistryKey key, const std::string& name) {
    return RegDeleteValueA((HKEY)key, name.c_str()) == ERROR_SUCCESS;
}

bool registry_set_value(RegistryKey key, const std::string& name, uint32_t type, const void* data, uint32_t size) {
    return RegSetValueExA((HKEY)key, name.c_str(), 0, type, (const BYTE*)data, size) == ERROR_SUCCESS;
}

bool registry_value_exists(RegistryKey key, const std::string& name) {
    return RegQueryValueExA((HKEY)key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
