#include "platform/files.h"
#include "platform/ui.h"
#include "script/message_table.h"
#include "script/messages.h"
#include "startup/exits.h"

void localization_load(const std::string& path) {
    std::string data;
    if (!file_read_all(path, &data)) {
        // The table does not exist yet, so these two texts are built in.
        message_box("Error", "Could not read the localization file from the temporary directory!", kBoxError);
        cleanup_exit();
    }
    IniFile ini;
    ini_parse(data.data(), data.size(), &ini);
    messages_build(ini);
}
