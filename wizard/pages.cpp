// The page switch: the only operation that changes the current page.
#include "platform/wizard_controls.h"
#include "wizard/navigation.h"
#include "wizard/wizard.h"
#include "wizard/wizard_state.h"

void wizard_page_switch(int page) {
    if (page < 0 || page >= kPageCount) return;
    for (int p = 0; p < kPageCount; ++p)
        if (p != page) control_set_visible(g_wizard.elements[page_container_id(p)], false);
    control_set_visible(g_wizard.elements[page_container_id(page)], true);

    PageButtons b = page_buttons(page, check_box_ticked(g_wizard.elements[kElAgreement]));
    if (b.next_enabled >= 0) control_enable(g_wizard.elements[kElNext], b.next_enabled == 1);
    if (b.previous_enabled >= 0) control_enable(g_wizard.elements[kElPrevious], b.previous_enabled == 1);
    if (b.finish_page) {
        control_set_visible(g_wizard.elements[kElCancel], false);
        control_set_visible(g_wizard.elements[kElNext], false);
        control_set_visible(g_wizard.elements[kElPrevious], false);
        control_set_visible(g_wizard.elements[kElFinish], true);
        control_focus(g_wizard.elements[kElFinish]);
    }
    if (page == kPageInstallation) control_focus(g_wizard.elements[kElInstallText]);
    g_wizard.current_page = page;
}

PlatformWindow wizard_element(int id) {
    return (id >= 0 && id < kElementCount) ? g_wizard.elements[id] : nullptr;
}

const std::string& wizard_group_folder() {
    return g_wizard.group_folder;
}
