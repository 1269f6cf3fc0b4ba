// The preparation thread: checks the package trailer, copies both
// archives into the working folder, extracts the setup data and builds
// the language list.
#pragma once
#include <string>

// Thread entry; returns 1 when done, 0 after a cancel. Ends the process
// itself after any error message.
unsigned long __stdcall preparation_thread(void*);

// Progress callback of the archive copies: moves bar 1003 of the
// please-wait window, asks to stop when the user confirmed cancelling.
int preparation_progress(float percent);

// Builds the language list from the Languages folder of the setup data.
void language_list_build(const std::string& languages_folder);
