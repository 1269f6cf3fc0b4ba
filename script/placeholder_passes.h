// The portable half of placeholder expansion: the passes over a text,
// with the machine's folders supplied by the caller, so that every row of
// the folder table can be checked for every version code.
#pragma once
#include <cstdint>
#include <string>

// Where the folder pass gets the machine's folders. Each one is asked for
// only when its placeholder is in the text.
struct FolderSource {
    int os_code;                             // operating-system version code
    std::string (*shell_folder)(int csidl);  // special-folder query
    std::string (*registration_folder)();    // program-registration lookup
    std::string (*temp_folder)();            // temporary directory, with "\"
};

// Longest text an expansion may produce, far above any path or task line.
// A value that holds its own placeholder (an install folder typed as
// "<DefaultInstallPath>x<DefaultInstallPath>", for example) multiplies the
// text on every pass; a replacement that would go past this size is not
// made and the placeholder stays in the text, so that such a value costs
// neither all memory nor minutes of scanning.
const size_t kExpansionLimit = 64 * 1024;

std::string folder_pass(const std::string& text, const FolderSource& source);
std::string expand_placeholders(const std::string& text, const FolderSource& source);
std::string folder_by_index(int index, const FolderSource& source);

// Every "\\" becomes "\" in one left-to-right scan, except that a text
// starting with two backslashes (a network path) keeps them.
std::string backslash_collapse(const std::string& text);

// A path from the shell as the special-folder query returns it: "\"
// appended when missing, leading and trailing spaces removed.
std::string shell_path_finish(const std::string& path);

// Registry location of the program registration for a version code.
struct RegistrationKey {
    uint32_t root;  // predefined key handle value (HKEY_CLASSES_ROOT, ...)
    const char* subkey;
};
RegistrationKey registration_key(int os_code);

// Folder of the quoted program path in a registered command line, with a
// trailing "\"; empty when the command holds no quoted path with a folder.
std::string registration_folder_from(const std::string& command);
