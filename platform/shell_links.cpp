#include "platform/shell_links.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

ShellLinkResult shell_link_write(const ShellLinkFields& f, const std::string& link_file) {
    HRESULT hr = CoInitialize(nullptr);
    if (hr != S_OK && hr != S_FALSE) return kLinkNoCom;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link))) {
        CoUninitialize();
        return kLinkNoObject;
    }
    link->SetPath(f.target.c_str());
    link->SetArguments(f.arguments.c_str());
    link->SetWorkingDirectory(f.working_folder.c_str());
    link->SetDescription(f.description.c_str());
    link->SetShowCmd(f.show_command);
    link->SetHotkey((WORD)f.hotkey);
    link->SetIconLocation(f.icon_file.c_str(), f.icon_index);
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, (void**)&file))) {
        link->Release();
        CoUninitialize();
        return kLinkNoObject;
    }
    ShellLinkResult result;
    WCHAR wide[MAX_PATH];
    // The terminating zero is converted too; a path that does not fit the
    // buffer is not saved under a cut name.
    if (!MultiByteToWideChar(CP_ACP, 0, link_file.c_str(), -1, wide, MAX_PATH)) result = kLinkPathTooLong;
    else result = SUCCEEDED(file->Save(wide, TRUE)) ? kLinkSaved : kLinkSaveFailed;
    file->Release();
    link->Release();
    CoUninitialize();
    return result;
}
