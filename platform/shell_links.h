// Shell links (".lnk") written through the shell's COM link object.
#pragma once
#include <string>

struct ShellLinkFields {
    std::string target;
    std::string arguments;
    std::string description;
    std::string working_folder;
    int show_command;
    int hotkey;
    std::string icon_file;
    int icon_index;
};

enum ShellLinkResult {
    kLinkNoCom,        // COM could not be initialised on this thread
    kLinkNoObject,     // no shell link object or no persist interface
    kLinkPathTooLong,  // the file path does not fit a Windows path
    kLinkSaveFailed,   // IPersistFile::Save failed: nothing was written
    kLinkSaved,
};

// CoInitialize, the link object's setters in order (their results are
// not examined), IPersistFile::Save to link_file, release, CoUninitialize.
ShellLinkResult shell_link_write(const ShellLinkFields& fields, const std::string& link_file);
