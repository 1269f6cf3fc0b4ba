#include "startup/exits.h"

#include "platform/files.h"
#include "platform/system.h"
#include "startup/state.h"

StartupState g_startup;

void plain_exit() {
    window_destroy(g_startup.please_wait);
    for (PlatformFont f : g_startup.fonts) font_delete(f);
    for (PlatformIcon i : g_startup.images) icon_delete(i);
    process_exit(0);
}

void cleanup_exit() {
    if (!g_startup.working_folder.empty()) folder_delete_tree(g_startup.working_folder);
    plain_exit();
}

void fail_with_cleanup(const char* text) {
    message_box("Error", text, kBoxError);
    cleanup_exit();
}

void fail_with_plain_exit(const char* text) {
    message_box("Error", text, kBoxError);
    plain_exit();
}
