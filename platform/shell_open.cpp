#include "platform/shell_open.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

bool shell_open(const std::string& target) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&info) != FALSE;
}

void shell_notify_associations_changed() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
