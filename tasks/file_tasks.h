// File and folder operations of the file and folder task kinds. Silent;
// paths arrive fully expanded.
#pragma once
#include <string>

enum { kFolderRecursive = 1, kFolderForce = 2 };

int delete_file(const std::string& path);  // a read-only file stays
// Never overwrites: an existing destination makes the move fail.
int move_file(const std::string& source, const std::string& destination);
// Overwrites an existing destination.
int copy_file(const std::string& source, const std::string& destination);

// Deletes the files of the folder matching pattern ("*.*" when empty);
// with kFolderRecursive also its subfolders, depth first; with
// kFolderForce attributes are reset first so read-only files go too.
// Nonzero when the folder itself was removed. A path too long for a
// Windows path (260 characters) is refused rather than cut to some
// other folder's name.
int delete_folder(const std::string& folder, const std::string& pattern, int mode);

// Creates the last level of the path (trailing blanks, "/" and "\"
// removed); nonzero only when it was created here: a missing parent or an
// existing folder gives 0.
int create_folder(const std::string& folder);
