#include "wizard/wizard.h"

#include "platform/wizard_controls.h"
#include "script/install_script.h"
#include "script/messages.h"
#include "script/settings.h"
#include "startup/exits.h"
#include "wizard/background_window.h"
#include "wizard/finish_page.h"
#include "wizard/navigation.h"
#include "wizard/requirements.h"
#include "wizard/setup_data.h"
#include "wizard/wizard_events.h"
#include "wizard/wizard_state.h"
#include "wizard/wizard_window.h"
#include "startup/state.h"

WizardState g_wizard;

void wizard_fail(int message_id) {
    message_box(Message(0).c_str(), Message(message_id).c_str(), kBoxError);
    cleanup_exit();
}

void wizard_run(const std::string& localization_file) {
    localization_load(localization_file);
    g_wizard.required_size = requirements_check_space();
    install_script_read(g_startup.script_path);
    requirements_check_system();
    setup_texts_load();
    setup_images_load();
    // From here on the setup data exists only in memory.
    setup_data_delete();
    if (g_script.Look.UseBackgroundWindow == 1) g_wizard.background = background_window_open();

    wizard_window_build();
    wizard_window_fill();
    finish_options_build();

    wizard_page_switch(kPageWelcome);
    if (g_wizard.background) {
        control_enable(g_wizard.background, false);
        window_show_maximized(g_wizard.background);
    }
    window_show(g_wizard.window);
    wizard_event_loop();
}
