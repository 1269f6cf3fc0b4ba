#include "wizard/requirements.h"

#include <vector>

#include "platform/files.h"
#include "platform/folder_walk.h"
#include "platform/shell_open.h"
#include "platform/system.h"
#include "script/install_script.h"
#include "script/messages.h"
#include "script/placeholders.h"
#include "script/settings.h"
#include "startup/exits.h"
#include "startup/state.h"
#include "wizard/requirement_rules.h"
#include "wizard/wizard_state.h"

static const uint64_t kFrameworkMinimumBytes = 10485760;  // a left-over folder holds less
static const int kCsidlWindows = 0x24;

uint64_t requirements_check_space() {
    uint64_t required = statistics_read(g_startup.statistics_path);
    std::string root = temp_directory().substr(0, 3);
    if (!free_space_enough(drive_space(root, "f"), required)) wizard_fail(kMsgNoFreeSpace);
    return required;
}

bool framework_installed(const std::string& version_text) {
    std::string windows = special_folder_query(kCsidlWindows);
    if (windows.empty() || windows[windows.size() - 1] != '\\') windows += '\\';
    std::string framework = windows + "Microsoft.NET\\Framework\\";
    std::vector<FolderEntry> entries;
    if (!folder_entries(framework, &entries)) return false;
    for (const FolderEntry& e : entries) {
        if (!e.is_folder || e.name.empty()) continue;
        if (framework_folder_version(e.name) != version_text) continue;
        if (folder_size_sum(framework + e.name + "\\") > kFrameworkMinimumBytes) return true;
    }
    return false;
}

void requirements_check_system() {
    int refusal = windows_version_refusal(os_version_code(), g_script);
    if (refusal) wizard_fail(refusal);

    const char* version = framework_version_text(g_script.GeneralInformation.DotNet);
    if (!version || framework_installed(version)) return;
    std::string text = Message(kMsgFrameworkMissing) + " " + version + ".";
    message_box(Message(0).c_str(), text.c_str(), kBoxError);
    std::string address = dependency_address(g_script.GeneralInformation.RunIfDepNotFound);
    if (!address.empty()) shell_open(address);
    cleanup_exit();
}
