#include "script/script_settings.h"

#include "script/numbers.h"
#include "script/settings.h"

ScriptSettings g_script;
std::vector<TaskEntry> g_install_tasks;
std::vector<TaskEntry> g_uninstall_tasks;

// A number key: missing keys are converted from their default text.
static int32_t number(const IniFile& ini, const char* section, const char* key, const char* def) {
    return read_number(ini_read(ini, section, key, def));
}

static void read_tasks(const IniFile& ini, const char* section, std::vector<TaskEntry>* list) {
    list->clear();
    const IniSection* s = ini_section(ini, section);
    if (!s) return;
    for (const IniKey& k : s->keys) list->push_back({k.key, k.value});
}

void script_settings_read(const IniFile& ini) {
    auto& g = g_script.GeneralInformation;
    const char* sec = "GeneralInformation";
    g.AppName = ini_read(ini, sec, "AppName", "");
    g.Version = ini_read(ini, sec, "Version", "");
    g.CompanyName = ini_read(ini, sec, "CompanyName", "");
    g.Website = ini_read(ini, sec, "Website", "");
    g.Email = ini_read(ini, sec, "Email", "");
    g.W98 = ini_read(ini, sec, "W98", "");
    g.WME = ini_read(ini, sec, "WME", "");
    g.WNT = ini_read(ini, sec, "WNT", "");
    g.W2K = ini_read(ini, sec, "W2K", "");
    g.WXP = ini_read(ini, sec, "WXP", "");
    g.WSV2003 = ini_read(ini, sec, "WSV2003", "");
    g.WV = ini_read(ini, sec, "WV", "");
    g.WSV2008 = ini_read(ini, sec, "WSV2008", "");
    g.DotNet = ini_read(ini, sec, "DotNet", "");
    g.RunIfDepNotFound = ini_read(ini, sec, "RunIfDepNotFound", "");

    auto& l = g_script.Look;
    sec = "Look";
    l.HeaderTextColour = number(ini, sec, "HeaderTextColour", "");
    l.UseBackgroundWindow = number(ini, sec, "UseBackgroundWindow", "0");
    l.BFirstColorR = number(ini, sec, "BFirstColorR", "0");
    l.BFirstColorG = number(ini, sec, "BFirstColorG", "0");
    l.BFirstColorB = number(ini, sec, "BFirstColorB", "0");
    l.BSecondColorR = number(ini, sec, "BSecondColorR", "0");
    l.BSecondColorG = number(ini, sec, "BSecondColorG", "0");
    l.BSecondColorB = number(ini, sec, "BSecondColorB", "0");
    l.BTextColorR = number(ini, sec, "BTextColorR", "0");
    l.BTextColorG = number(ini, sec, "BTextColorG", "0");
    l.BTextColorB = number(ini, sec, "BTextColorB", "0");
    l.BHorizontal = number(ini, sec, "BHorizontal", "1");
    l.BVertical = number(ini, sec, "BVertical", "0");
    l.BText = ini_read(ini, sec, "BText", "0");

    auto& f = g_script.FilesAndSettings;
    f.RequireReadme = ini_read(ini, "FilesAndSettings", "RequireReadme", "");
    f.RequireLicense = ini_read(ini, "FilesAndSettings", "RequireLicense", "");

    read_tasks(ini, "InstTasks", &g_install_tasks);
    read_tasks(ini, "UninstTasks", &g_uninstall_tasks);

    auto& u = g_script.uConfig;
    sec = "uConfig";
    u.RebootRequired = number(ini, sec, "RebootRequired", "0");
    u.SkipExtString = ini_read(ini, sec, "SkipExtString", "");
    u.IconExtUninst = number(ini, sec, "IconExtUninst", "0");
    u.IconExtCustom = number(ini, sec, "IconExtCustom", "0");
    u.IconExtPath = ini_read(ini, sec, "IconExtPath", "");
    u.IconExtIndex = number(ini, sec, "IconExtIndex", "0");
    u.CreateUninstaller = number(ini, sec, "CreateUninstaller", "0");

    auto& i = g_script.iConfig;
    sec = "iConfig";
    i.RebootRequired = number(ini, sec, "RebootRequired", "0");
    i.PathChangeable = number(ini, sec, "PathChangeable", "0");
    i.DefaultPath = ini_read(ini, sec, "DefaultPath", "");
    i.AutoCreateStartMenu = number(ini, sec, "AutoCreateStartMenu", "0");
    i.CreateInternetLink = number(ini, sec, "CreateInternetLink", "");
    i.CreateUninstallLink = number(ini, sec, "CreateUninstallLink", "0");
    i.ForceGroupCreation = number(ini, sec, "ForceGroupCreation", "0");
}

bool statistics_size_from(const std::string& data, uint64_t* size) {
    if (data.size() < 8) return false;
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | (unsigned char)data[(size_t)i];
    *size = v;
    return true;
}
