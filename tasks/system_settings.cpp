#include "tasks/system_settings.h"

#include "platform/file_ops.h"
#include "platform/fonts_environment.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "tasks/autoexec_lines.h"
#include "tasks/os_branches.h"
#include "tasks/path_parts.h"
#include "tasks/registry_tasks.h"

static const char kEnvironmentKey[] = "System\\CurrentControlSet\\Control\\Session Manager\\Environment\\";

int install_font(const std::string& font_file, const std::string& font_name, int os_code) {
    if (!font_resource_add(font_file)) return 0;
    char windir[260];
    if (!environment_get("windir", windir, sizeof windir)) windir[0] = 0;
    std::string file_name = file_name_part(font_file);
    if (!file_copy(font_file, std::string(windir) + "\\Fonts\\" + file_name)) return 0;
    broadcast_font_change();
    return set_value(kRootLocalMachine, fonts_key(os_code), font_name, file_name, kRegSz) == 1 ? 1 : 0;
}

// AUTOEXEC.BAT in the root of the drive holding the temporary folder.
static std::string autoexec_path() {
    return temp_directory().substr(0, 3) + "AUTOEXEC.BAT";
}

// Replaces the whole content of the open file with text.
static bool rewrite(PlatformFile f, const std::string& text) {
    return file_seek(f, 0) && (text.empty() || file_write(f, text.data(), (uint32_t)text.size())) &&
           file_cut_here(f);
}

// Opens AUTOEXEC.BAT, creating it when missing, and reads its text; null
// when it cannot be opened or read.
static PlatformFile autoexec_open(std::string* text) {
    PlatformFile f = file_open_always(autoexec_path());
    if (!f) return nullptr;
    int64_t size = file_size(f);
    bool ok = size >= 0 && size < 0x7FFFFFFF;
    if (ok && size > 0) {
        text->resize((size_t)size);
        ok = file_read(f, &(*text)[0], (uint32_t)size) == size;
    }
    if (!ok) {
        file_close(f);
        return nullptr;
    }
    return f;
}

// Writes the new text over the whole file and closes it; a failed write
// is a failed operation, not a success.
static bool autoexec_store(PlatformFile f, const std::string& text) {
    bool ok = rewrite(f, text);
    file_close(f);
    return ok;
}

int set_environment_variable(const std::string& name, const std::string& value, bool* was_new, int os_code) {
    if (was_new) *was_new = false;
    if (name.empty()) return 0;
    switch (environment_store(os_code)) {
    case kEnvAutoexec: {
        std::string text;
        PlatformFile f = autoexec_open(&text);
        bool existed = false;
        if (!f || !autoexec_store(f, autoexec_with_variable(text, name, value, &existed))) return 0;
        broadcast_environment_change();
        if (was_new) *was_new = !existed;
        return 1;
    }
    case kEnvRegistry: {
        RegistryKey key = registry_open(kRootLocalMachine, kEnvironmentKey);
        bool existed = key && registry_value_exists(key, name);
        registry_close(key);
        int result = set_value(kRootLocalMachine, kEnvironmentKey, name, value, kRegSz);
        broadcast_environment_change();
        if (was_new) *was_new = result == 1 && !existed;
        return result;
    }
    default:
        return 0;
    }
}

int delete_environment_variable(const std::string& name, int os_code) {
    if (name.empty()) return 0;
    switch (environment_store(os_code)) {
    case kEnvAutoexec: {
        std::string text;
        PlatformFile f = autoexec_open(&text);
        if (!f || !autoexec_store(f, autoexec_without_variable(text, name))) return 0;
        broadcast_environment_change();
        return 1;
    }
    case kEnvRegistry: {
        int result = delete_value(kRootLocalMachine, kEnvironmentKey, name);
        broadcast_environment_change();
        return result;
    }
    default:
        return 0;
    }
}

int add_ini_group(const std::string& group, const std::string& file) {
    return profile_group_clear(file, group) ? 1 : 0;
}

int add_ini_key(const std::string& group, const std::string& key, const std::string& value, const std::string& file) {
    return profile_key_write(file, group, key, value) ? 1 : 0;
}

int remove_ini_group(const std::string& group, const std::string& file) {
    return profile_group_remove(file, group) ? 1 : 0;
}

int remove_ini_key(const std::string& group, const std::string& key, const std::string& file) {
    return profile_key_remove(file, group, key) ? 1 : 0;
}
