// Naming a folder for the user ("on the Desktop", "in the Programs
// menu", ...) by comparing it with the special folders.
#pragma once
#include <string>

enum { kSpecialFolderCount = 18, kMsgFolderFirst = 9, kMsgFolderOther = 27 };

// Text of a field up to and including its last "\" or "/"; empty when it
// has neither.
std::string path_part(const std::string& field);

// Message id describing an already expanded folder path: the first of the
// special folders by index 0..17 equal to it gives 9 + index; on Windows
// 98 and ME (version codes 30 and 40) the all-users folders are named
// like the user's own ones. No match gives 27; an empty path gives -1.
int folder_description_id(const std::string& expanded, const std::string* special_folders, int os_code);

// The text for that id: the message, "in: 'path'" for an unnamed folder,
// the empty text for an empty path.
std::string folder_description_text(int id, const std::string& message_text, const std::string& expanded);
