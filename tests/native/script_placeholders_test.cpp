// Placeholder passes over texts, with the machine's folders given by a
// table, for every operating-system version code.
#include <gtest/gtest.h>

#include <map>

#include "script/placeholder_passes.h"
#include "script/placeholders.h"
#include "script/settings.h"

static std::map<int, std::string> g_fake_shell;
static std::string g_fake_registration;

static std::string fake_shell(int csidl) {
    auto it = g_fake_shell.find(csidl);
    return it == g_fake_shell.end() ? std::string() : it->second;
}
static std::string fake_registration() { return g_fake_registration; }
static std::string fake_temp() { return "T:\\Tmp\\"; }

class Placeholders : public ::testing::Test {
protected:
    void SetUp() override {
        g_fake_shell = {
            {16, "D:\\Me\\Desktop\\"}, {38, "E:\\Progs\\"},     {36, "F:\\Win\\"},       {37, "F:\\Win\\Sys\\"},
            {26, "D:\\Me\\AppData\\"}, {35, "D:\\All\\AppData\\"}, {2, "D:\\Me\\Programs\\"}, {23, "D:\\All\\Programs\\"},
            {25, "D:\\All\\Desktop\\"}, {11, "D:\\Me\\Start\\"}, {22, "D:\\All\\Start\\"},   {5, "D:\\Me\\Docs\\"},
            {46, "D:\\All\\Docs\\"}};
        g_fake_registration = "R:\\PB\\";
        g_install_path = "I:\\App\\";
        g_group_folder = "G:\\Grp\\";
        g_script = ScriptSettings();
        g_script.GeneralInformation.AppName = "App";
        g_script.GeneralInformation.Version = "1.0";
        g_script.GeneralInformation.CompanyName = "Co";
        g_script.GeneralInformation.Website = "http://w";
        g_script.GeneralInformation.Email = "m@w";
    }
    static FolderSource on(int code) { return {code, fake_shell, fake_registration, fake_temp}; }
};

TEST_F(Placeholders, EveryFolderRowForEveryVersionCode) {
    const std::string ql = "Microsoft\\Internet Explorer\\Quick Launch\\";
    // Expected values by kind of code: 98/ME, NT 4, NT 3.x and 95, 2000 and later.
    struct Row {
        const char* name;
        std::string nine_x, nt4, other_old, modern;
    } rows[] = {
        {"<ProgramFiles>", "D:\\Program Files\\", "D:\\Program Files\\", "D:\\Program Files\\", "E:\\Progs\\"},
        {"<RootPartition>", "D:\\", "D:\\", "D:\\", "F:\\"},
        {"<Windows>", "D:\\WINDOWS\\", "D:\\WINNT\\", "F:\\Win\\", "F:\\Win\\"},
        {"<System>", "D:\\WINDOWS\\System32\\", "D:\\WINNT\\System32\\", "F:\\Win\\Sys\\", "F:\\Win\\Sys\\"},
        {"<PureBasic>", "R:\\PB\\", "R:\\PB\\", "R:\\PB\\", "R:\\PB\\"},
        {"<AllUsersQuickLaunch>", "D:\\Me\\AppData\\" + ql, "D:\\All\\AppData\\" + ql, "D:\\All\\AppData\\" + ql,
         "D:\\All\\AppData\\" + ql},
        {"<QuickLaunch>", "D:\\Me\\AppData\\" + ql, "D:\\Me\\AppData\\" + ql, "D:\\Me\\AppData\\" + ql,
         "D:\\Me\\AppData\\" + ql},
        {"<AllUsersStartPrograms>", "D:\\Me\\Programs\\", "D:\\All\\Programs\\", "D:\\All\\Programs\\",
         "D:\\All\\Programs\\"},
        {"<StartPrograms>", "D:\\Me\\Programs\\", "D:\\Me\\Programs\\", "D:\\Me\\Programs\\", "D:\\Me\\Programs\\"},
        {"<AllUsersDesktop>", "D:\\Me\\Desktop\\", "D:\\All\\Desktop\\", "D:\\All\\Desktop\\", "D:\\All\\Desktop\\"},
        {"<Desktop>", "D:\\Me\\Desktop\\", "D:\\Me\\Desktop\\", "D:\\Me\\Desktop\\", "D:\\Me\\Desktop\\"},
        {"<AllUsersStart>", "D:\\Me\\Start\\", "D:\\All\\Start\\", "D:\\All\\Start\\", "D:\\All\\Start\\"},
        {"<Start>", "D:\\Me\\Start\\", "D:\\Me\\Start\\", "D:\\Me\\Start\\", "D:\\Me\\Start\\"},
        {"<AllUsersDocuments>", "D:\\Me\\Docs\\", "D:\\All\\Docs\\", "D:\\All\\Docs\\", "D:\\All\\Docs\\"},
        {"<Documents>", "D:\\Me\\Docs\\", "D:\\Me\\Docs\\", "D:\\Me\\Docs\\", "D:\\Me\\Docs\\"},
        {"<Temp>", "T:\\Tmp\\", "T:\\Tmp\\", "T:\\Tmp\\", "T:\\Tmp\\"},
        {"<DefaultInstallPath>", "I:\\App\\", "I:\\App\\", "I:\\App\\", "I:\\App\\"},
        {"<DefaultStartMenuGroup>", "G:\\Grp\\", "G:\\Grp\\", "G:\\Grp\\", "G:\\Grp\\"},
    };
    const int codes[] = {5, 10, 20, 30, 40, 50, 60, 65, 70, 75, 100};
    for (int code : codes) {
        for (const Row& r : rows) {
            const std::string& want = (code == 30 || code == 40) ? r.nine_x
                                      : code == 20               ? r.nt4
                                      : code < 50                ? r.other_old
                                                                 : r.modern;
            EXPECT_EQ(want, folder_pass(r.name, on(code))) << r.name << " code " << code;
            // Joined with a name: one backslash between (and a final one
            // after the root placeholder before Windows 2000).
            bool root_rule = code < 50 && std::string(r.name) == "<RootPartition>";
            EXPECT_EQ(want + (root_rule ? "x\\" : "x"), expand_placeholders(std::string(r.name) + "\\x", on(code)))
                << r.name << " code " << code;
        }
    }
}

TEST_F(Placeholders, LetterCaseJoinsAndRepeatedPlaceholders) {
    EXPECT_EQ("E:\\Progs\\name", expand_placeholders("<programfiles>name", on(60)));
    EXPECT_EQ("E:\\Progs\\name", expand_placeholders("<ProgramFiles>\\name", on(60)));
    EXPECT_EQ("T:\\Tmp\\a;T:\\Tmp\\b", expand_placeholders("<TEMP>a;<temp>b", on(60)));
    EXPECT_EQ("App 1.0 Co http://w m@w", expand_placeholders("<ProgramName> <programversion> <CompanyName> "
                                                             "<CompanyWebsite> <SupportEmail>", on(60)));
    // The message-text tokens are no placeholders.
    EXPECT_EQ("$APPNAME$ $APPVERSION$", expand_placeholders("$APPNAME$ $APPVERSION$", on(60)));
    EXPECT_EQ("<Unknown> a > b", expand_placeholders("<Unknown> a > b", on(60)));
}

TEST_F(Placeholders, EmptyValuesLeaveThePlaceholder) {
    g_install_path.clear();
    g_script.GeneralInformation.AppName.clear();
    EXPECT_EQ("<DefaultInstallPath>\\x", expand_placeholders("<DefaultInstallPath>\\x", on(60)));
    EXPECT_EQ("<ProgramName>", placeholders_text_pass("<ProgramName>"));
    g_fake_shell.clear();
    g_fake_registration.clear();
    EXPECT_EQ("<Desktop>", expand_placeholders("<Desktop>", on(60)));
    EXPECT_EQ("<PureBasic>", expand_placeholders("<PureBasic>", on(60)));
    // Except where the table adds a fixed name to the empty folder.
    EXPECT_EQ("Microsoft\\Internet Explorer\\Quick Launch\\", expand_placeholders("<QuickLaunch>", on(60)));
    EXPECT_EQ("WINNT\\", expand_placeholders("<Windows>", on(20)));
}

TEST_F(Placeholders, RootPartitionTrailingBackslashBefore2000Only) {
    EXPECT_EQ("D:\\Games\\", expand_placeholders("<RootPartition>Games", on(20)));
    EXPECT_EQ("D:\\Games\\", expand_placeholders("<RootPartition>Games", on(30)));
    EXPECT_EQ("F:\\Games", expand_placeholders("<RootPartition>Games", on(60)));
    // The rule looks at the whole text after the replacement.
    EXPECT_EQ("x D:\\y\\", folder_pass("x <rootpartition>y", on(40)));
    EXPECT_EQ("no root", folder_pass("no root", on(40)));
}

TEST_F(Placeholders, ValuesHoldingPlaceholdersAndTheSixteenPasses) {
    g_install_path = "<ProgramFiles>MyApp\\";
    EXPECT_EQ("E:\\Progs\\MyApp\\bin", expand_placeholders("<DefaultInstallPath>bin", on(60)));
    // One pass replaces each placeholder once: a lone ">" runs them all.
    EXPECT_EQ("a > b", expand_placeholders("a > b", on(60)));
    EXPECT_EQ("<", expand_placeholders("<", on(60)));
    // A value that brings its own placeholder back grows by one step per
    // pass: sixteen passes, then the expansion stops.
    g_script.GeneralInformation.AppName = "x<ProgramName>";
    EXPECT_EQ(std::string(16, 'x') + "<ProgramName>", expand_placeholders("<ProgramName>", on(60)));
}

TEST_F(Placeholders, RunawayGrowthStopsAtTheLimit) {
    g_install_path = "<DefaultInstallPath><DefaultInstallPath><DefaultInstallPath><DefaultInstallPath>";
    std::string out = expand_placeholders("<DefaultInstallPath>", on(60));
    EXPECT_LE(out.size(), kExpansionLimit);
    EXPECT_NE(std::string::npos, out.find("<DefaultInstallPath>"));
}

TEST_F(Placeholders, BackslashCollapseKeepsNetworkPaths) {
    EXPECT_EQ("a\\b", backslash_collapse("a\\\\b"));
    EXPECT_EQ("a\\\\b", backslash_collapse("a\\\\\\b"));    // three become two
    EXPECT_EQ("a\\\\b", backslash_collapse("a\\\\\\\\b"));  // four become two
    EXPECT_EQ("\\\\server\\share\\x", backslash_collapse("\\\\server\\share\\\\x"));
    EXPECT_EQ("\\\\server", backslash_collapse("\\\\\\server"));
    EXPECT_EQ("\\x", backslash_collapse("\\x"));
    EXPECT_EQ("\\", backslash_collapse("\\"));
    EXPECT_EQ("", backslash_collapse(""));
    g_install_path = "\\\\server\\apps\\";
    EXPECT_EQ("\\\\server\\apps\\App\\run.exe", expand_placeholders("<DefaultInstallPath>\\<ProgramName>\\run.exe", on(60)));
}

TEST_F(Placeholders, SpecialFolderByIndex) {
    EXPECT_EQ("E:\\Progs\\", folder_by_index(0, on(60)));
    EXPECT_EQ("F:\\", folder_by_index(1, on(60)));
    EXPECT_EQ("I:\\App\\", folder_by_index(2, on(60)));
    EXPECT_EQ("D:\\WINNT\\", folder_by_index(3, on(20)));
    EXPECT_EQ("D:\\All\\Programs\\", folder_by_index(8, on(60)));
    EXPECT_EQ("D:\\Me\\Programs\\", folder_by_index(8, on(30)));
    EXPECT_EQ("G:\\Grp\\", folder_by_index(17, on(60)));
    EXPECT_EQ("\\", folder_by_index(18, on(60)));
    EXPECT_EQ("\\", folder_by_index(-1, on(60)));
    g_group_folder = "G:\\NoSlash";
    EXPECT_EQ("G:\\NoSlash\\", folder_by_index(17, on(60)));
    g_install_path.clear();
    EXPECT_EQ("<DefaultInstallPath>\\", folder_by_index(2, on(60)));
    // No collapse and no text pass here.
    g_group_folder = "G:\\\\<ProgramName>";
    EXPECT_EQ("G:\\\\<ProgramName>\\", folder_by_index(17, on(60)));
}

TEST(ProgramRegistration, KeyByVersionCodeAndQuotedFolder) {
    for (int code : {5, 20, 50, 60, 65}) EXPECT_EQ(0x80000000u, registration_key(code).root) << code;
    for (int code : {10, 30, 40}) EXPECT_EQ(0x80000002u, registration_key(code).root) << code;
    for (int code : {70, 75, 100}) EXPECT_EQ(0x80000001u, registration_key(code).root) << code;
    EXPECT_STREQ("Applications\\PureBasic.exe\\shell\\open\\command", registration_key(60).subkey);
    EXPECT_STREQ("Software\\Classes\\PureBasic.exe\\shell\\open\\command", registration_key(30).subkey);

    EXPECT_EQ("C:\\Program Files\\PB\\", registration_folder_from("\"C:\\Program Files\\PB\\PureBasic.exe\" \"%1\""));
    EXPECT_EQ("C:\\PB\\", registration_folder_from("\"C:\\PB\\PureBasic.exe"));  // unclosed quote
    EXPECT_EQ("", registration_folder_from("C:\\PB\\PureBasic.exe %1"));         // no quoted path
    EXPECT_EQ("", registration_folder_from("\"PureBasic.exe\" \"C:\\x\\%1\""));  // no folder in it
    EXPECT_EQ("", registration_folder_from(""));
}

TEST(ShellPaths, TrailingBackslashAndSpaces) {
    EXPECT_EQ("C:\\x\\", shell_path_finish("C:\\x"));
    EXPECT_EQ("C:\\", shell_path_finish("C:\\"));
    EXPECT_EQ("C:\\x\\", shell_path_finish("  C:\\x\\"));
    EXPECT_EQ("", shell_path_finish(""));
}
