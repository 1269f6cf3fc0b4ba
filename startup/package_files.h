// Services of the preparation: the working folder, temporary archive
// names, copying an archive out of the installer file and extracting an
// archive.
#pragma once
#include <cstdint>
#include <string>

// Creates a new randomly named folder under the temporary directory and
// returns its path with a trailing "\"; empty when no folder could be
// made within a bounded number of attempts.
std::string working_folder_create();
static const int kWorkingFolderAttempts = 1000;

// A path folder + number + ".tmp" that names nothing yet (not created).
std::string temp_archive_name(const std::string& folder);

// Progress callback: percent done; non-zero stops the work.
typedef int (*ProgressCallback)(float percent);

enum {
    kCopyNoBuffer = 0,
    kCopyDone = 1,
    kCopyReadFailed = 2,   // short read from the installer file
    kCopyWriteFailed = 3,  // the copy could not be written (disk full)
    kCopyCancelled = 8,
};
static const uint32_t kCopyBlock = 524288;

// Copies length bytes at offset of source into destination (both open).
int archive_copy(void* source, void* destination, int32_t offset, int32_t length, ProgressCallback progress);

struct ExtractOptions {
    ProgressCallback per_file;   // bytes written / size * 100, and 100 at the end
    ProgressCallback overall;    // entries seen / entries * 100
    // Called with the full path of every file written completely.
    void (*file_written)(const std::string& path);
};

// Extracts the entries whose file part matches pattern into destination.
// Entries whose names would leave the destination are skipped. Returns
// the number of files written.
int archive_extract(const std::string& archive, const std::string& pattern, const std::string& destination,
                    bool keep_subfolders, const ExtractOptions* options = nullptr);
