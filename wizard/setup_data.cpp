#include "wizard/setup_data.h"

#include <cstdlib>
#include <string>

#include "platform/drawing.h"
#include "platform/files.h"
#include "script/messages.h"
#include "script/numbers.h"
#include "script/settings.h"
#include "startup/state.h"
#include "wizard/wizard_state.h"

enum {
    kMsgNoReadmeMemory = 34,
    kMsgNoReadme = 35,
    kMsgNoLicenseMemory = 36,
    kMsgNoLicense = 37,
    kMsgNoSideImage = 38,
    kMsgNoHeaderImage = 39,
    kMsgFirstHeaderTitle = 40,
};

// The whole file into a new buffer. An empty file counts as a failed
// allocation: a buffer of 0 bytes is never made.
static void load_text(const std::string& path, int msg_unreadable, int msg_no_memory, char** text, size_t* length) {
    PlatformFile f = file_open_read(path);
    if (!f) wizard_fail(msg_unreadable);
    int64_t size = file_size(f);
    char* buf = (size > 0 && size < 0x7FFFFFFF) ? (char*)malloc((size_t)size) : nullptr;
    if (!buf) {
        file_close(f);
        wizard_fail(msg_no_memory);
    }
    int64_t got = file_read(f, buf, (uint32_t)size);
    file_close(f);
    *text = buf;
    *length = got > 0 ? (size_t)got : 0;
}

void setup_texts_load() {
    const auto& fs = g_script.FilesAndSettings;
    if (flag_is(fs.RequireReadme, "1"))
        load_text(g_startup.readme_path, kMsgNoReadme, kMsgNoReadmeMemory, &g_wizard.readme_text,
                  &g_wizard.readme_length);
    if (flag_is(fs.RequireLicense, "1"))
        load_text(g_startup.license_path, kMsgNoLicense, kMsgNoLicenseMemory, &g_wizard.license_text,
                  &g_wizard.license_length);
}

void setup_images_load() {
    g_wizard.images[10] = bitmap_load(g_startup.wiz_bitmap_path, 155, 310);
    if (!g_wizard.images[10]) wizard_fail(kMsgNoSideImage);
    g_wizard.images[11] = bitmap_load(g_startup.head_bitmap_path, 0, 0);
    if (!g_wizard.images[11]) wizard_fail(kMsgNoHeaderImage);
    // Headers of the license, read-me, destination, group and installation
    // pages; a copy that fails stays without its titles.
    uint32_t colour = (uint32_t)g_script.Look.HeaderTextColour;
    for (int n = 12; n <= 16; ++n) {
        PlatformBitmap copy = bitmap_copy(g_wizard.images[11]);
        int title = kMsgFirstHeaderTitle + 2 * (n - 12);
        if (copy) {
            bitmap_draw_text(copy, 10, 11, Message(title), g_startup.fonts[3], colour);
            bitmap_draw_text(copy, 10, 32, Message(title + 1), g_startup.fonts[2], colour);
        }
        g_wizard.images[n] = copy ? copy : g_wizard.images[11];
    }
}

void setup_data_delete() {
    if (!g_startup.working_folder.empty()) folder_delete_tree(g_startup.working_folder + "Information\\");
}
