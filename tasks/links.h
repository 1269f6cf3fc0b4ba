// Shortcuts (shell links) and internet links (".url" files). Both only
// report success; recording the made file is the caller's job.
#pragma once
#include <string>

// Writes a shell link. An empty working folder becomes the folder part of
// the target (with its "\"), an empty icon file the target, and ".lnk" is
// appended to the link file when its last four characters, lower-cased,
// are not ".lnk". 1 only when the link file was saved.
int create_shortcut(const std::string& target, const std::string& link_file, const std::string& arguments,
                    const std::string& description, const std::string& working_folder, int show_command, int hotkey,
                    const std::string& icon_file, int icon_index);

// The two lines of an internet shortcut, each ending in CR LF.
std::string internet_link_text(const std::string& address);

// Writes the internet shortcut, replacing any existing file; no
// extension is added. 1 when written, 0 when the file could not be made.
int create_internet_link(const std::string& address, const std::string& file);
