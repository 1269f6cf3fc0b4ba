#include "wizard/wizard_window.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/drawing.h"
#include "platform/files.h"
#include "platform/folder_walk.h"
#include "platform/wizard_controls.h"
#include "script/messages.h"
#include "script/numbers.h"
#include "script/placeholders.h"
#include "script/settings.h"
#include "startup/exits.h"
#include "startup/state.h"
#include "wizard/size_text.h"
#include "wizard/wizard_state.h"

enum {
    kClientWidth = 491,
    kClientHeight = 358,
    kMsgCannotListGroups = 68,
    kIndexProgramFiles = 0,
    kIndexAllUsersPrograms = 8,
};

static PlatformWindow keep(int id, PlatformWindow c) {
    g_wizard.elements[id] = c;
    return c;
}

static PlatformWindow page(int id) {
    return keep(id, control_page(g_wizard.window, id, 0, 0, 491, 310));
}

static void build_buttons_and_link() {
    PlatformWindow w = g_wizard.window;
    keep(kElCancel, control_button(w, kElCancel, Message(50).c_str(), 403, 323, 76, 22, false));
    keep(kElNext, control_button(w, kElNext, Message(51).c_str(), 314, 323, 76, 22, true));
    keep(kElPrevious, control_button(w, kElPrevious, Message(52).c_str(), 238, 323, 76, 22, false));
    keep(kElBottomLine, control_etched_line(w, kElBottomLine, 0, 310, 495, 3));
    const std::string& site = g_script.GeneralInformation.Website;
    keep(kElWebLink, control_web_link(w, kElWebLink, site.c_str(), 9, 327, text_width(site), 20));
    keep(kElFinish, control_button(w, kElFinish, Message(53).c_str(), 403, 323, 76, 22, true));
}

// Welcome and finish pages: texts over a white panel beside the side
// image. Elements made first lie on top; the panel clips itself to them.
static void build_welcome() {
    PlatformWindow p = page(kElWelcomePage);
    keep(kElWelcomeHeading, control_static(p, kElWelcomeHeading, Message(54).c_str(), 162, 26, 322, 89));
    keep(kElWelcomeBottom, control_static(p, kElWelcomeBottom, Message(55).c_str(), 161, 231, 325, 73));
    keep(kElWelcomeMiddle, control_static(p, kElWelcomeMiddle, Message(56).c_str(), 161, 150, 324, 60));
    keep(kElWelcomeImage, control_bitmap(p, kElWelcomeImage, g_wizard.images[10], 0, 0, 155, 310, false));
    keep(kElWelcomePanel, control_bitmap(p, kElWelcomePanel, g_wizard.white_panel, 0, 0, 496, 310, true));
}

static void build_license() {
    PlatformWindow p = page(kElLicensePage);
    keep(kElLicenseHeader, control_bitmap(p, kElLicenseHeader, g_wizard.images[12], 0, 0, 500, 60, false));
    keep(kElAgreement, control_check_box(p, kElAgreement, Message(57).c_str(), 15, 285, 456, 15));
    keep(kElLicenseText, control_rich_text(p, kElLicenseText, 16, 76, 456, 200));
    keep(kElLicenseLine, control_etched_line(p, kElLicenseLine, 0, 60, 495, 3));
}

static void build_readme() {
    PlatformWindow p = page(kElReadmePage);
    keep(kElReadmeHeader, control_bitmap(p, kElReadmeHeader, g_wizard.images[13], 0, 0, 500, 60, false));
    keep(kElReadmeText, control_rich_text(p, kElReadmeText, 16, 76, 456, 215));
    keep(kElReadmeLine, control_etched_line(p, kElReadmeLine, 0, 60, 495, 3));
}

static void build_destination() {
    PlatformWindow p = page(kElDestinationPage);
    keep(kElDestinationHeader, control_bitmap(p, kElDestinationHeader, g_wizard.images[14], 0, 0, 500, 60, false));
    keep(kElDestinationFrame, control_frame(p, kElDestinationFrame, Message(58).c_str(), 12, 71, 468, 60));
    keep(kElInstallPath, control_text_field(p, kElInstallPath, "", 82, 96, 317, 21));
    keep(kElBrowse, control_button(p, kElBrowse, Message(59).c_str(), 405, 95, 68, 22, false));
    keep(kElFreeSpace, control_static(p, kElFreeSpace, "", 14, 145, 466, 16));
    keep(kElRequiredSpace, control_static(p, kElRequiredSpace, "", 14, 169, 466, 15));
    keep(kElDestinationIcon, control_icon(p, kElDestinationIcon, g_startup.images[1], 32, 91, 32, 32));
    keep(kElDestinationLine, control_etched_line(p, kElDestinationLine, 0, 60, 495, 3));
}

static void build_group() {
    PlatformWindow p = page(kElGroupPage);
    keep(kElGroupHeader, control_bitmap(p, kElGroupHeader, g_wizard.images[15], 0, 0, 500, 60, false));
    keep(kElGroupIcon, control_icon(p, kElGroupIcon, g_startup.images[2], 30, 80, 32, 32));
    keep(kElGroupText, control_static(p, kElGroupText, Message(62).c_str(), 75, 80, 385, 60));
    keep(kElGroupField, control_text_field(p, kElGroupField, "", 30, 146, 430, 20));
    control_enable(g_wizard.elements[kElGroupField], false);  // picked from the list, never typed
    keep(kElGroupOptOut, control_check_box(p, kElGroupOptOut, Message(63).c_str(), 30, 270, 425, 15));
    keep(kElGroupList, control_list_box(p, kElGroupList, 30, 175, 430, 80));
    keep(kElGroupLine, control_etched_line(p, kElGroupLine, 0, 60, 495, 3));
}

static void build_installation() {
    PlatformWindow p = page(kElInstallPage);
    keep(kElInstallHeader, control_bitmap(p, kElInstallHeader, g_wizard.images[16], 0, 0, 500, 60, false));
    keep(kElInstallText, control_static(p, kElInstallText, Message(64).c_str(), 15, 70, 452, 44));
    keep(kElCurrentAction, control_static(p, kElCurrentAction, Message(65).c_str(), 15, 115, 459, 30));
    keep(kElProgress, control_progress(p, kElProgress, 15, 150, 460, 20));
    keep(kElTimeText, control_static(p, kElTimeText, "", 15, 185, 459, 30));
    keep(kElInstallLine, control_etched_line(p, kElInstallLine, 0, 60, 495, 3));
}

static void build_finish() {
    PlatformWindow p = page(kElFinishPage);
    keep(kElFinishHeading, control_static(p, kElFinishHeading, Message(66).c_str(), 161, 26, 322, 73));
    keep(kElFinishBottom, control_static(p, kElFinishBottom, Message(67).c_str(), 161, 255, 322, 49));
    keep(kElFinishTree, control_check_tree(p, kElFinishTree, 161, 80, 322, 155));
    keep(kElFinishImage, control_bitmap(p, kElFinishImage, g_wizard.images[10], 0, 0, 155, 310, false));
    keep(kElFinishPanel, control_bitmap(p, kElFinishPanel, g_wizard.white_panel, 0, 0, 496, 310, true));
}

void wizard_window_build() {
    const auto& general = g_script.GeneralInformation;
    std::string caption = general.AppName + " v." + general.Version + " Setup";
    g_wizard.window = wizard_window_create(caption.c_str(), kClientWidth, kClientHeight, g_wizard.background);
    if (!g_wizard.window) cleanup_exit();
    window_set_close_item(g_wizard.window, 0);
    g_wizard.white_panel = bitmap_filled(496, 310, 0xFFFFFF);

    build_buttons_and_link();
    build_welcome();
    build_license();
    build_readme();
    build_destination();
    build_group();
    build_installation();
    build_finish();
    for (int id = 0; id < kElementCount; ++id) {
        bool is_element = id <= kElFinish || (id >= kElWelcomePage && id <= kElWelcomeMiddle) ||
                          (id >= kElLicensePage && id <= kElLicenseLine) ||
                          (id >= kElReadmePage && id <= kElReadmeLine) ||
                          (id >= kElDestinationPage && id <= kElDestinationLine) ||
                          (id >= kElGroupPage && id <= kElGroupLine) ||
                          (id >= kElInstallPage && id <= kElInstallLine) ||
                          (id >= kElFinishPage && id <= kElFinishPanel);
        if (is_element && !g_wizard.elements[id]) cleanup_exit();
    }

    for (int id : {kElWelcomeHeading, kElWelcomeBottom, kElWelcomeMiddle, kElFinishHeading, kElFinishBottom,
                   kElFinishTree})
        control_set_white_background(g_wizard.elements[id]);
    control_set_font(g_wizard.elements[kElWelcomeHeading], g_startup.fonts[0]);
    control_set_font(g_wizard.elements[kElFinishHeading], g_startup.fonts[0]);
    control_set_font(g_wizard.elements[kElWelcomeBottom], g_startup.fonts[1]);
}

static std::string trimmed(const std::string& s) {
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return std::string();
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// The text of a loaded file up to its length or its first zero byte.
static std::string text_of(const char* buf, size_t length) {
    if (!buf) return std::string();
    const void* zero = memchr(buf, 0, length);
    return std::string(buf, zero ? (size_t)((const char*)zero - buf) : length);
}

void space_texts_update() {
    std::string path = control_text(g_wizard.elements[kElInstallPath]);
    int64_t free_bytes = drive_space(path.substr(0, 3), "f");
    control_set_text(g_wizard.elements[kElFreeSpace], Message(60) + " " + size_text(free_bytes, 1));
    control_set_text(g_wizard.elements[kElRequiredSpace],
                     Message(61) + " " + size_text((int64_t)g_wizard.required_size, 1));
}

void group_field_set(const std::string& sub_folder) {
    std::string folder = special_folder_by_index(kIndexAllUsersPrograms);
    if (!sub_folder.empty()) folder += sub_folder + "\\";
    control_set_text(g_wizard.elements[kElGroupField], folder + g_script.GeneralInformation.AppName + "\\");
}

static void group_list_fill() {
    PlatformWindow list = g_wizard.elements[kElGroupList];
    list_box_add(list, "");
    std::vector<FolderEntry> entries;
    if (!folder_entries(special_folder_by_index(kIndexAllUsersPrograms), &entries)) wizard_fail(kMsgCannotListGroups);
    for (const FolderEntry& e : entries)
        if (e.is_folder) list_box_add(list, e.name);
    group_field_set("");
}

void wizard_window_fill() {
    const auto& general = g_script.GeneralInformation;
    const auto& fs = g_script.FilesAndSettings;
    const auto& config = g_script.iConfig;
    if (trimmed(general.Website).empty()) control_set_visible(g_wizard.elements[kElWebLink], false);

    if (flag_is(fs.RequireLicense, "1") && g_wizard.license_text)
        control_set_text(g_wizard.elements[kElLicenseText], text_of(g_wizard.license_text, g_wizard.license_length));
    if (flag_is(fs.RequireReadme, "1") && g_wizard.readme_text)
        control_set_text(g_wizard.elements[kElReadmeText], text_of(g_wizard.readme_text, g_wizard.readme_length));

    std::string path = trimmed(config.DefaultPath);
    path = path.empty() ? special_folder_by_index(kIndexProgramFiles) + general.AppName + "\\"
                        : placeholders_expand(path);
    if (path.empty() || path[path.size() - 1] != '\\') path += '\\';
    control_set_text(g_wizard.elements[kElInstallPath], path);
    if (config.PathChangeable == 0) {
        control_enable(g_wizard.elements[kElInstallPath], false);
        control_enable(g_wizard.elements[kElBrowse], false);
    }
    space_texts_update();
    group_list_fill();

    control_set_visible(g_wizard.elements[kElFinish], false);
    if (config.ForceGroupCreation == 0) {
        check_box_set(g_wizard.elements[kElGroupOptOut], true);
        control_set_visible(g_wizard.elements[kElGroupOptOut], false);
    }
}
