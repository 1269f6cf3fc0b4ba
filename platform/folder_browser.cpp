#include "platform/folder_browser.h"

#include <windows.h>
#include <shlobj.h>

static int CALLBACK browser_started(HWND hwnd, UINT msg, LPARAM, LPARAM data) {
    if (msg == BFFM_INITIALIZED && data) SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

std::string folder_browser(PlatformWindow owner, const std::string& title, const std::string& start_folder) {
    BROWSEINFOA bi = {};
    bi.hwndOwner = (HWND)owner;
    bi.lpszTitle = title.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = browser_started;
    bi.lParam = (LPARAM)start_folder.c_str();
    LPITEMIDLIST pidl = SHBrowseForFolderA(&bi);
    if (!pidl) return std::string();
    char buf[MAX_PATH + 10] = "";
    if (!SHGetPathFromIDListA(pidl, buf)) buf[0] = 0;
    CoTaskMemFree(pidl);
    return buf;
}
