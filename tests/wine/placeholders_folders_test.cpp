// wine-versions: win98 winme nt40 win2k winxp vista
// Folder placeholders resolved by the real shell and registry, once per
// reported Windows version.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/files.h"
#include "platform/shell_folders.h"
#include "platform/system.h"
#include "script/placeholders.h"
#include "script/settings.h"

namespace {

std::string root() {
    return special_folder_query(16).substr(0, 3);
}

bool nine_x() {
    return os_version_code() == 30 || os_version_code() == 40;
}

TEST(Folders, VersionCodeIsTheOneReported) {
    // The wrapper names the version Wine reports; every branch below
    // depends on this process seeing it.
    char name[32] = "";
    GetEnvironmentVariableA("PW_WINE_VERSION", name, sizeof name);
    struct { const char* name; int code; } known[] = {
        {"win98", 30}, {"winme", 40}, {"nt40", 20}, {"win2k", 50}, {"winxp", 60}, {"vista", 70}};
    int want = 60;  // the wrapper's default
    for (auto& k : known)
        if (strcmp(name, k.name) == 0) want = k.code;
    EXPECT_EQ(want, os_version_code()) << name;
}

TEST(Folders, EveryShellPlaceholderGivesAFolder) {
    g_install_path = "C:\\Chosen\\";
    g_group_folder = "C:\\Group\\";
    const char* names[] = {"<ProgramFiles>", "<RootPartition>", "<Windows>", "<System>", "<AllUsersQuickLaunch>",
                           "<QuickLaunch>", "<AllUsersStartPrograms>", "<StartPrograms>", "<AllUsersDesktop>",
                           "<Desktop>", "<AllUsersStart>", "<Start>", "<AllUsersDocuments>", "<Documents>",
                           "<Temp>", "<DefaultInstallPath>", "<DefaultStartMenuGroup>"};
    for (const char* n : names) {
        std::string v = placeholders_expand(n);
        EXPECT_EQ(std::string::npos, v.find('<')) << n;
        ASSERT_FALSE(v.empty()) << n;
        EXPECT_EQ('\\', v[v.size() - 1]) << n << " = " << v;
        EXPECT_EQ(':', v[1]) << n << " = " << v;  // an absolute path on a drive
    }
    EXPECT_EQ(temp_directory(), placeholders_expand("<Temp>"));
    EXPECT_EQ("C:\\Chosen\\", special_folder_by_index(2));
    EXPECT_EQ("\\", special_folder_by_index(18));
}

TEST(Folders, AllUsersFoldersByVersion) {
    struct Pair {
        const char* all;
        const char* own;
    } pairs[] = {{"<AllUsersDesktop>", "<Desktop>"},
                 {"<AllUsersStartPrograms>", "<StartPrograms>"},
                 {"<AllUsersStart>", "<Start>"},
                 {"<AllUsersDocuments>", "<Documents>"},
                 {"<AllUsersQuickLaunch>", "<QuickLaunch>"}};
    for (const Pair& p : pairs) {
        if (nine_x())
            EXPECT_EQ(placeholders_expand(p.own), placeholders_expand(p.all)) << p.all;
        else
            EXPECT_NE(placeholders_expand(p.own), placeholders_expand(p.all)) << p.all;
    }
    EXPECT_EQ(special_folder_query(16), placeholders_expand("<Desktop>"));
    if (!nine_x()) EXPECT_EQ(special_folder_query(25), placeholders_expand("<AllUsersDesktop>"));
}

TEST(Folders, WindowsFoldersByVersion) {
    int code = os_version_code();
    std::string r = root();
    ASSERT_EQ(3u, r.size());
    if (code == 20) {
        EXPECT_EQ(r + "WINNT\\", placeholders_expand("<Windows>"));
        EXPECT_EQ(r + "WINNT\\System32\\", placeholders_expand("<System>"));
        EXPECT_EQ(r + "Games\\", placeholders_expand("<RootPartition>Games"));
        EXPECT_EQ(r + "Program Files\\", placeholders_expand("<ProgramFiles>"));
    } else if (nine_x()) {
        EXPECT_EQ(r + "WINDOWS\\", placeholders_expand("<Windows>"));
        EXPECT_EQ(r + "WINDOWS\\System32\\", placeholders_expand("<System>"));
        EXPECT_EQ(r + "Games\\", placeholders_expand("<RootPartition>Games"));
        EXPECT_EQ(r + "Program Files\\", placeholders_expand("<ProgramFiles>"));
    } else {
        std::string windows = special_folder_query(36);
        EXPECT_EQ(windows, placeholders_expand("<Windows>"));
        EXPECT_EQ(special_folder_query(37), placeholders_expand("<System>"));
        EXPECT_EQ(windows.substr(0, 3) + "Games", placeholders_expand("<RootPartition>Games"));
        EXPECT_EQ(special_folder_query(38), placeholders_expand("<ProgramFiles>"));
    }
    EXPECT_EQ(placeholders_expand("<ProgramFiles>") + "App", placeholders_expand("<programfiles>\\App"));
}

TEST(Folders, ShellFailureGivesTheEmptyText) {
    EXPECT_EQ("", special_folder_query(0x7F));
    EXPECT_EQ("", shell_folder_path(0x7F));
}

void set_command(HKEY root, const char* subkey, const char* command) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, subkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExA(key, nullptr, 0, REG_SZ, (const BYTE*)command, (DWORD)strlen(command) + 1);
    RegCloseKey(key);
}

TEST(ProgramRegistration, ReadsTheLocationOfThisVersion) {
    // The same three values in every run, so that runs for several
    // versions at once see the same registry.
    set_command(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe\\shell\\open\\command",
                "\"C:\\From Classes Root\\PureBasic.exe\" \"%1\"");
    set_command(HKEY_LOCAL_MACHINE, "Software\\Classes\\PureBasic.exe\\shell\\open\\command",
                "\"C:\\FromMachine\\Bin\\PureBasic.exe\" \"%1\"");
    set_command(HKEY_CURRENT_USER, "Software\\Classes\\PureBasic.exe\\shell\\open\\command",
                "\"C:\\FromUser\\PureBasic.exe\"");
    int code = os_version_code();
    const char* want = (code == 30 || code == 40) ? "C:\\FromMachine\\Bin\\"
                       : code >= 70                ? "C:\\FromUser\\"
                                                   : "C:\\From Classes Root\\";
    EXPECT_EQ(want, program_registration_folder());
    EXPECT_EQ(std::string(want) + "x", placeholders_expand("<PureBasic>x"));
    EXPECT_EQ(want, special_folder_by_index(5));
    std::string value;
    EXPECT_FALSE(registry_default_text(0x80000001u, "Software\\Packwright\\NoSuchKey", &value));
}

}  // namespace
