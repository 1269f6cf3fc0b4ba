// The installer carries an application manifest that asks for the common
// controls of version 6 (visual styles) and for administrator rights, and
// names no supported systems (so Windows reports its true version).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

static std::string installer_path() {
    const char* build = getenv("PW_BUILD");
    if (!build) return std::string();
    std::string p = std::string("Z:") + build + "/installer.exe";
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

// Whether the running installer really uses the version 6 controls is
// checked end to end (the UI driver's "v6" command).
TEST(WizardManifest, LinkedIntoTheInstaller) {
    std::string exe = installer_path();
    ASSERT_FALSE(exe.empty()) << "PW_BUILD not set";
    HMODULE m = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(m) << exe;
    HRSRC r = FindResourceA(m, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_TRUE(r);
    const char* text = (const char*)LockResource(LoadResource(m, r));
    std::string manifest(text, SizeofResource(m, r));
    EXPECT_NE(std::string::npos, manifest.find("Microsoft.Windows.Common-Controls"));
    EXPECT_NE(std::string::npos, manifest.find("version=\"6.0.0.0\""));
    EXPECT_NE(std::string::npos, manifest.find("level=\"requireAdministrator\""));
    EXPECT_EQ(std::string::npos, manifest.find("supportedOS"));
    FreeLibrary(m);

}

// The check the end-to-end test makes tells the versions apart: this test
// program has no manifest, so its buttons do not answer BCM_GETIDEALSIZE.
TEST(WizardManifest, ButtonsWithoutTheManifestAreOlderControls) {
    HWND b = CreateWindowExA(0, "BUTTON", "x", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(b);
    SIZE s = {0, 0};
    EXPECT_EQ(0, SendMessageA(b, BCM_GETIDEALSIZE, 0, (LPARAM)&s));
    DestroyWindow(b);
}
