// Reading the install script, the statistics file and a language file
// from the real file system (the paths that do not end the process).
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/files.h"
#include "script/install_script.h"
#include "script/messages.h"
#include "script/settings.h"
#include "startup/package_files.h"

namespace {

TEST(ScriptFiles, ReadOnlyScriptIsReadThenDeleted) {
    std::string dir = working_folder_create();
    ASSERT_FALSE(dir.empty());
    ASSERT_TRUE(file_write_all(dir + "Lang.ini", "[LocalizationStub]\r\n0=Error\r\n1=Hello $AppName$ $APPVERSION$<br>!\r\n"
                                                 "[LocalizationUninstall]\r\n0=Bye $APPNAME$\r\n"));
    localization_load(dir + "Lang.ini");
    ASSERT_TRUE(file_write_all(dir + "Script.ini", "\xEF\xBB\xBF[GeneralInformation]\rAppName=Tool\rVersion=3\r"
                                                   "[InstTasks]\r; note\rB=two\rA=one\r"));
    ASSERT_TRUE(file_set_attributes(dir + "Script.ini", FILE_ATTRIBUTE_READONLY));
    install_script_read(dir + "Script.ini");
    EXPECT_FALSE(path_exists(dir + "Script.ini"));
    EXPECT_EQ("Tool", g_script.GeneralInformation.AppName);
    ASSERT_EQ(2u, g_install_tasks.size());
    EXPECT_EQ("B", g_install_tasks[0].name);
    EXPECT_EQ("Hello Tool 3\r\n!", Message(1));
    ASSERT_EQ(1u, g_uninstall_messages.size());
    EXPECT_EQ("Bye $APPNAME$", g_uninstall_messages[0].value);
    folder_delete_tree(dir);
}

TEST(ScriptFiles, StatisticsFileGivesTheRequiredSpace) {
    std::string dir = working_folder_create();
    ASSERT_FALSE(dir.empty());
    ASSERT_TRUE(file_write_all(dir + "Statistics.ini", std::string("\xcd\x0e\x0e\x00\x00\x00\x00\x00", 8)));
    EXPECT_EQ(921293u, statistics_read(dir + "Statistics.ini"));
    ASSERT_TRUE(file_write_all(dir + "Big.ini", std::string("\x00\x00\x00\x00\x01\x00\x00\x00\xff", 9)));
    EXPECT_EQ(0x100000000ull, statistics_read(dir + "Big.ini"));
    folder_delete_tree(dir);
}

}  // namespace
