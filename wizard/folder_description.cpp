#include "wizard/folder_description.h"

std::string path_part(const std::string& field) {
    size_t cut = field.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : field.substr(0, cut + 1);
}

// Indexes of the all-users folders, each followed by the user's own one.
static bool is_all_users_index(int index) {
    return index == 6 || index == 8 || index == 10 || index == 12 || index == 14;
}

int folder_description_id(const std::string& expanded, const std::string* special_folders, int os_code) {
    if (expanded.empty()) return -1;
    for (int index = 0; index < kSpecialFolderCount; ++index) {
        if (expanded != special_folders[index]) continue;
        int id = kMsgFolderFirst + index;
        if ((os_code == 30 || os_code == 40) && is_all_users_index(index)) ++id;
        return id;
    }
    return kMsgFolderOther;
}

std::string folder_description_text(int id, const std::string& message_text, const std::string& expanded) {
    if (id < 0) return std::string();
    if (id == kMsgFolderOther) return message_text + " '" + expanded + "'";
    return message_text;
}
