#include "wizard/wizard_events.h"

#include <string>

#include "platform/folder_browser.h"
#include "platform/shell_open.h"
#include "platform/wizard_controls.h"
#include "script/messages.h"
#include "script/numbers.h"
#include "script/placeholders.h"
#include "script/settings.h"
#include "startup/exits.h"
#include "wizard/finish_page.h"
#include "wizard/navigation.h"
#include "wizard/wizard.h"
#include "wizard/wizard_state.h"
#include "wizard/wizard_window.h"

enum {
    kMsgConfirmTitle = 7,
    kMsgConfirmCancel = 8,
    kMsgWarningTitle = 75,
    kMsgEmptyPath = 76,
    kMsgBrowseTitle = 77,
    kBoxQuestion = 36,  // MB_YESNO | MB_ICONQUESTION
};

static PlatformWindow el(int id) {
    return g_wizard.elements[id];
}

// A button counts only while the user can see and use it; Enter and the
// keyboard reach hidden or disabled buttons otherwise.
static bool usable(int id) {
    return control_visible(el(id)) && control_enabled(el(id));
}

static WizardFlow flow() {
    WizardFlow f;
    f.license = flag_is(g_script.FilesAndSettings.RequireLicense, "1");
    f.readme = flag_is(g_script.FilesAndSettings.RequireReadme, "1");
    f.create_group = g_script.iConfig.AutoCreateStartMenu == 1;
    f.path_empty = control_text(el(kElInstallPath)).empty();
    return f;
}

// Runs the installation, then shows the finish page. The install path and
// group are taken here; the installation itself is carried out by the
// install driver once it is part of the installer.
static void start_installation() {
    std::string path = control_text(el(kElInstallPath));
    if (path.empty() || path[path.size() - 1] != '\\') path += '\\';
    g_install_path = path;
    g_group_folder = g_wizard.group_folder;
    wizard_page_switch(kPageFinish);
}

static void on_next() {
    if (!usable(kElNext)) return;
    g_wizard.group_folder = control_text(el(kElGroupField));
    int target = nav_next(g_wizard.current_page, flow());
    if (target == kNextInstall) {
        start_installation();
    } else if (target == kNextWarnEmptyPath) {
        message_box(Message(kMsgWarningTitle).c_str(), Message(kMsgEmptyPath).c_str(), kBoxError, g_wizard.window);
    } else if (target >= 0) {
        wizard_page_switch(target);
    }
}

static void on_previous() {
    if (!usable(kElPrevious)) return;
    int target = nav_previous(g_wizard.current_page, flow());
    if (target != g_wizard.current_page) wizard_page_switch(target);
}

static void on_cancel() {
    if (!usable(kElCancel)) return;
    if (message_box(Message(kMsgConfirmTitle).c_str(), Message(kMsgConfirmCancel).c_str(), kBoxQuestion,
                    g_wizard.window) == kAnswerYes)
        cleanup_exit();
}

static std::string trimmed(const std::string& s) {
    size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return std::string();
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

static void on_browse() {
    std::string chosen = trimmed(folder_browser(g_wizard.window, Message(kMsgBrowseTitle), special_folder_by_index(0)));
    if (chosen.empty() || chosen == "\\") return;
    if (chosen[chosen.size() - 1] != '\\') chosen += '\\';
    control_set_text(el(kElInstallPath), chosen);
    space_texts_update();
}

static void on_opt_out() {
    bool ticked = check_box_ticked(el(kElGroupOptOut));
    control_enable(el(kElGroupList), !ticked);
    g_script.iConfig.AutoCreateStartMenu = ticked ? 0 : 1;
}

static void on_group_chosen() {
    int index = list_box_selected(el(kElGroupList));
    if (index < 0) return;
    group_field_set(list_box_item(el(kElGroupList), index));
}

void wizard_event_loop() {
    ElementEvent e;
    while (element_event_wait(g_wizard.window, &e)) {
        switch (e.id) {
            case kElCancel: on_cancel(); break;
            case kElNext: on_next(); break;
            case kElPrevious: on_previous(); break;
            case kElWebLink: shell_open(g_script.GeneralInformation.Website); break;
            case kElFinish:
                if (usable(kElFinish)) finish_page_complete();
                break;
            case kElAgreement:
                control_enable(el(kElNext), check_box_ticked(el(kElAgreement)));
                break;
            case kElBrowse: on_browse(); break;
            case kElGroupOptOut: on_opt_out(); break;
            case kElGroupList:
                if (e.code == kEventSelectionChanged) on_group_chosen();
                break;
        }
    }
    cleanup_exit();
}
