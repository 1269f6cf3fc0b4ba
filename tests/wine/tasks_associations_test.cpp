// Extension association in both registry layouts, as Wine reports XP
// (code 60) and Vista (code 70) to this program.
// wine-versions: winxp vista
#include <gtest/gtest.h>

#include "tasks/associations.h"
#include "tests/wine/tasks_support.h"

using namespace tasks_test;

namespace {

const char kFileExts[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.";

// Copies every value and subkey of src into dst (created when missing).
void copy_tree(HKEY src_root, const std::string& src, HKEY dst_root, const std::string& dst) {
    HKEY s, d;
    if (RegOpenKeyExA(src_root, src.c_str(), 0, KEY_READ, &s) != ERROR_SUCCESS) return;
    if (RegCreateKeyExA(dst_root, dst.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &d, nullptr) == ERROR_SUCCESS) {
        char name[512];
        BYTE data[4096];
        for (DWORD i = 0;; ++i) {
            DWORD nlen = sizeof name, dlen = sizeof data, type;
            if (RegEnumValueA(s, i, name, &nlen, nullptr, &type, data, &dlen) != ERROR_SUCCESS) break;
            RegSetValueExA(d, name, 0, type, data, dlen);
        }
        for (DWORD i = 0;; ++i) {
            DWORD nlen = sizeof name;
            if (RegEnumKeyExA(s, i, name, &nlen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            copy_tree(s, name, d, name);
        }
        RegCloseKey(d);
    }
    RegCloseKey(s);
}

// Keeps the machine's own association of an extension across a test.
struct ClassBackup {
    std::string ext_key, backup;
    bool had;
    explicit ClassBackup(const std::string& ext)
        : ext_key("Software\\Classes\\." + ext), backup("Software\\PackwrightTest\\Backup" + run_suffix()) {
        had = key_exists(HKEY_LOCAL_MACHINE, ext_key);
        if (had) copy_tree(HKEY_LOCAL_MACHINE, ext_key, HKEY_CURRENT_USER, backup);
    }
    ~ClassBackup() {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, ext_key.c_str());
        if (had) copy_tree(HKEY_CURRENT_USER, backup, HKEY_LOCAL_MACHINE, ext_key);
        RegDeleteTreeA(HKEY_CURRENT_USER, backup.c_str());
        test_root_release();
    }
};

TEST(Associations, ClassesRootLayoutOnXp) {
    if (os_version_code() != 60) GTEST_SKIP() << "XP layout";
    ClassBackup keep("txt");
    ASSERT_FALSE(key_exists(HKEY_CLASSES_ROOT, "Applications\\Viewer.exe"));
    ASSERT_FALSE(key_exists(HKEY_CURRENT_USER, std::string(kFileExts) + "txt"));

    EXPECT_EQ(1, associate("txt", "Text document", "C:\\Apps\\Viewer.exe", "C:\\Apps\\Viewer.exe,0"));
    EXPECT_EQ("\"C:\\Apps\\Viewer.exe\" \"%1\"",
              text_value(HKEY_CLASSES_ROOT, "Applications\\Viewer.exe\\shell\\open\\command", ""));
    EXPECT_EQ("txt_auto_file", text_value(HKEY_CLASSES_ROOT, ".txt", ""));
    EXPECT_EQ("Text document", text_value(HKEY_CLASSES_ROOT, "txt_auto_file", ""));
    EXPECT_EQ("C:\\Apps\\Viewer.exe,0", text_value(HKEY_CLASSES_ROOT, "txt_auto_file\\DefaultIcon", ""));
    EXPECT_EQ("Viewer.exe", text_value(HKEY_CURRENT_USER, std::string(kFileExts) + "txt", "Application"));
    // Nothing of the other layout.
    EXPECT_FALSE(key_exists(HKEY_LOCAL_MACHINE, "Software\\Classes\\Viewer.exe"));

    EXPECT_EQ(1, disassociate("txt", "Viewer.exe"));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "Applications\\Viewer.exe"));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, ".txt"));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "txt_auto_file"));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, std::string(kFileExts) + "txt"));
}

TEST(Associations, EmptyDescriptionWritesOnlyCommandAndExplorerRecord) {
    if (os_version_code() != 60) GTEST_SKIP() << "XP layout";
    std::string ext = "pwempty" + run_suffix(), program = "Empty" + run_suffix() + ".exe";
    EXPECT_EQ(1, associate(ext, "", "C:\\Apps\\" + program, "C:\\Apps\\" + program + ",2"));
    EXPECT_TRUE(key_exists(HKEY_CLASSES_ROOT, "Applications\\" + program + "\\shell\\open\\command"));
    EXPECT_EQ(program, text_value(HKEY_CURRENT_USER, kFileExts + ext, "Application"));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "." + ext));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, ext + "_auto_file"));

    // A program name that is empty (a path ending in "\") never turns into
    // the whole "Applications" tree.
    EXPECT_EQ(1, disassociate(ext, ""));
    EXPECT_TRUE(key_exists(HKEY_CLASSES_ROOT, "Applications\\" + program));
    EXPECT_EQ(1, disassociate(ext, program));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "Applications\\" + program));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, kFileExts + ext));
}

TEST(Associations, VistaWritesMachineClassesButRemovesClassesRoot) {
    if (os_version_code() != 70) GTEST_SKIP() << "Vista layout";
    std::string ext = "pwvista" + run_suffix(), program = "Vista" + run_suffix() + ".exe";
    std::string classes = "Software\\Classes\\";
    EXPECT_EQ(1, associate(ext, "Vista document", "C:\\Apps\\" + program, "C:\\Apps\\" + program + ",1"));
    EXPECT_EQ(program, text_value(HKEY_LOCAL_MACHINE, classes + "." + ext, ""));
    EXPECT_EQ("Vista document", text_value(HKEY_LOCAL_MACHINE, classes + program, ""));
    EXPECT_EQ("C:\\Apps\\" + program + ",1", text_value(HKEY_LOCAL_MACHINE, classes + program + "\\DefaultIcon", ""));
    EXPECT_EQ("\"C:\\Apps\\" + program + "\" \"%1\"",
              text_value(HKEY_LOCAL_MACHINE, classes + program + "\\shell\\open\\command", ""));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "Applications\\" + program));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, kFileExts + ext));

    // Disassociate on Vista works on the classes-root layout: keys written
    // that way go, the machine class of the program stays.
    associate(ext, "Old", "C:\\Apps\\" + program, "", 60);
    EXPECT_EQ(1, disassociate(ext, program));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "Applications\\" + program));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, ext + "_auto_file"));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, kFileExts + ext));
    EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "." + ext));  // the same key as the machine's here
    EXPECT_TRUE(key_exists(HKEY_LOCAL_MACHINE, classes + program + "\\shell\\open\\command"));

    // The 9x codes remove the machine-classes layout.
    EXPECT_EQ(1, disassociate(ext, program, 30));
    EXPECT_FALSE(key_exists(HKEY_LOCAL_MACHINE, classes + program));
}

}  // namespace
