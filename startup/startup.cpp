#include "startup/startup.h"

#include "platform/system.h"
#include "platform/ui.h"
#include "startup/exits.h"
#include "startup/handover.h"
#include "startup/language_dialog.h"
#include "startup/preparation.h"
#include "startup/random_numbers.h"
#include "startup/state.h"
#include "tasks/programs.h"

const char kStartupCancelQuestion[] =
    "Are you sure you want to stop the installation now? Press 'No' to continue or 'Yes' to end this program. "
    "You can run this installer at a later time and continue the installation procedure.";

static void load_shared_resources() {
    static const struct {
        int points, weight, quality;
    } kFonts[5] = {{12, 700, 2}, {7, 400, 2}, {9, 400, 2}, {10, 700, 0}, {24, 700, 0}};
    for (int i = 0; i < 5; ++i)
        g_startup.fonts[i] = font_create("Tahoma", kFonts[i].points, kFonts[i].weight, kFonts[i].quality);
    g_startup.images[0] = icon_load(kIconImage0);
    g_startup.images[1] = icon_load(kIconImage1);
    g_startup.images[2] = icon_load(kIconImage2);
}

static void create_please_wait_window() {
    PlatformWindow w = window_create_dialog("Initializing...", 377, 118);
    if (!w) return;
    control_button(w, 1000, "Cancel", 295, 85, 75, 25, false);
    control_static(w, 1001, "Please wait while the installer prepares the wizard...", 45, 10, 325, 15);
    control_icon(w, 1002, g_startup.images[0], 5, 10, 32, 32);
    control_progress(w, 1003, 8, 90, 275, 15);
    g_startup.please_wait = w;
}

// Pumps events while the preparation thread runs and offers Cancel.
static void wait_for_preparation(PlatformThread thread) {
    window_show(g_startup.please_wait);
    while (thread_alive(thread)) {
        if (!ui_pump_one()) sleep_ms(1);
        if (window_take_click(g_startup.please_wait) != 1000) continue;
        if (message_box("Please confirm", kStartupCancelQuestion, kBoxConfirm, g_startup.please_wait) != kAnswerYes)
            continue;
        g_startup.prepare_continue = 0;
        for (;;) {
            bool pending = ui_pump_one();
            if (!pending && !thread_alive(thread)) break;
            if (!pending) sleep_ms(1);
        }
        timer_precise_end();
        cleanup_exit();
    }
}

void startup_run() {
    dll_search_system_only();
    random_seed(random_seed_source());

    g_startup.os_code = os_version_code();
    if (g_startup.os_code >= kOsWin2000) {
        if (!admin_test()) {
            message_box("Error", "You need to run this setup program under an Administrator account!", kBoxError);
            plain_exit();
        }
    } else if (g_startup.os_code < kOsNt4) {
        message_box("Compatibility problem",
                    "We are sorry, Kestraline Packwright was designed for newer operating systems. Please upgrade "
                    "your operating system!",
                    kBoxError);
        plain_exit();
    }

    g_tasks_plain_exit = plain_exit;  // the task operations' one fatal error ends this way
    g_startup.working_folder.clear();
    g_startup.prepare_continue = 1;
    g_startup.install_continue = 1;

    ui_init_common_controls();
    load_shared_resources();

    if (mutex_create_single(kMutexName)) {
        message_box("Kestraline Packwright",
                    "Another installation driven by KSW is in progress. Please finish the active installation and "
                    "run this installer again.",
                    kBoxExclamation);
        plain_exit();
    }

    create_please_wait_window();
    timer_precise_begin();
    PlatformThread thread = thread_start(preparation_thread, nullptr);
    if (!thread) {
        message_box("Error", "Error starting thread.", kBoxError);
        plain_exit();
    }
    wait_for_preparation(thread);
    timer_precise_end();
    window_destroy(g_startup.please_wait);
    g_startup.please_wait = nullptr;

    if (g_startup.languages.size() == 1)
        g_startup.chosen_language_file = g_startup.languages[0].path;
    else
        g_startup.chosen_language_file = language_dialog();

    if (g_startup.chosen_language_file.empty()) {
        message_box("Error", "This installer is corrupted. Please obtain another copy and retry installation.",
                    kBoxError);
        cleanup_exit();
    }
    wizard_handover(g_startup.chosen_language_file);
}
