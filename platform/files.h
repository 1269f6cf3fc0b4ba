// Files, folders and drives through the Win32 "A" functions.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

typedef void* PlatformFile;  // a Win32 file handle; null when not open

PlatformFile file_open_read(const std::string& path);
PlatformFile file_create(const std::string& path);  // replaces any existing file
void file_close(PlatformFile f);
int64_t file_size(PlatformFile f);  // -1 on failure
bool file_seek(PlatformFile f, int64_t offset);
// Reads up to size bytes; returns the count read, -1 on error.
int64_t file_read(PlatformFile f, void* buf, uint32_t size);
// Writes all size bytes; false when fewer were written.
bool file_write(PlatformFile f, const void* buf, uint32_t size);

// Whole file into memory; false when it cannot be opened or read.
bool file_read_all(const std::string& path, std::string* out);
bool file_write_all(const std::string& path, const std::string& data);

bool path_exists(const std::string& path);  // file or folder
bool folder_exists(const std::string& path);
bool file_delete(const std::string& path);
bool folder_create(const std::string& path);  // one level, CreateDirectoryA
// Creates the folder part of the path (up to the last "\") with all its
// missing parents, as MakeSureDirectoryPathExists does.
bool folder_create_all(const std::string& path_with_trailing_part);
// Deletes a folder and everything in it, resetting attributes first.
void folder_delete_tree(const std::string& folder);
bool file_set_attributes(const std::string& path, uint32_t attributes);
// Sets the last-write time from a local date and time (seconds 0).
bool file_set_write_time(const std::string& path, int year, int month, int day, int hour, int minute);

struct FolderEntry {
    std::string name;
    bool is_folder;
};
// Entries of folder (with trailing "\") matching the pattern, in listing
// order, without "." and "..".
std::vector<FolderEntry> folder_list(const std::string& folder, const char* pattern);

// GetTempPathA made long with GetLongPathNameA (looked up at run time),
// with a trailing "\".
std::string temp_directory();
std::string module_path();  // this executable's full path

// Bytes of the drive whose root is given (e.g. "C:\"): kind "t" total,
// "f" available to the caller, "u" used; -1 for another kind or failure.
int64_t drive_space(const std::string& root, const char* kind);

// Converts an OEM code page name to the ANSI code page.
std::string oem_to_ansi(const std::string& oem);
