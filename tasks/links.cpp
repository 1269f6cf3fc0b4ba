#include "tasks/links.h"

#include "platform/file_ops.h"
#include "platform/shell_links.h"
#include "tasks/path_parts.h"

int create_shortcut(const std::string& target, const std::string& link_file, const std::string& arguments,
                    const std::string& description, const std::string& working_folder, int show_command, int hotkey,
                    const std::string& icon_file, int icon_index) {
    ShellLinkFields f;
    f.target = target;
    f.arguments = arguments;
    f.description = description;
    f.working_folder = working_folder.empty() ? folder_part(target) : working_folder;
    f.show_command = show_command;
    f.hotkey = hotkey;
    f.icon_file = icon_file.empty() ? target : icon_file;
    f.icon_index = icon_index;
    std::string file = ends_with_lower(link_file, ".lnk") ? link_file : link_file + ".lnk";
    // A failed save wrote nothing, so it must not count as a made link.
    return shell_link_write(f, file) == kLinkSaved ? 1 : 0;
}

std::string internet_link_text(const std::string& address) {
    return "[InternetShortcut]\r\nURL=" + address + "\r\n";
}

int create_internet_link(const std::string& address, const std::string& file) {
    PlatformFile f = file_create_or_truncate(file);
    if (!f) return 0;
    std::string text = internet_link_text(address);
    bool written = file_write(f, text.data(), (uint32_t)text.size());
    file_close(f);
    return written ? 1 : 0;
}
