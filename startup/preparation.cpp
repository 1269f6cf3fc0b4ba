#include "startup/preparation.h"

#include <cmath>
#include <cstdlib>

#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui.h"
#include "script/ini_reader.h"
#include "startup/exits.h"
#include "startup/package_files.h"
#include "startup/state.h"
#include "startup/trailer.h"

static const char kMsgCannotRead[] =
    "Could not read the data contained inside. Please restart you PC and run this installer again.";
static const char kMsgIncomplete[] =
    "This installer is incomplete! If you downloaded it from the Internet try to transfer it again.";
static const char kMsgCorrupted[] = "This installer is corrupted. Please obtain another copy of it.";
static const char kMsgNoSpace[] =
    "You do not have enough free space on your drive. Please free some space and run this installer again.";
static const char kMsgNoTempFile[] = "Could not create the temporary file at location: \r\n";
static const char kMsgNoWorkingFolder[] =
    "Could not create a working folder in the temporary directory. Please free some space or check the "
    "permissions of this folder and run this installer again:\r\n";

// Test seam: PACKWRIGHT_TEST_BLOCK_DELAY_MS slows every copied block so
// that end-to-end tests can press Cancel while the copy is still running.
static unsigned g_test_block_delay_ms = 0;

int preparation_progress(float percent) {
    progress_set(control_get(g_startup.please_wait, 1003), (int)std::lround(percent));
    if (g_test_block_delay_ms) sleep_ms(g_test_block_delay_ms);
    return g_startup.prepare_continue != 1;
}

void language_list_build(const std::string& folder) {
    for (const FolderEntry& e : folder_list(folder, "*.ini")) {
        if (e.is_folder) continue;
        std::string path = folder + e.name;
        std::string bytes;
        if (!file_read_all(path, &bytes)) continue;
        IniFile ini;
        ini_parse(bytes.data(), bytes.size(), &ini);
        LanguageEntry entry;
        entry.name = ini_read(ini, "KSW Localization File", "Language", "");
        entry.author = ini_read(ini, "KSW Localization File", "Author", "");
        entry.path = path;
        if (language_name_usable(entry.name)) g_startup.languages.push_back(entry);
    }
}

// Creates the copy file and copies one archive out of the installer file
// into it. Returns false after a cancel; ends the process on every error.
// A copy that failed half-way never passes for a complete archive.
static bool copy_archive_out(PlatformFile installer, const std::string& copy_path, int64_t offset, uint32_t size) {
    PlatformFile copy = file_create(copy_path);
    if (!copy) {
        file_close(installer);
        fail_with_cleanup((std::string(kMsgNoTempFile) + copy_path).c_str());
    }
    if (offset <= 0) {
        file_close(copy);
        file_close(installer);
        fail_with_cleanup(kMsgCorrupted);
    }
    int r = archive_copy(installer, copy, (int32_t)offset, (int32_t)size, preparation_progress);
    file_close(copy);
    if (r == kCopyCancelled) return false;
    if (r != kCopyDone) {
        file_close(installer);
        fail_with_cleanup(r == kCopyWriteFailed ? kMsgNoSpace : kMsgCannotRead);
    }
    return true;
}

unsigned long __stdcall preparation_thread(void*) {
    char delay[16];
    if (environment_get("PACKWRIGHT_TEST_BLOCK_DELAY_MS", delay, sizeof delay))
        g_test_block_delay_ms = (unsigned)std::atoi(delay);
    PlatformFile installer = file_open_read(module_path());
    if (!installer) fail_with_cleanup(kMsgCannotRead);

    int64_t length = file_size(installer);
    unsigned char trailer[kTrailerSize];
    if (length < kTrailerSize || !file_seek(installer, length - kTrailerSize) ||
        file_read(installer, trailer, kTrailerSize) != kTrailerSize || !trailer_magic_ok(trailer + 8)) {
        file_close(installer);
        fail_with_plain_exit(kMsgIncomplete);
    }
    PackageTrailer t = trailer_parse(trailer);
    if (t.setup_size == 0 || t.payload_size == 0) {
        file_close(installer);
        fail_with_plain_exit(kMsgCorrupted);
    }

    std::string temp = temp_directory();
    int64_t needed = (int64_t)t.setup_size + (int64_t)t.payload_size;
    if (drive_space(temp.substr(0, 3), "f") < needed) {
        file_close(installer);
        fail_with_plain_exit(kMsgNoSpace);
    }

    std::string folder = working_folder_create();
    if (folder.empty()) {
        file_close(installer);
        fail_with_plain_exit((std::string(kMsgNoWorkingFolder) + temp).c_str());
    }
    g_startup.working_folder = folder;

    std::string setup_copy_path = temp_archive_name(folder);
    std::string payload_copy_path = temp_archive_name(folder);
    // Both names are drawn before either file exists: make sure they differ.
    while (payload_copy_path == setup_copy_path) payload_copy_path = temp_archive_name(folder);

    if (!copy_archive_out(installer, setup_copy_path, trailer_setup_offset(length, t), t.setup_size) ||
        !copy_archive_out(installer, payload_copy_path, trailer_payload_offset(length, t), t.payload_size)) {
        file_close(installer);
        return 0;
    }
    file_close(installer);

    std::string info = folder + "Information\\";
    archive_extract(setup_copy_path, "*.*", info, true);
    file_delete(setup_copy_path);

    language_list_build(info + "Languages\\");

    g_startup.script_path = info + "Config\\Script.ini";
    g_startup.wiz_bitmap_path = info + "Resources\\WizBitmap.bmp";
    g_startup.head_bitmap_path = info + "Resources\\HeadBitmap.bmp";
    g_startup.readme_path = info + "Resources\\ReadMe.txt";
    g_startup.license_path = info + "Resources\\License.txt";
    g_startup.statistics_path = info + "Config\\Statistics.ini";
    g_startup.payload_copy_path = payload_copy_path;
    return 1;
}
