// The shell's folder browser.
#pragma once
#include <string>

#include "platform/ui.h"

// Lets the user pick a folder, starting at start_folder; the chosen path,
// or the empty text when the user cancels.
std::string folder_browser(PlatformWindow owner, const std::string& title, const std::string& start_folder);
