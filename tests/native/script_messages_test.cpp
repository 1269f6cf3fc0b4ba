// The message table and the uninstall message list.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "script/message_table.h"
#include "script/messages.h"

static void load(const std::string& text) {
    IniFile ini;
    ini_parse(text.data(), text.size(), &ini);
    messages_build(ini);
}

TEST(MessageTable, IdsArePositionsNotKeyNames) {
    load("[LocalizationStub]\n5=five\n0=zero\nx=third\n");
    EXPECT_EQ("five", Message(0));
    EXPECT_EQ("zero", Message(1));
    EXPECT_EQ("third", Message(2));
    EXPECT_EQ(3, messages_last_id());
    EXPECT_EQ("", Message(3));  // N itself: the empty last entry
    EXPECT_EQ("", Message(4));
    EXPECT_EQ("", Message(-1));
    EXPECT_EQ("", Message(1 << 30));
}

TEST(MessageTable, EmptyKeyNamesCannotOverrunTheTable) {
    // Two lines with empty names take positions but are not counted: the
    // table has 3 + 1 entries and the fifth line finds no room.
    load("[LocalizationStub]\n=a\n=b\n0=c\n1=d\n2=e\n");
    EXPECT_EQ(3, messages_last_id());
    EXPECT_EQ("a", Message(0));
    EXPECT_EQ("c", Message(2));
    EXPECT_EQ("d", Message(3));
    EXPECT_EQ("", Message(4));
}

TEST(MessageTable, MissingOrEmptyStubGivesEmptyTexts) {
    load("[LocalizationUninstall]\n0=x\n");
    EXPECT_EQ("", Message(0));
    load("");
    EXPECT_EQ("", Message(0));
    EXPECT_TRUE(g_uninstall_messages.empty());
    load("[LocalizationStub]\n");
    EXPECT_EQ(0, messages_last_id());
    EXPECT_EQ("", Message(0));
}

TEST(MessageTable, LineBreaksAndApplicationValues) {
    load("[LocalizationStub]\n0=a<br>b<BR>c<Br>\n1=Install $appname$ $APPVERSION$ ($AppName$)\n2=$APPNAME\n"
         "[LocalizationUninstall]\n0=Keep<br>$APPNAME$\n");
    EXPECT_EQ("a\r\nb\r\nc\r\n", Message(0));
    messages_substitute_app("Tool", "2.0");
    EXPECT_EQ("Install Tool 2.0 (Tool)", Message(1));
    EXPECT_EQ("$APPNAME", Message(2));
    ASSERT_EQ(1u, g_uninstall_messages.size());
    EXPECT_EQ("0", g_uninstall_messages[0].key);
    EXPECT_EQ("Keep<br>$APPNAME$", g_uninstall_messages[0].value);  // passed on untouched
}

TEST(MessageTable, SubstitutionIsOneLeftToRightScan) {
    // A name that itself holds a token is not substituted again.
    load("[LocalizationStub]\n0=[$APPNAME$]\n");
    messages_substitute_app("$APPNAME$x", "v");
    EXPECT_EQ("[$APPNAME$x]", Message(0));
}

TEST(MessageTable, TheSampleEnglishFile) {
    std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("tests/native/")) + "examples/sample/setup/Languages/English.ini",
                     std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    load(s.str());
    EXPECT_EQ(84, messages_last_id());
    EXPECT_EQ("Error", Message(0));
    EXPECT_EQ("seconds", Message(83));
    EXPECT_EQ("", Message(84));
    // Id 8 holds two "<br>": three paragraphs.
    const std::string& m8 = Message(8);
    EXPECT_EQ(2u, (size_t)std::count(m8.begin(), m8.end(), '\n'));
    EXPECT_NE(std::string::npos, m8.find("installer.\r\n\r\nPress"));
    messages_substitute_app("Packwright Sample", "1.2");
    EXPECT_EQ("Welcome to the Packwright Sample version 1.2 installation wizard.", Message(54));
    ASSERT_EQ(16u, g_uninstall_messages.size());
    EXPECT_EQ("Are you sure you want to uninstall $APPNAME$?", g_uninstall_messages[9].value);
}
