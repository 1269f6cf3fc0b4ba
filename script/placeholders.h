// Placeholder expansion: folder placeholders (<ProgramFiles>, <Desktop>,
// ...) and text placeholders (<ProgramName>, ...) in paths and task lines.
#pragma once
#include <string>

// The chosen install folder and Start menu group, as entered in the
// wizard; the values of <DefaultInstallPath> and <DefaultStartMenuGroup>.
extern std::string g_install_path;
extern std::string g_group_folder;

std::string placeholders_expand(const std::string& text);
std::string placeholders_folder_pass(const std::string& text);
std::string placeholders_text_pass(const std::string& text);

// Folder of a CSIDL number, ending with "\"; empty when the shell fails.
std::string special_folder_query(int csidl);

// Folder of placeholder index 0..17, always ending with "\".
std::string special_folder_by_index(int index);

// Folder of the program registration, ending with "\"; empty when absent.
std::string program_registration_folder();
