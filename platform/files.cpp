#include "platform/files.h"

#include <windows.h>

#include "platform/system.h"

PlatformFile file_open_read(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : (PlatformFile)h;
}

PlatformFile file_create(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : (PlatformFile)h;
}

void file_close(PlatformFile f) {
    if (f) CloseHandle((HANDLE)f);
}

int64_t file_size(PlatformFile f) {
    LARGE_INTEGER li;
    if (!f || !GetFileSizeEx((HANDLE)f, &li)) return -1;
    return li.QuadPart;
}

bool file_seek(PlatformFile f, int64_t offset) {
    LARGE_INTEGER li;
    li.QuadPart = offset;
    return f && SetFilePointerEx((HANDLE)f, li, nullptr, FILE_BEGIN);
}

int64_t file_read(PlatformFile f, void* buf, uint32_t size) {
    DWORD got = 0;
    if (!f || !ReadFile((HANDLE)f, buf, size, &got, nullptr)) return -1;
    return got;
}

bool file_write(PlatformFile f, const void* buf, uint32_t size) {
    DWORD put = 0;
    if (!f || !WriteFile((HANDLE)f, buf, size, &put, nullptr)) return false;
    return put == size;
}

bool file_read_all(const std::string& path, std::string* out) {
    PlatformFile f = file_open_read(path);
    if (!f) return false;
    int64_t size = file_size(f);
    bool ok = size >= 0 && size < 0x7FFFFFFF;
    if (ok) {
        out->resize((size_t)size);
        ok = size == 0 || file_read(f, &(*out)[0], (uint32_t)size) == size;
    }
    file_close(f);
    return ok;
}

bool file_write_all(const std::string& path, const std::string& data) {
    PlatformFile f = file_create(path);
    if (!f) return false;
    bool ok = data.empty() || file_write(f, data.data(), (uint32_t)data.size());
    file_close(f);
    return ok;
}

bool path_exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool folder_exists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool file_delete(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

bool folder_create(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

// The image help library is looked up at run time from the system folder,
// like every library that is not always loaded.
bool folder_create_all(const std::string& path) {
    typedef BOOL(WINAPI * MakePathFn)(PCSTR);
    MakePathFn make = (MakePathFn)system_library_function("imagehlp.dll", "MakeSureDirectoryPathExists");
    return make && make(path.c_str()) != 0;
}

void folder_delete_tree(const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && base[base.size() - 1] != '\\') base += '\\';
    for (const FolderEntry& e : folder_list(base, "*.*")) {
        std::string full = base + e.name;
        if (e.is_folder) {
            folder_delete_tree(full);
        } else {
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(full.c_str());
        }
    }
    SetFileAttributesA(base.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(base.c_str());
}

bool file_set_attributes(const std::string& path, uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

bool file_set_write_time(const std::string& path, int year, int month, int day, int hour, int minute) {
    SYSTEMTIME st = {};
    st.wYear = (WORD)year;
    st.wMonth = (WORD)month;
    st.wDay = (WORD)day;
    st.wHour = (WORD)hour;
    st.wMinute = (WORD)minute;
    FILETIME local, utc;
    if (!SystemTimeToFileTime(&st, &local) || !LocalFileTimeToFileTime(&local, &utc)) return false;
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BOOL ok = SetFileTime(h, nullptr, nullptr, &utc);
    CloseHandle(h);
    return ok != 0;
}

std::vector<FolderEntry> folder_list(const std::string& folder, const char* pattern) {
    std::vector<FolderEntry> out;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + pattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return out;
    do {
        if (!lstrcmpA(fd.cFileName, ".") || !lstrcmpA(fd.cFileName, "..")) continue;
        FolderEntry e;
        e.name = fd.cFileName;
        e.is_folder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        out.push_back(e);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return out;
}

std::string temp_directory() {
    char buf[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof buf, buf);
    std::string path = (n > 0 && n < sizeof buf) ? std::string(buf, n) : std::string();
    typedef DWORD(WINAPI * LongPathFn)(LPCSTR, LPSTR, DWORD);
    HMODULE k32 = GetModuleHandleA("kernel32.dll");
    LongPathFn long_path = k32 ? (LongPathFn)(void*)GetProcAddress(k32, "GetLongPathNameA") : nullptr;
    if (long_path && !path.empty()) {
        char lbuf[MAX_PATH + 1];
        DWORD m = long_path(path.c_str(), lbuf, sizeof lbuf);
        if (m > 0 && m < sizeof lbuf) path.assign(lbuf, m);
    }
    if (path.empty() || path[path.size() - 1] != '\\') path += '\\';
    return path;
}

std::string module_path() {
    char buf[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    return std::string(buf, n < sizeof buf ? n : 0);
}

int64_t drive_space(const std::string& root, const char* kind) {
    ULARGE_INTEGER avail, total;
    char k = kind[0] | 0x20;
    if (kind[0] == 0 || kind[1] != 0 || (k != 't' && k != 'f' && k != 'u')) return -1;
    if (!GetDiskFreeSpaceExA(root.c_str(), &avail, &total, nullptr)) return -1;
    if (k == 't') return (int64_t)total.QuadPart;
    if (k == 'f') return (int64_t)avail.QuadPart;
    return (int64_t)(total.QuadPart - avail.QuadPart);
}

std::string oem_to_ansi(const std::string& oem) {
    std::string out = oem;
    if (!out.empty()) OemToCharBuffA(oem.c_str(), &out[0], (DWORD)out.size());
    return out;
}
