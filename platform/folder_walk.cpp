#include "platform/folder_walk.h"

#include <windows.h>

static bool is_dot_entry(const char* name) {
    return !lstrcmpA(name, ".") || !lstrcmpA(name, "..");
}

bool folder_entries(const std::string& folder, std::vector<FolderEntry>* out) {
    out->clear();
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "*.*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    do {
        if (is_dot_entry(fd.cFileName)) continue;
        FolderEntry e;
        e.name = fd.cFileName;
        e.is_folder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        out->push_back(e);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return true;
}

uint64_t folder_size_sum(const std::string& folder) {
    uint64_t sum = 0;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "*.*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do {
        if (is_dot_entry(fd.cFileName)) continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            sum += folder_size_sum(folder + fd.cFileName + "\\");
        else
            sum += ((uint64_t)fd.nFileSizeHigh << 32) | fd.nFileSizeLow;
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return sum;
}
