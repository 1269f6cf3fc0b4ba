#include "startup/handover.h"

#include "platform/files.h"
#include "platform/system.h"
#include "startup/exits.h"

// Until the wizard exists, the hand-over records the chosen file where a
// test can see it (the file named by PACKWRIGHT_HANDOVER_FILE, when that
// variable is set) and ends through the cleanup exit.
void wizard_handover(const std::string& localization_file) {
    char target[260];
    if (environment_get("PACKWRIGHT_HANDOVER_FILE", target, sizeof target))
        file_write_all(target, localization_file + "\r\n");
    cleanup_exit();
}
