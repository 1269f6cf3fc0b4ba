#include "platform/shell_folders.h"

#include <windows.h>
#include <shlobj.h>

std::string shell_folder_path(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) return std::string();
    // The buffer starts empty and counts only when the second call says
    // it succeeded: what a failed call leaves in it is not a path.
    char buf[270] = {0};
    BOOL ok = SHGetPathFromIDListA(list, buf);
    CoTaskMemFree(list);
    if (!ok) return std::string();
    buf[sizeof buf - 1] = '\0';
    return buf;
}

bool registry_default_text(uint32_t root, const char* subkey, std::string* out) {
    HKEY key;
    if (RegOpenKeyExA((HKEY)(ULONG_PTR)root, subkey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
    char buf[523] = {0};  // one byte beyond the 522 read, so the text always ends
    DWORD size = 522;
    DWORD type = 0;
    LONG rc = RegQueryValueExA(key, nullptr, nullptr, &type, (BYTE*)buf, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return false;
    *out = buf;
    return true;
}
