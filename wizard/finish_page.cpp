#include "wizard/finish_page.h"

#include "platform/shell_open.h"
#include "platform/system.h"
#include "platform/wizard_controls.h"
#include "script/messages.h"
#include "script/placeholders.h"
#include "script/settings.h"
#include "startup/exits.h"
#include "wizard/finish_options.h"
#include "wizard/folder_description.h"
#include "wizard/wizard_state.h"

enum { kMsgRestartOption = 73 };

// "on the Desktop", "in: 'D:\Tools\'" ... for a folder path of a task.
static std::string folder_description(const std::string& folder) {
    std::string expanded = placeholders_expand(folder);
    std::string specials[kSpecialFolderCount];
    for (int i = 0; i < kSpecialFolderCount; ++i) specials[i] = special_folder_by_index(i);
    int id = folder_description_id(expanded, specials, os_version_code());
    return folder_description_text(id, id >= 0 ? Message(id) : std::string(), expanded);
}

static void add_option(const std::string& text, const std::string& name, const std::string& line) {
    int item = tree_add_ticked(g_wizard.elements[kElFinishTree], text);
    FinishOption option = {item >= 0 ? item : g_wizard.finish_option_counter, name, line};
    g_wizard.finish_options.push_back(option);
    ++g_wizard.finish_option_counter;
}

void finish_options_build() {
    for (TaskEntry& task : g_install_tasks) {
        // The list keeps the line with the text placeholders filled in; the
        // installation runs it that way too.
        task.line = placeholders_text_pass(task.line);
        OfferedTask offer;
        if (!finish_option_offer(task.line, &offer)) continue;
        std::string folder_text = offer.kind == kOfferRun ? std::string() : folder_description(offer.link_folder);
        add_option(finish_option_item_text(offer, Message, folder_text), task.name, offer.line);
    }
    if (g_script.iConfig.RebootRequired == 1)
        add_option(Message(kMsgRestartOption), Message(kMsgRestartOption), kRebootTaskLine);
    if (g_wizard.finish_option_counter == 0) control_set_visible(g_wizard.elements[kElFinishTree], false);
}

void finish_page_complete() {
    for (FinishOption& option : g_wizard.finish_options) {
        if (!tree_item_ticked(g_wizard.elements[kElFinishTree], option.item)) continue;
        option.line = placeholders_expand(option.line);
        // The task engine carries the line out once it is part of the
        // installer; until then a ticked option is only expanded.
    }
    // The uninstall record (CreateUninstaller 1) is written here once the
    // record writer is part of the installer.
    shell_notify_associations_changed();
    cleanup_exit();
}
