#include "tasks/registry_tasks.h"

#include "script/numbers.h"

// One leading "\" is dropped; a second one stays part of the path.
static std::string key_path(const std::string& path) {
    return !path.empty() && path[0] == '\\' ? path.substr(1) : path;
}

uint32_t registry_root_from_index(int32_t index) {
    if (index == 0) return kRootCurrentUser;
    if (index == 1) return kRootLocalMachine;
    return 0;
}

int create_key(uint32_t root, const std::string& path, bool* created) {
    return registry_create_key(root, key_path(path), created) ? 1 : 0;
}

int delete_key(uint32_t root, const std::string& path) {
    return registry_delete_key(root, key_path(path)) ? 1 : 0;
}

std::string first_subkey(uint32_t root, const std::string& path, uint32_t index) {
    RegistryKey key = registry_open(root, key_path(path));
    if (!key) return std::string();
    std::string name;
    if (!registry_subkey_at(key, index, &name)) name.clear();
    registry_close(key);
    return name;
}

void delete_key_tree(uint32_t root, const std::string& path) {
    // An empty path names the root itself: emptying a whole root key is
    // never what a task means.
    if (key_path(path).empty()) return;
    // Always asks for subkey 0: a deleted subkey makes room for the next.
    // The same name twice means it could not be deleted (or none is left),
    // which ends the loop instead of spinning on it.
    std::string previous, current;
    do {
        previous = current;
        current = first_subkey(root, path, 0);
        if (!current.empty()) delete_key_tree(root, path + "\\" + current);
    } while (current != previous);
    delete_key(root, path);
}

int delete_value(uint32_t root, const std::string& path, const std::string& name) {
    RegistryKey key = registry_open(root, key_path(path));
    if (!key) return 0;
    int result = registry_delete_value(key, name) ? 1 : 0;
    registry_close(key);
    return result;
}

int set_value(uint32_t root, const std::string& path, const std::string& name, const std::string& data, int type) {
    RegistryKey key = registry_open(root, key_path(path));
    if (!key) return 0;
    if (type == kRegSz) {
        registry_set_value(key, name, kRegSz, data.c_str(), (uint32_t)data.size() + 1);
    } else if (type == kRegDword) {
        int32_t number = read_number(data);
        registry_set_value(key, name, kRegDword, &number, 4);
    }
    registry_close(key);
    return 1;
}

int create_key_and_set_value(uint32_t root, const std::string& path, const std::string& name, const std::string& data,
                             int type) {
    create_key(root, path);
    return set_value(root, path, name, data, type);
}
