#include "script/install_script.h"

#include "platform/files.h"
#include "platform/ui.h"
#include "script/messages.h"
#include "script/script_settings.h"
#include "script/settings.h"
#include "startup/exits.h"

void install_script_read(const std::string& path) {
    std::string data;
    if (!file_read_all(path, &data)) {
        message_box(Message(0).c_str(), Message(30).c_str(), kBoxError);
        cleanup_exit();
    }
    IniFile ini;
    ini_parse(data.data(), data.size(), &ini);
    script_settings_read(ini);
    // Nothing reads the script again; it must not stay in the working
    // folder for the rest of the run, even when the archive marked it
    // read-only.
    if (!file_delete(path) && file_set_attributes(path, 0x80 /* FILE_ATTRIBUTE_NORMAL */)) file_delete(path);
    messages_substitute_app(g_script.GeneralInformation.AppName, g_script.GeneralInformation.Version);
}

uint64_t statistics_read(const std::string& path) {
    std::string head(8, '\0');
    PlatformFile f = file_open_read(path);
    int64_t got = f ? file_read(f, &head[0], 8) : -1;
    file_close(f);
    uint64_t size = 0;
    // A file shorter than its 8-byte size would give a made-up required
    // space; it is reported like a file that cannot be read.
    if (got < 0 || !statistics_size_from(head.substr(0, (size_t)got), &size)) {
        message_box(Message(0).c_str(), Message(28).c_str(), kBoxError);
        cleanup_exit();
    }
    return size;
}
