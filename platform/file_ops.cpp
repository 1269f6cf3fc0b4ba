#include "platform/file_ops.h"

#include <windows.h>

bool file_move(const std::string& source, const std::string& destination) {
    return MoveFileA(source.c_str(), destination.c_str()) != 0;
}

bool file_copy(const std::string& source, const std::string& destination) {
    return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

bool folder_remove(const std::string& folder) {
    return RemoveDirectoryA(folder.c_str()) != 0;
}

PlatformFile file_open_always(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : (PlatformFile)h;
}

PlatformFile file_create_or_truncate(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : (PlatformFile)h;
}

bool file_cut_here(PlatformFile f) {
    return f && SetEndOfFile((HANDLE)f) != 0;
}
