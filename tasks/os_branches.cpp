#include "tasks/os_branches.h"

#include "startup/version_code.h"
#include "tasks/path_parts.h"

bool os_is_9x_family(int code) {
    return code == kOsWin95 || code == kOsWin98 || code == kOsWinMe;
}

bool associate_uses_classes_root(int code) {
    return code == kOsNt3 || code == kOsNt4 || code == kOsWin2000 || code == kOsWinXp || code == kOsServer2003;
}

bool disassociate_uses_classes_root(int code) {
    return !os_is_9x_family(code);
}

EnvironmentStore environment_store(int code) {
    if (os_is_9x_family(code)) return kEnvAutoexec;
    switch (code) {
    case kOsNt3:
    case kOsNt4:
    case kOsWin2000:
    case kOsWinXp:
    case kOsServer2003:
    case kOsVistaWorkstation:
    case kOsVistaServer:
        return kEnvRegistry;
    default:
        return kEnvNotHandled;
    }
}

const char* fonts_key(int code) {
    return os_is_9x_family(code) ? "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts"
                                 : "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
}

std::string regsvr32_path(int code, const std::string& desktop_folder, const std::string& system_folder,
                          const std::string& comspec) {
    std::string folder;
    if (code == kOsNt4) folder = desktop_folder.substr(0, 3) + "WINNT\\System32\\";
    else if (code == kOsWin98 || code == kOsWinMe) folder = desktop_folder.substr(0, 3) + "WINDOWS\\System\\";
    else folder = system_folder;
    if (folder.empty()) folder = folder_part(comspec);
    if (folder.empty() || folder[folder.size() - 1] != '\\') folder += '\\';
    return folder + "regsvr32.exe";
}

bool process_name_matches(const std::string& exe_text, const std::string& wanted) {
    return lower_ascii(exe_text) == wanted || lower_ascii(file_name_part(exe_text)) == wanted;
}
