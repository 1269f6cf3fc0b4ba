#include "startup/language_dialog.h"

#include "platform/ui.h"
#include "startup/exits.h"
#include "startup/startup.h"
#include "startup/state.h"

std::string language_dialog() {
    PlatformWindow w = window_create_dialog("Language selection", 329, 112);
    control_static(w, 2000, "Please choose your language from the list below. The installation will continue with "
                            "the selected language.", 45, 9, 274, 38);
    control_button(w, 2001, "Cancel", 74, 86, 89, 22, false);
    control_button(w, 2002, "OK", 163, 86, 89, 22, true);
    PlatformWindow combo = control_combo_list(w, 2003, 11, 55, 308, 600);
    control_icon(w, 2004, g_startup.images[0], 8, 7, 32, 32);

    if (g_startup.languages.empty()) {
        message_box("Error", "This installer package is incomplete and/or corrupted.", kBoxError);
        window_destroy(w);
        cleanup_exit();
    }
    int position = 0;
    for (const LanguageEntry& e : g_startup.languages) {
        if (e.name.empty()) continue;
        combo_insert(combo, position++, e.name.c_str());
    }
    combo_select(combo, language_default_position(g_startup.languages));
    window_show(w);

    for (;;) {
        if (!ui_wait_one()) break;
        int click = window_take_click(w);
        if (click == 2001) {
            if (message_box("Please confirm", kStartupCancelQuestion, kBoxConfirm, w) == kAnswerYes) {
                window_destroy(w);
                cleanup_exit();
            }
        } else if (click == 2002) {
            break;
        }
    }
    std::string selected = combo_selected_text(combo);
    std::string path = language_path_for(g_startup.languages, selected);
    window_destroy(w);
    return path;
}
