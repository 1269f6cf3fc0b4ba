// Helpers of the task tests: registry reads, scratch folders, files and
// waiting for a condition with a generous limit.
#pragma once
#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/system.h"

namespace tasks_test {

// The test programs are built next to the test executables.
inline std::string program_dir() {
    std::string self = module_path();
    return self.substr(0, self.rfind('\\') + 1);
}

// A fresh folder under the temporary folder, unique to this process.
inline std::string scratch_folder(const char* stem) {
    char name[64];
    wsprintfA(name, "%s%lu_%lu\\", stem, GetCurrentProcessId(), GetTickCount());
    std::string dir = temp_directory() + name;
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

// Suffix that keeps runs of the same test under several Windows versions
// apart when they run at the same time.
inline std::string run_suffix() {
    char s[32];
    wsprintfA(s, "%d_%lu", os_version_code(), GetCurrentProcessId());
    return s;
}

inline bool key_exists(HKEY root, const std::string& path) {
    HKEY k;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

// Reads a value: false when the key or value is missing.
inline bool value_read(HKEY root, const std::string& path, const char* name, DWORD* type, std::string* data) {
    HKEY k;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    char buf[2048];
    DWORD size = sizeof buf;
    LONG r = RegQueryValueExA(k, name, nullptr, type, (BYTE*)buf, &size);
    RegCloseKey(k);
    if (r != ERROR_SUCCESS) return false;
    data->assign(buf, size);
    return true;
}

// REG_SZ text without its terminating zero; "<missing>" when absent.
inline std::string text_value(HKEY root, const std::string& path, const char* name) {
    DWORD type = 0;
    std::string data;
    if (!value_read(root, path, name, &type, &data)) return "<missing>";
    if (type != REG_SZ) return "<type " + std::to_string(type) + ">";
    if (!data.empty() && data[data.size() - 1] == 0) data.resize(data.size() - 1);
    return data;
}

// Removes the tests' common parent key once no test keeps anything in it.
inline void test_root_release() {
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\PackwrightTest");
}

inline std::string file_text(const std::string& path) {
    std::string s;
    if (!file_read_all(path, &s)) return "<missing>";
    return s;
}

// Polls until the condition holds, for at most a minute.
template <typename Cond>
bool wait_for(Cond cond) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000;) {
        if (cond()) return true;
        Sleep(20);
    }
    return cond();
}

}  // namespace tasks_test
