// The wizard's portable rules: size texts, gradient steps, folder
// descriptions, finish options, page navigation and requirement decisions.
#include <gtest/gtest.h>

#include "wizard/finish_options.h"
#include "wizard/folder_description.h"
#include "wizard/gradient.h"
#include "wizard/navigation.h"
#include "wizard/requirement_rules.h"
#include "wizard/size_text.h"

TEST(WizardSizeText, UnitsDecimalsAndSinglePrecisionExponent) {
    EXPECT_EQ("899.7 KB", size_text(921293, 1));
    EXPECT_EQ("0 B", size_text(0, 1));
    EXPECT_EQ("512 B", size_text(512, 1));
    EXPECT_EQ("1023 B", size_text(1023, 1));
    EXPECT_EQ("1.0 KB", size_text(1024, 1));
    EXPECT_EQ("1.0 MB", size_text(1048576, 1));
    // ln S / ln 1024 rounded to floats lands just below 3.
    EXPECT_EQ("1024.0 MB", size_text(1073741824LL, 1));
    EXPECT_EQ("1.5 GB", size_text(1610612736LL, 1));
    EXPECT_EQ("4.0 TB", size_text(4LL << 40, 1));
    EXPECT_EQ("8.0 EB", size_text(INT64_MAX, 1));
    // Rounded to the shown digit, carrying into the integer part.
    EXPECT_EQ("2.0 KB", size_text(2047, 1));
    EXPECT_EQ("?", size_text(-1, 1));
    // Other precisions: none, or two digits.
    EXPECT_EQ("900 KB", size_text(921293, 0));
    EXPECT_EQ("899.70 KB", size_text(921293, 2));
    EXPECT_EQ("512 B", size_text(512, 2));
}

TEST(WizardGradient, BlackToWhiteOverRowsAndDirection) {
    std::vector<Rgb> rows = gradient_steps({0, 0, 0}, {255, 255, 255}, 256);
    ASSERT_EQ(256u, rows.size());
    // Step i is i * 255/256: grey i up to the halfway row (127.5 rounds to
    // even 128), then a little lower; the last row is one step short of
    // white.
    for (int i = 0; i <= 128; ++i) {
        EXPECT_EQ(i, rows[i].r) << i;
        EXPECT_EQ(rows[i].r, rows[i].g);
        EXPECT_EQ(rows[i].r, rows[i].b);
    }
    EXPECT_EQ(128, rows[129].r);
    EXPECT_EQ(254, rows[255].r);
    for (int i = 1; i < 256; ++i) EXPECT_LE(rows[i - 1].r, rows[i].r);

    // Each channel on its own, downwards; equal colours stay plain.
    std::vector<Rgb> cols = gradient_steps({0, 40, 120}, {0, 0, 0}, 1024);
    EXPECT_EQ(120, cols[0].b);
    EXPECT_EQ(40, cols[0].g);
    EXPECT_EQ(60, cols[512].b);
    EXPECT_EQ(0, cols[1023].b);  // 120 - 1023 * 0.1171875 = 0.117...
    std::vector<Rgb> plain = gradient_steps({9, 8, 7}, {9, 8, 7}, 10);
    for (const Rgb& c : plain) EXPECT_EQ(0x070809u, rgb_value(c));

    EXPECT_EQ(1, gradient_direction(1));
    EXPECT_EQ(0, gradient_direction(0));
    EXPECT_EQ(0, gradient_direction(2));
    EXPECT_TRUE(gradient_steps({0, 0, 0}, {1, 1, 1}, 0).empty());
}

// Special folders by index as an XP machine gives them.
static const std::string kXpFolders[kSpecialFolderCount] = {
    "C:\\Program Files\\",
    "C:\\",
    "<DefaultInstallPath>\\",
    "C:\\WINDOWS\\",
    "C:\\WINDOWS\\system32\\",
    "<PureBasic>\\",
    "C:\\All\\Quick Launch\\",
    "C:\\Me\\Quick Launch\\",
    "C:\\All\\Programs\\",
    "C:\\Me\\Programs\\",
    "C:\\All\\Desktop\\",
    "C:\\Me\\Desktop\\",
    "C:\\All\\Start Menu\\",
    "C:\\Me\\Start Menu\\",
    "C:\\All\\Documents\\",
    "C:\\Me\\My Documents\\",
    "C:\\Temp\\",
    "<DefaultStartMenuGroup>\\",
};

TEST(WizardFolderDescription, ByIndexAndTheOldWindowsMapping) {
    for (int i = 0; i < kSpecialFolderCount; ++i) EXPECT_EQ(9 + i, folder_description_id(kXpFolders[i], kXpFolders, 60));
    // On 98 and ME the all-users folders read like the user's own.
    EXPECT_EQ(20, folder_description_id("C:\\All\\Desktop\\", kXpFolders, 30));
    EXPECT_EQ(18, folder_description_id("C:\\All\\Programs\\", kXpFolders, 40));
    EXPECT_EQ(16, folder_description_id("C:\\All\\Quick Launch\\", kXpFolders, 40));
    EXPECT_EQ(24, folder_description_id("C:\\All\\Documents\\", kXpFolders, 30));
    EXPECT_EQ(22, folder_description_id("C:\\All\\Start Menu\\", kXpFolders, 30));
    EXPECT_EQ(19, folder_description_id("C:\\All\\Desktop\\", kXpFolders, 50));
    // On 98 the two folders are one: the first match gives the user's name.
    std::string same[kSpecialFolderCount];
    for (int i = 0; i < kSpecialFolderCount; ++i) same[i] = kXpFolders[i];
    same[10] = same[11];
    EXPECT_EQ(20, folder_description_id(same[11], same, 30));
    // Exact comparison; anything else is named by its path.
    EXPECT_EQ(27, folder_description_id("c:\\program files\\", kXpFolders, 60));
    EXPECT_EQ(27, folder_description_id("C:\\Program Files", kXpFolders, 60));
    EXPECT_EQ(-1, folder_description_id("", kXpFolders, 60));
    EXPECT_EQ("in: 'D:\\Apps\\'", folder_description_text(27, "in:", "D:\\Apps\\"));
    EXPECT_EQ("on the Desktop", folder_description_text(20, "on the Desktop", "C:\\Me\\Desktop\\"));
    EXPECT_EQ("", folder_description_text(-1, "whatever", ""));

    EXPECT_EQ("<Desktop>\\", path_part("<Desktop>\\Sample.lnk"));
    EXPECT_EQ("a/b/", path_part("a/b/c.url"));
    EXPECT_EQ("", path_part("<Desktop>Sample.lnk"));
}

static const std::string kMsgs[] = {"Run", "Create shortcut", "for", "Create internet link"};
static const std::string& fake_message(int id) {
    static const std::string empty;
    return (id >= 69 && id <= 72) ? kMsgs[id - 69] : empty;
}

static std::string line(std::initializer_list<const char*> fields) {
    std::string s;
    for (const char* f : fields) {
        if (!s.empty()) s += (char)0xB6;
        s += f;
    }
    return s;
}

TEST(WizardFinishOptions, RewritesRunShortcutAndInternetLink) {
    OfferedTask o;
    ASSERT_TRUE(finish_option_offer(line({"[RUN]", " 1", "0", "/greet", "C:\\a.exe", "Hello", "1", "0", "extra"}), &o));
    EXPECT_EQ(kOfferRun, o.kind);
    EXPECT_EQ(line({"[RUN]", "0", "1", "/greet", "C:\\a.exe", "Hello", "1", "0"}), o.line);
    EXPECT_EQ("Run Hello", finish_option_item_text(o, fake_message, ""));

    ASSERT_TRUE(finish_option_offer(line({"[SHORTCUT]", "1", "0", "<Desktop>\\S.lnk", "C:\\a.exe", "Sample", "2"}), &o));
    EXPECT_EQ(line({"[SHORTCUT]", "0", "1", "<Desktop>\\S.lnk", "C:\\a.exe", "Sample", "2"}), o.line);
    EXPECT_EQ("<Desktop>\\", o.link_folder);
    EXPECT_EQ("Create shortcut on the Desktop for Sample",
              finish_option_item_text(o, fake_message, "on the Desktop"));

    // A link whose folder has no backslash: empty description, two blanks.
    ASSERT_TRUE(finish_option_offer(line({"[SHORTCUT]", "1", "0", "<Desktop>S.lnk", "C:\\a.exe", "Sample"}), &o));
    EXPECT_EQ(line({"[SHORTCUT]", "0", "1", "<Desktop>S.lnk", "C:\\a.exe", "Sample", ""}), o.line);
    EXPECT_EQ("Create shortcut  for Sample", finish_option_item_text(o, fake_message, ""));

    ASSERT_TRUE(finish_option_offer(line({"[INTERNETLINK]", "$1", "1", "<Desktop>\\W.url", "http://x"}), &o));
    EXPECT_EQ(line({"[INTERNETLINK]", "0", "1", "<Desktop>\\W.url", "http://x"}), o.line);
    EXPECT_EQ("Create internet link on the Desktop", finish_option_item_text(o, fake_message, "on the Desktop"));

    // Not offered: ask flag not 1, other kinds, kinds in other letter case.
    EXPECT_FALSE(finish_option_offer(line({"[RUN]", "0", "1", "", "C:\\a.exe"}), &o));
    EXPECT_FALSE(finish_option_offer(line({"[RUN]", "2"}), &o));
    EXPECT_FALSE(finish_option_offer(line({"[RUN]"}), &o));
    EXPECT_FALSE(finish_option_offer(line({"[REGADDKEY]", "1", "", "Software\\X"}), &o));
    EXPECT_FALSE(finish_option_offer(line({"[run]", "1"}), &o));
    EXPECT_FALSE(finish_option_offer("", &o));
}

TEST(WizardNavigation, NextAndPreviousFollowTheScript) {
    WizardFlow f = {true, false, true, false};  // license, no read-me
    EXPECT_EQ(1, nav_next(0, f));
    EXPECT_EQ(3, nav_next(1, f));
    EXPECT_EQ(4, nav_next(3, f));
    EXPECT_EQ(kNextInstall, nav_next(4, f));
    EXPECT_EQ(3, nav_previous(4, f));
    EXPECT_EQ(1, nav_previous(3, f));
    EXPECT_EQ(0, nav_previous(1, f));

    WizardFlow r = {false, true, true, true};  // read-me only, empty path
    EXPECT_EQ(2, nav_next(0, r));
    EXPECT_EQ(3, nav_next(2, r));
    EXPECT_EQ(kNextWarnEmptyPath, nav_next(3, r));
    EXPECT_EQ(2, nav_previous(3, r));
    EXPECT_EQ(0, nav_previous(2, r));

    WizardFlow none = {false, false, false, true};  // no group: no path check
    EXPECT_EQ(3, nav_next(0, none));
    EXPECT_EQ(kNextInstall, nav_next(3, none));
    EXPECT_EQ(0, nav_previous(3, none));
    EXPECT_EQ(kNextStay, nav_next(6, none));
    EXPECT_EQ(kNextStay, nav_next(5, none));
    EXPECT_EQ(0, nav_previous(0, none));
    EXPECT_EQ(6, nav_previous(6, none));

    EXPECT_EQ(0, page_buttons(1, false).next_enabled);
    EXPECT_EQ(1, page_buttons(1, true).next_enabled);
    EXPECT_EQ(1, page_buttons(0, false).next_enabled);
    EXPECT_EQ(0, page_buttons(0, false).previous_enabled);
    EXPECT_EQ(1, page_buttons(3, false).previous_enabled);
    EXPECT_TRUE(page_buttons(6, false).finish_page);
    EXPECT_EQ(10, page_container_id(0));
    EXPECT_EQ(300, page_container_id(6));
}

TEST(WizardRequirements, SpaceVersionKeysFrameworkAndAddress) {
    EXPECT_TRUE(free_space_enough(4294967296LL, 1000000));
    EXPECT_FALSE(free_space_enough(4294967296LL, 4294967297ULL));
    EXPECT_TRUE(free_space_enough(5, 5));
    EXPECT_FALSE(free_space_enough(-1, 0));
    EXPECT_FALSE(free_space_enough(-1, 1));

    ScriptSettings s = {};
    EXPECT_EQ(31, windows_version_refusal(10, s));
    EXPECT_EQ(31, windows_version_refusal(5, s));
    EXPECT_EQ(0, windows_version_refusal(60, s));
    s.GeneralInformation.WXP = "0";
    EXPECT_EQ(32, windows_version_refusal(60, s));
    EXPECT_EQ(0, windows_version_refusal(50, s));
    EXPECT_EQ(0, windows_version_refusal(100, s));
    s.GeneralInformation.WXP = "00";
    EXPECT_EQ(0, windows_version_refusal(60, s));
    s.GeneralInformation.WXP = " 0";
    EXPECT_EQ(0, windows_version_refusal(60, s));
    s.GeneralInformation.W2K = "0 ";
    EXPECT_EQ(0, windows_version_refusal(50, s));
    s.GeneralInformation.WNT = s.GeneralInformation.W98 = s.GeneralInformation.WME = "0";
    s.GeneralInformation.WSV2003 = s.GeneralInformation.WV = s.GeneralInformation.WSV2008 = "0";
    for (int code : {20, 30, 40, 65, 70, 75}) EXPECT_EQ(32, windows_version_refusal(code, s)) << code;

    EXPECT_STREQ("1.0", framework_version_text("1"));
    EXPECT_STREQ("1.1", framework_version_text("2"));
    EXPECT_STREQ("2.0", framework_version_text("3"));
    EXPECT_STREQ("3.0", framework_version_text("4"));
    EXPECT_STREQ("3.5", framework_version_text("5"));
    EXPECT_EQ(nullptr, framework_version_text("6"));
    EXPECT_EQ(nullptr, framework_version_text("1.1"));
    EXPECT_EQ(nullptr, framework_version_text(""));
    EXPECT_EQ(nullptr, framework_version_text(" 3"));

    EXPECT_EQ("2.0", framework_folder_version("v2.0.50727"));
    EXPECT_EQ("1.1", framework_folder_version("v1.1.4322"));
    EXPECT_EQ("3.5", framework_folder_version("v3.5"));
    EXPECT_EQ("1", framework_folder_version("v1 "));
    EXPECT_EQ("", framework_folder_version("v"));

    EXPECT_EQ("", dependency_address(""));
    EXPECT_EQ("", dependency_address("http://"));
    EXPECT_EQ("", dependency_address("HTTP://"));
    EXPECT_EQ("http://example.com/net", dependency_address("example.com/net"));
    EXPECT_EQ("HTTP://Example.com", dependency_address("HTTP://Example.com"));
    EXPECT_EQ("http://https://x", dependency_address("https://x"));
}
