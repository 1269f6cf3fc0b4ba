// Fonts, environment variables (the registry on NT, AUTOEXEC.BAT on
// Windows 98) and INI files against Wine's registry and file system.
// wine-versions: win98 winxp
#include <gtest/gtest.h>

#include "tasks/system_settings.h"
#include "tests/wine/tasks_support.h"

using namespace tasks_test;

namespace {

const char kEnvKey[] = "System\\CurrentControlSet\\Control\\Session Manager\\Environment";

bool nine_x() {
    return os_version_code() == 30;
}

TEST(Environment, RegistryValueOnNtWithNewOrExistingReport) {
    if (nine_x()) GTEST_SKIP() << "NT family";
    std::string name = "PW_TEST_" + run_suffix();
    bool was_new = false;
    EXPECT_EQ(1, set_environment_variable(name, " C:\\Some Path ", &was_new));
    EXPECT_TRUE(was_new);
    EXPECT_EQ(" C:\\Some Path ", text_value(HKEY_LOCAL_MACHINE, kEnvKey, name.c_str()));  // untrimmed
    // Setting it again (as for PATH, which every system has) reports an
    // existing variable, whose removal the uninstaller must not record.
    EXPECT_EQ(1, set_environment_variable(name, "second", &was_new));
    EXPECT_FALSE(was_new);
    EXPECT_EQ("second", text_value(HKEY_LOCAL_MACHINE, kEnvKey, name.c_str()));
    EXPECT_EQ(1, delete_environment_variable(name));
    EXPECT_EQ("<missing>", text_value(HKEY_LOCAL_MACHINE, kEnvKey, name.c_str()));
    EXPECT_EQ(0, delete_environment_variable(name));
    EXPECT_EQ(0, set_environment_variable("", "x", &was_new));
    EXPECT_FALSE(was_new);
}

class Autoexec : public testing::Test {
protected:
    std::string path = temp_directory().substr(0, 3) + "AUTOEXEC.BAT";
    std::string saved;
    bool had = false;
    void SetUp() override {
        if (!nine_x()) GTEST_SKIP() << "Windows 98";
        had = file_read_all(path, &saved);
        DeleteFileA(path.c_str());
    }
    void TearDown() override {
        if (!nine_x()) return;
        if (had) file_write_all(path, saved);
        else DeleteFileA(path.c_str());
    }
};

TEST_F(Autoexec, SetCreatesOrAppends) {
    bool was_new = false;
    EXPECT_EQ(1, set_environment_variable(" PWV ", " one ", &was_new));
    EXPECT_TRUE(was_new);
    EXPECT_EQ("SET PWV=one", file_text(path));

    file_write_all(path, "REM start\r\n@echo off");
    EXPECT_EQ(1, set_environment_variable("PWV", "two", &was_new));
    EXPECT_TRUE(was_new);
    EXPECT_EQ("REM start\r\n@echo off\r\nSET PWV=two", file_text(path));
    EXPECT_EQ(1, set_environment_variable("pwv", "three", &was_new));
    EXPECT_FALSE(was_new);
    EXPECT_EQ("REM start\r\n@echo off\r\nSET PWV=two\r\nSET pwv=three", file_text(path));
    // The registry is not touched on this system.
    EXPECT_EQ("<missing>", text_value(HKEY_LOCAL_MACHINE, kEnvKey, "PWV"));
}

TEST_F(Autoexec, DeleteDropsSetLinesAndTrimsTheRest) {
    file_write_all(path, "  @echo off  \r\nset pwv=1\r\nSet PWV = 2\r\nSET  PWV=3\r\n  PATH C:\\DOS  \r\nSET PWVX=4");
    EXPECT_EQ(1, delete_environment_variable("PWV"));
    EXPECT_EQ("@echo off\r\nSET  PWV=3\r\nPATH C:\\DOS\r\nSET PWVX=4\r\n", file_text(path));
}

TEST_F(Autoexec, OtherSystemsAreNotHandled) {
    file_write_all(path, "SET PWV=1");
    bool was_new = true;
    EXPECT_EQ(0, set_environment_variable("PWV", "2", &was_new, 100));
    EXPECT_FALSE(was_new);
    EXPECT_EQ(0, delete_environment_variable("PWV", 100));
    EXPECT_EQ("SET PWV=1", file_text(path));
    EXPECT_EQ("<missing>", text_value(HKEY_LOCAL_MACHINE, kEnvKey, "PWV"));
}

class IniFiles : public testing::Test {
protected:
    std::string dir = scratch_folder("pwini");
    std::string file = dir + "app.ini";
    void TearDown() override {
        folder_delete_tree(dir);
        EXPECT_FALSE(path_exists(dir));
    }
    std::string read(const char* group, const char* key) {
        char buf[256];
        GetPrivateProfileStringA(group, key, "<missing>", buf, sizeof buf, file.c_str());
        return buf;
    }
};

TEST_F(IniFiles, GroupsAndKeys) {
    // Creates the file and the group.
    EXPECT_NE(0, add_ini_key("Main", "Path", "C:\\App", dir + "new.ini"));
    file = dir + "new.ini";
    EXPECT_EQ("C:\\App", read("Main", "Path"));

    file_write_all(dir + "app.ini", "[Main]\r\na=1\r\nb=2\r\n[Other]\r\nc=3\r\n");
    file = dir + "app.ini";
    // Adding an existing group empties it but keeps it.
    EXPECT_NE(0, add_ini_group("Main", file));
    EXPECT_EQ("<missing>", read("Main", "a"));
    EXPECT_EQ("3", read("Other", "c"));
    EXPECT_NE(std::string::npos, file_text(file).find("[Main]"));

    EXPECT_NE(0, add_ini_key("Main", "a", "new", file));
    EXPECT_EQ("new", read("Main", "a"));
    EXPECT_NE(0, remove_ini_key("Main", "a", file));
    EXPECT_EQ("<missing>", read("Main", "a"));
    EXPECT_NE(0, remove_ini_group("Other", file));
    EXPECT_EQ("<missing>", read("Other", "c"));
    EXPECT_EQ(std::string::npos, file_text(file).find("[Other]"));
}

TEST_F(IniFiles, RemoveKeyWithAnEmptyGroup) {
    // The task engine does not test the group of a key removal: an empty
    // group must not reach the keys of a named one.
    file_write_all(file, "[Main]\r\nk=1\r\n");
    int result = remove_ini_key("", "k", file);
    EXPECT_EQ("1", read("Main", "k"));
    EXPECT_EQ("[Main]\r\nk=1\r\n", file_text(file)) << "result " << result;
}

class Fonts : public testing::Test {
protected:
    std::string dir = scratch_folder("pwfont");
    std::string fonts_folder, copy_name = "pwfont" + run_suffix() + ".ttf";
    std::string key = nine_x() ? "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts"
                               : "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
    std::string font_name = "Packwright Test " + run_suffix() + " (TrueType)";
    void SetUp() override {
        char windir[MAX_PATH];
        GetEnvironmentVariableA("windir", windir, sizeof windir);
        fonts_folder = std::string(windir) + "\\Fonts\\";
    }
    void TearDown() override {
        RemoveFontResourceA((dir + copy_name).c_str());
        DeleteFileA((fonts_folder + copy_name).c_str());
        HKEY k;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS, &k) == ERROR_SUCCESS) {
            RegDeleteValueA(k, font_name.c_str());
            RegCloseKey(k);
        }
        folder_delete_tree(dir);
        EXPECT_FALSE(path_exists(dir));
    }
};

TEST_F(Fonts, InstallCopiesAndRecords) {
    // A font of the Linux machine, reached through Wine's Z: drive.
    const char* source = "Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf";
    if (!path_exists(source)) GTEST_SKIP() << "no DejaVu font on this machine (package fonts-dejavu-core)";
    ASSERT_TRUE(CopyFileA(source, (dir + copy_name).c_str(), FALSE));
    EXPECT_EQ(1, install_font(dir + copy_name, font_name));
    EXPECT_TRUE(path_exists(fonts_folder + copy_name));
    EXPECT_EQ(copy_name, text_value(HKEY_LOCAL_MACHINE, key, font_name.c_str()));
}

TEST_F(Fonts, RejectedFontCopiesAndRecordsNothing) {
    file_write_all(dir + copy_name, "this is no font");
    EXPECT_EQ(0, install_font(dir + copy_name, font_name));
    EXPECT_FALSE(path_exists(fonts_folder + copy_name));
    EXPECT_EQ("<missing>", text_value(HKEY_LOCAL_MACHINE, key, font_name.c_str()));
}

}  // namespace
