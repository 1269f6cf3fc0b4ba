#include "script/placeholders.h"

#include "platform/files.h"
#include "platform/shell_folders.h"
#include "platform/system.h"
#include "script/placeholder_passes.h"

std::string special_folder_query(int csidl) {
    return shell_path_finish(shell_folder_path(csidl));
}

std::string program_registration_folder() {
    RegistrationKey where = registration_key(os_version_code());
    std::string command;
    if (!registry_default_text(where.root, where.subkey, &command)) return std::string();
    return registration_folder_from(command);
}

// The machine's folders, read afresh by every expansion.
static FolderSource this_machine() {
    return {os_version_code(), special_folder_query, program_registration_folder, temp_directory};
}

std::string placeholders_expand(const std::string& text) {
    return expand_placeholders(text, this_machine());
}

std::string placeholders_folder_pass(const std::string& text) {
    return folder_pass(text, this_machine());
}

std::string special_folder_by_index(int index) {
    return folder_by_index(index, this_machine());
}
