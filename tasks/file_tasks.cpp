#include "tasks/file_tasks.h"

#include "platform/file_ops.h"

// Windows paths hold at most 259 characters before their terminating zero.
static const size_t kMaxPath = 260;
static const unsigned kAttributeNormal = 0x80;

int delete_file(const std::string& path) {
    return file_delete(path) ? 1 : 0;
}

int move_file(const std::string& source, const std::string& destination) {
    return file_move(source, destination) ? 1 : 0;
}

int copy_file(const std::string& source, const std::string& destination) {
    return file_copy(source, destination) ? 1 : 0;
}

int delete_folder(const std::string& folder, const std::string& pattern, int mode) {
    if (folder.empty()) return 0;
    std::string base = folder;
    if (base[base.size() - 1] != '\\') base += '\\';
    if (base.size() >= kMaxPath) return 0;
    std::string wanted = pattern.empty() ? std::string("*.*") : pattern;
    for (const FolderEntry& e : folder_list(base, wanted.c_str())) {
        std::string full = base + e.name;
        if (!e.is_folder) {
            if (mode & kFolderForce) file_set_attributes(full, kAttributeNormal);
            file_delete(full);
        } else if (mode & kFolderRecursive) {
            delete_folder(full, pattern, mode);
        }
    }
    if (mode & kFolderForce) file_set_attributes(base, kAttributeNormal);
    return folder_remove(base) ? 1 : 0;
}

int create_folder(const std::string& folder) {
    if (folder.size() >= kMaxPath) return 0;
    std::string path = folder;
    while (!path.empty()) {
        char c = path[path.size() - 1];
        if (c != ' ' && c != '/' && c != '\\') break;
        path.resize(path.size() - 1);
    }
    return folder_create(path) ? 1 : 0;
}
