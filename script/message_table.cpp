#include "script/message_table.h"

#include "script/messages.h"
#include "script/text_case.h"

std::vector<IniKey> g_uninstall_messages;

static std::vector<std::string> g_messages;

void messages_build(const IniFile& localization) {
    g_uninstall_messages.clear();
    g_messages.clear();
    if (const IniSection* un = ini_section(localization, "LocalizationUninstall")) g_uninstall_messages = un->keys;

    const IniSection* stub = ini_section(localization, "LocalizationStub");
    if (!stub) return;
    // Ids are positions in the section, not key names. A line with an
    // empty key name is not counted but still takes a position; storing
    // only inside the table keeps such a line from overrunning it.
    size_t count = 0;
    for (const IniKey& k : stub->keys)
        if (!k.key.empty()) ++count;
    g_messages.resize(count + 1);
    size_t position = 0;
    for (const IniKey& k : stub->keys) {
        if (position < g_messages.size()) {
            std::string text = k.value;
            replace_all_nocase(&text, "<br>", "\r\n");
            g_messages[position].swap(text);
        }
        ++position;
    }
}

int messages_last_id() {
    return (int)g_messages.size() - 1;
}

const std::string& Message(int id) {
    static const std::string empty;
    if (id < 0 || (size_t)id >= g_messages.size()) return empty;
    return g_messages[(size_t)id];
}

void messages_substitute_app(const std::string& name, const std::string& version) {
    for (std::string& text : g_messages) {
        replace_all_nocase(&text, "$APPNAME$", name);
        replace_all_nocase(&text, "$APPVERSION$", version);
    }
}
