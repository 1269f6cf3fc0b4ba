#include "startup/handover.h"

#include "platform/files.h"
#include "platform/system.h"
#include "script/install_script.h"
#include "script/messages.h"
#include "script/settings.h"
#include "startup/exits.h"
#include "startup/state.h"
#include "wizard/wizard.h"

// Hands over to the wizard. When PACKWRIGHT_HANDOVER_FILE names a file
// (tests of the start-up stages), the hand-over instead takes the wizard's
// first steps (message table, statistics file, install script), records
// the chosen file and what was read in that file and ends through the
// cleanup exit.
void wizard_handover(const std::string& localization_file) {
    char target[260];
    if (!environment_get("PACKWRIGHT_HANDOVER_FILE", target, sizeof target)) wizard_run(localization_file);
    localization_load(localization_file);
    uint64_t required = statistics_read(g_startup.statistics_path);
    install_script_read(g_startup.script_path);
    {
        std::string record = localization_file + "\r\n";
        record += "AppName=" + g_script.GeneralInformation.AppName + "\r\n";
        record += "Message54=" + Message(54) + "\r\n";
        record += "RequiredSpace=" + std::to_string(required) + "\r\n";
        record += "InstallTasks=" + std::to_string(g_install_tasks.size()) + "\r\n";
        record += std::string("ScriptLeft=") + (path_exists(g_startup.script_path) ? "1" : "0") + "\r\n";
        file_write_all(target, record);
    }
    cleanup_exit();
}
