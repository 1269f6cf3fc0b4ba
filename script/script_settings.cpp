#include "script/script_settings.h"

#include "script/numbers.h"
#include "script/settings.h"

ScriptSettings g_script;
std::vector<TaskEntry> g_install_tasks;
std::vector<TaskEntry> g_uninstall_tasks;

// One key of the script: a text kept as read, or a number converted from
// the value (a missing key from its default text). A table rather than a
// call per key keeps the installer small.
struct ScriptKey {
    const char* section;
    const char* key;
    const char* def;
    std::string* text;  // set for texts and flag texts
    int32_t* number;    // set for numbers
};

#define PW_TEXT(sec, key, def) {#sec, #key, def, &g_script.sec.key, nullptr}
#define PW_NUMBER(sec, key, def) {#sec, #key, def, nullptr, &g_script.sec.key}

// In the order the script is read; the task lists come between
// [FilesAndSettings] and [uConfig].
static const ScriptKey kKeys[] = {
    PW_TEXT(GeneralInformation, AppName, ""), PW_TEXT(GeneralInformation, Version, ""),
    PW_TEXT(GeneralInformation, CompanyName, ""), PW_TEXT(GeneralInformation, Website, ""),
    PW_TEXT(GeneralInformation, Email, ""), PW_TEXT(GeneralInformation, W98, ""),
    PW_TEXT(GeneralInformation, WME, ""), PW_TEXT(GeneralInformation, WNT, ""),
    PW_TEXT(GeneralInformation, W2K, ""), PW_TEXT(GeneralInformation, WXP, ""),
    PW_TEXT(GeneralInformation, WSV2003, ""), PW_TEXT(GeneralInformation, WV, ""),
    PW_TEXT(GeneralInformation, WSV2008, ""), PW_TEXT(GeneralInformation, DotNet, ""),
    PW_TEXT(GeneralInformation, RunIfDepNotFound, ""),
    PW_NUMBER(Look, HeaderTextColour, ""), PW_NUMBER(Look, UseBackgroundWindow, "0"),
    PW_NUMBER(Look, BFirstColorR, "0"), PW_NUMBER(Look, BFirstColorG, "0"), PW_NUMBER(Look, BFirstColorB, "0"),
    PW_NUMBER(Look, BSecondColorR, "0"), PW_NUMBER(Look, BSecondColorG, "0"), PW_NUMBER(Look, BSecondColorB, "0"),
    PW_NUMBER(Look, BTextColorR, "0"), PW_NUMBER(Look, BTextColorG, "0"), PW_NUMBER(Look, BTextColorB, "0"),
    PW_NUMBER(Look, BHorizontal, "1"), PW_NUMBER(Look, BVertical, "0"), PW_TEXT(Look, BText, "0"),
    PW_TEXT(FilesAndSettings, RequireReadme, ""), PW_TEXT(FilesAndSettings, RequireLicense, ""),
    PW_NUMBER(uConfig, RebootRequired, "0"), PW_TEXT(uConfig, SkipExtString, ""),
    PW_NUMBER(uConfig, IconExtUninst, "0"), PW_NUMBER(uConfig, IconExtCustom, "0"),
    PW_TEXT(uConfig, IconExtPath, ""), PW_NUMBER(uConfig, IconExtIndex, "0"),
    PW_NUMBER(uConfig, CreateUninstaller, "0"),
    PW_NUMBER(iConfig, RebootRequired, "0"), PW_NUMBER(iConfig, PathChangeable, "0"),
    PW_TEXT(iConfig, DefaultPath, ""), PW_NUMBER(iConfig, AutoCreateStartMenu, "0"),
    PW_NUMBER(iConfig, CreateInternetLink, ""), PW_NUMBER(iConfig, CreateUninstallLink, "0"),
    PW_NUMBER(iConfig, ForceGroupCreation, "0"),
};

#undef PW_TEXT
#undef PW_NUMBER

static void read_tasks(const IniFile& ini, const char* section, std::vector<TaskEntry>* list) {
    list->clear();
    const IniSection* s = ini_section(ini, section);
    if (!s) return;
    for (const IniKey& k : s->keys) list->push_back({k.key, k.value});
}

void script_settings_read(const IniFile& ini) {
    for (const ScriptKey& k : kKeys) {
        if (k.number == &g_script.uConfig.RebootRequired) {  // the first key after the lists
            read_tasks(ini, "InstTasks", &g_install_tasks);
            read_tasks(ini, "UninstTasks", &g_uninstall_tasks);
        }
        std::string value = ini_read(ini, k.section, k.key, k.def);
        if (k.text) k.text->swap(value);
        else *k.number = read_number(value);
    }
}

bool statistics_size_from(const std::string& data, uint64_t* size) {
    if (data.size() < 8) return false;
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | (unsigned char)data[(size_t)i];
    *size = v;
    return true;
}
