// Shell links read back through the shell's link object, and internet
// shortcuts byte for byte.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include "tasks/links.h"
#include "tests/wine/tasks_support.h"

using namespace tasks_test;

namespace {

struct LinkRead {
    bool ok;
    std::string target, arguments, working_folder, description, icon_file;
    int icon_index;
    WORD hotkey;
};

LinkRead read_link(const std::string& file) {
    LinkRead r = {};
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* persist = nullptr;
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, (void**)&link)) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void**)&persist)) &&
        SUCCEEDED(persist->Load(wide, STGM_READ))) {
        char buf[MAX_PATH * 2];
        r.ok = true;
        if (SUCCEEDED(link->GetPath(buf, sizeof buf, nullptr, SLGP_RAWPATH))) r.target = buf;
        if (SUCCEEDED(link->GetArguments(buf, sizeof buf))) r.arguments = buf;
        if (SUCCEEDED(link->GetWorkingDirectory(buf, sizeof buf))) r.working_folder = buf;
        if (SUCCEEDED(link->GetDescription(buf, sizeof buf))) r.description = buf;
        if (SUCCEEDED(link->GetIconLocation(buf, sizeof buf, &r.icon_index))) r.icon_file = buf;
        link->GetHotkey(&r.hotkey);
    }
    if (persist) persist->Release();
    if (link) link->Release();
    CoUninitialize();
    return r;
}

class Links : public testing::Test {
protected:
    std::string dir = scratch_folder("pwlinks");
    void TearDown() override {
        folder_delete_tree(dir);
        EXPECT_FALSE(path_exists(dir));
    }
};

TEST_F(Links, ShortcutReadsBackWithEveryField) {
    std::string target = dir + "bin\\tool.exe";
    CreateDirectoryA((dir + "bin").c_str(), nullptr);
    file_write_all(target, "MZ");
    ASSERT_EQ(1, create_shortcut(target, dir + "Tool.lnk", "-a \"b c\"", "The tool", dir, 3, 0x0654,
                                 dir + "icons.dll", 3));
    LinkRead r = read_link(dir + "Tool.lnk");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(target, r.target);
    EXPECT_EQ("-a \"b c\"", r.arguments);
    EXPECT_EQ(dir, r.working_folder);
    EXPECT_EQ("The tool", r.description);
    EXPECT_EQ(dir + "icons.dll", r.icon_file);
    EXPECT_EQ(3, r.icon_index);
    // Wine's link object does not give the show command back after a load,
    // so it is read from the link file's header (offset 0x3C).
    std::string raw = file_text(dir + "Tool.lnk");
    ASSERT_GT(raw.size(), 0x40u);
    EXPECT_EQ(3, raw[0x3C]);  // SW_SHOWMAXIMIZED
    EXPECT_EQ(0x0654, r.hotkey);
}

TEST_F(Links, ShortcutDefaultsAndExtension) {
    std::string target = dir + "App\\bin\\tool.exe";
    // No extension: ".lnk" is added; the working folder is the target's
    // folder with its backslash, the icon file the target.
    ASSERT_EQ(1, create_shortcut(target, dir + "Uninstall", "", "", "", 1, 0, "", 0));
    EXPECT_FALSE(path_exists(dir + "Uninstall"));
    LinkRead r = read_link(dir + "Uninstall.lnk");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(dir + "App\\bin\\", r.working_folder);
    EXPECT_EQ(target, r.icon_file);
    // An extension in capitals is kept as it is.
    ASSERT_EQ(1, create_shortcut(target, dir + "Upper.LNK", "", "", "", 1, 0, "", 0));
    EXPECT_TRUE(read_link(dir + "Upper.LNK").ok);
    EXPECT_FALSE(path_exists(dir + "Upper.LNK.lnk"));
}

TEST_F(Links, ShortcutThatCannotBeSavedFails) {
    // The save fails in a missing folder: no link exists, so none may be
    // reported.
    EXPECT_EQ(0, create_shortcut(dir + "tool.exe", dir + "Missing\\Tool.lnk", "", "", "", 1, 0, "", 0));
    EXPECT_FALSE(path_exists(dir + "Missing\\Tool.lnk"));
    // A path longer than a Windows path is not saved under a cut name.
    std::string longer = dir;
    while (longer.size() < 280) longer += "y";
    EXPECT_EQ(0, create_shortcut(dir + "tool.exe", longer + ".lnk", "", "", "", 1, 0, "", 0));
}

TEST_F(Links, InternetShortcutBytes) {
    ASSERT_EQ(1, create_internet_link("http://example.invalid/a?b=c", dir + "Website.url"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://example.invalid/a?b=c\r\n", file_text(dir + "Website.url"));
    ASSERT_EQ(1, create_internet_link("", dir + "Empty.url"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=\r\n", file_text(dir + "Empty.url"));
    // No extension is added by the operation itself.
    ASSERT_EQ(1, create_internet_link("x", dir + "Plain"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=x\r\n", file_text(dir + "Plain"));
}

TEST_F(Links, InternetShortcutReplacesExistingFiles) {
    std::string old(500, 'o');
    file_write_all(dir + "Site.url", old);
    ASSERT_EQ(1, create_internet_link("a", dir + "Site.url"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=a\r\n", file_text(dir + "Site.url"));
    // A hidden file cannot be re-created, but is truncated instead.
    file_write_all(dir + "Hidden.url", old);
    SetFileAttributesA((dir + "Hidden.url").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_EQ(1, create_internet_link("b", dir + "Hidden.url"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=b\r\n", file_text(dir + "Hidden.url"));
    SetFileAttributesA((dir + "Hidden.url").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(0, create_internet_link("c", dir + "Missing\\Site.url"));
}

}  // namespace
