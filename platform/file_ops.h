// File operations of the file and folder tasks that the general file
// layer (files.h) does not hold.
#pragma once
#include <string>

#include "platform/files.h"

bool file_move(const std::string& source, const std::string& destination);  // MoveFileA: never overwrites
bool file_copy(const std::string& source, const std::string& destination);  // CopyFileA: overwrites
bool folder_remove(const std::string& folder);                             // RemoveDirectoryA: empty folders only

// Opens the file for reading and writing, creating it when missing
// (OPEN_ALWAYS, share-read); null on failure.
PlatformFile file_open_always(const std::string& path);
// Creates or replaces the file (CREATE_ALWAYS, read and write access); when
// that fails (a hidden or system file), truncates the existing file with
// write access instead. Null when both fail.
PlatformFile file_create_or_truncate(const std::string& path);
// Cuts the file at its current position (SetEndOfFile).
bool file_cut_here(PlatformFile f);
