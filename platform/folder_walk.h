// Listing a folder with failure reported, and the size of a folder tree.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

// Entries of the folder (path ending in "\"), except "." and "..", in the
// order the file system gives them; false when it cannot be listed.
bool folder_entries(const std::string& folder, std::vector<FolderEntry>* out);

// Total bytes of all files in the folder and its sub-folders at any depth.
uint64_t folder_size_sum(const std::string& folder);
