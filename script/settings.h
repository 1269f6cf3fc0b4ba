// Process-wide settings read from the install script, and its two task
// lists. Field names are the script's key names; numbers are already
// converted, texts and flag texts are kept as read.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TaskEntry {
    std::string name;  // the key in [InstTasks] / [UninstTasks]
    std::string line;  // the task line
};

struct ScriptSettings {
    struct {
        std::string AppName, Version, CompanyName, Website, Email;
        std::string W98, WME, WNT, W2K, WXP, WSV2003, WV, WSV2008;  // flag texts
        std::string DotNet;                                         // flag text
        std::string RunIfDepNotFound;
    } GeneralInformation;
    struct {
        int32_t HeaderTextColour;
        int32_t UseBackgroundWindow;
        int32_t BFirstColorR, BFirstColorG, BFirstColorB;
        int32_t BSecondColorR, BSecondColorG, BSecondColorB;
        int32_t BTextColorR, BTextColorG, BTextColorB;
        int32_t BHorizontal, BVertical;
        std::string BText;
    } Look;
    struct {
        std::string RequireReadme, RequireLicense;  // flag texts
    } FilesAndSettings;
    struct {
        int32_t RebootRequired;
        std::string SkipExtString;
        int32_t IconExtUninst, IconExtCustom;
        std::string IconExtPath;
        int32_t IconExtIndex;
        int32_t CreateUninstaller;
    } uConfig;
    struct {
        int32_t RebootRequired;
        int32_t PathChangeable;
        std::string DefaultPath;
        int32_t AutoCreateStartMenu;  // the wizard changes it (opt-out box)
        int32_t CreateInternetLink, CreateUninstallLink, ForceGroupCreation;
    } iConfig;
};

extern ScriptSettings g_script;
extern std::vector<TaskEntry> g_install_tasks;
extern std::vector<TaskEntry> g_uninstall_tasks;
