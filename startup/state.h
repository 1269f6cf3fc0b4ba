// Process-wide state of the installer, created at startup and kept for
// the whole run. Workers write their parts before they end; the main
// thread reads them only after that.
#pragma once
#include <string>
#include <vector>

#include "platform/ui.h"
#include "startup/language_choice.h"

static const char kMutexName[] = "KestralineInstaller";

struct StartupState {
    int os_code;                         // operating-system version code
    std::string working_folder;          // empty until the folder exists
    volatile long prepare_continue;      // 1 until the user confirms cancel
    volatile long install_continue;      // 1 until the install is cancelled
    std::vector<LanguageEntry> languages;
    std::string chosen_language_file;
    PlatformFont fonts[5];
    PlatformIcon images[3];
    PlatformWindow please_wait;          // window 1, null when not created

    // Well-known setup-data paths, set at the end of preparation.
    std::string script_path;
    std::string wiz_bitmap_path;
    std::string head_bitmap_path;
    std::string readme_path;
    std::string license_path;
    std::string statistics_path;
    std::string payload_copy_path;       // the payload archive copy
};

extern StartupState g_startup;

// Resource ids of the three 32x32 icons (images 0 to 2).
enum { kIconImage0 = 101, kIconImage1 = 102, kIconImage2 = 103 };
