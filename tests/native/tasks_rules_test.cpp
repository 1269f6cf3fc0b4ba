// Portable rules of the task operations: AUTOEXEC.BAT lines, version
// branches, the registration tool's path and process-name matching.
#include <gtest/gtest.h>

#include "tasks/autoexec_lines.h"
#include "tasks/os_branches.h"
#include "tasks/path_parts.h"

TEST(TasksAutoexec, SetAppendsLineWithoutLineEnd) {
    bool existed = true;
    EXPECT_EQ("SET PW=1", autoexec_with_variable("", "PW", "1", &existed));
    EXPECT_FALSE(existed);
    // A last line without line end gets one; blanks around name and value go.
    EXPECT_EQ("@ECHO OFF\r\nPATH C:\\\r\nSET PW=a b", autoexec_with_variable("@ECHO OFF\r\nPATH C:\\", " PW ", " a b ",
                                                                             &existed));
    EXPECT_EQ("A\r\n\r\nB\r\nSET X=", autoexec_with_variable("A\r\n\r\nB\r\n", "X", "", &existed));
    EXPECT_EQ("set x=old\r\nSET X=new", autoexec_with_variable("set x=old", "X", "new", &existed));
    EXPECT_TRUE(existed);
}

TEST(TasksAutoexec, DeleteDropsMatchingLinesAndTrimsTheRest) {
    std::string text =
        "  @echo off  \r\n"
        "SET PW=1\r\n"
        "set pw = 2\r\n"
        "Set Pw\r\n"
        "SET  PW=kept, two blanks\r\n"
        "SET PWX=kept\r\n"
        "PATH PW=kept\r\n"
        "\r\n"
        "last PW=3";  // "last" has no "set", so it stays
    EXPECT_EQ(
        "@echo off\r\n"
        "SET  PW=kept, two blanks\r\n"
        "SET PWX=kept\r\n"
        "PATH PW=kept\r\n"
        "\r\n"
        "last PW=3\r\n",
        autoexec_without_variable(text, " pw "));
    EXPECT_EQ("", autoexec_without_variable("", "PW"));
    // Lines split at LF alone too; a lone CR inside a line stays.
    EXPECT_EQ(std::vector<std::string>({"a", "b\rc", "d"}), autoexec_lines("a\nb\rc\r\nd"));
}

TEST(TasksBranches, LayoutsAndStoresByVersionCode) {
    const int codes[] = {5, 10, 20, 30, 40, 50, 60, 65, 70, 75, 100};
    const bool assoc_root[] = {1, 0, 1, 0, 0, 1, 1, 1, 0, 0, 0};
    const bool disassoc_root[] = {1, 0, 1, 0, 0, 1, 1, 1, 1, 1, 1};
    const EnvironmentStore env[] = {kEnvRegistry, kEnvAutoexec, kEnvRegistry, kEnvAutoexec, kEnvAutoexec, kEnvRegistry,
                                    kEnvRegistry, kEnvRegistry, kEnvRegistry, kEnvRegistry, kEnvNotHandled};
    for (size_t i = 0; i < sizeof codes / sizeof codes[0]; ++i) {
        SCOPED_TRACE(codes[i]);
        EXPECT_EQ(assoc_root[i], associate_uses_classes_root(codes[i]));
        EXPECT_EQ(disassoc_root[i], disassociate_uses_classes_root(codes[i]));
        EXPECT_EQ(env[i], environment_store(codes[i]));
    }
    EXPECT_STREQ("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts", fonts_key(30));
    EXPECT_STREQ("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", fonts_key(60));
}

TEST(TasksBranches, RegistrationToolPath) {
    EXPECT_EQ("D:\\WINNT\\System32\\regsvr32.exe", regsvr32_path(20, "D:\\Profiles\\Desktop\\", "", ""));
    EXPECT_EQ("C:\\WINDOWS\\System\\regsvr32.exe", regsvr32_path(30, "C:\\Windows\\Desktop\\", "", ""));
    EXPECT_EQ("C:\\windows\\system32\\regsvr32.exe", regsvr32_path(60, "", "C:\\windows\\system32", ""));
    // No system folder: the folder of the command interpreter.
    EXPECT_EQ("C:\\WINNT\\system32\\regsvr32.exe", regsvr32_path(50, "", "", "C:\\WINNT\\system32\\cmd.exe"));
}

TEST(TasksProcesses, NameMatchesWholeTextOrFileNamePart) {
    std::string wanted = lower_ascii(trim_blanks("  Pw_Sleeper.EXE "));
    EXPECT_TRUE(process_name_matches("pw_sleeper.exe", wanted));
    EXPECT_TRUE(process_name_matches("C:\\Program Files\\App\\PW_SLEEPER.EXE", wanted));
    EXPECT_FALSE(process_name_matches("C:\\x\\pw_sleeper.exe.bak", wanted));
    EXPECT_FALSE(process_name_matches("other_pw_sleeper.exe", wanted));
    // A full path given as the name matches only that path.
    EXPECT_TRUE(process_name_matches("C:\\A\\tool.exe", "c:\\a\\tool.exe"));
    EXPECT_FALSE(process_name_matches("C:\\B\\tool.exe", "c:\\a\\tool.exe"));
}

TEST(TasksPaths, Parts) {
    EXPECT_EQ("C:\\App\\bin\\", folder_part("C:\\App\\bin\\tool.exe"));
    EXPECT_EQ("", folder_part("tool.exe"));
    EXPECT_EQ("tool.exe", file_name_part("C:\\App\\bin\\tool.exe"));
    EXPECT_TRUE(ends_with_lower("C:\\x\\Uninstall.LNK", ".lnk"));
    EXPECT_FALSE(ends_with_lower("C:\\x\\Uninstall", ".lnk"));
    EXPECT_FALSE(ends_with_lower("lnk", ".lnk"));
}
