// The preference-file reader, number reading and the install script's
// settings and task lists.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "script/ini_reader.h"
#include "script/numbers.h"
#include "script/script_settings.h"
#include "script/settings.h"

static IniFile parse(const std::string& text) {
    IniFile ini;
    ini_parse(text.data(), text.size(), &ini);
    return ini;
}

// A file of the source tree, found from this file's own path.
static std::string read_source_file(const std::string& relative) {
    std::string here = __FILE__;
    std::string path = here.substr(0, here.rfind("tests/native/")) + relative;
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(IniReader, SyntaxOfKeysValuesAndComments) {
    IniFile ini = parse(
        "; comment\r\n"
        "  \t[General]  rest is ignored\r\n"
        "\r\n"
        "\tName \t=  \tvalue with trailing blanks  \r\n"
        "ReadMe = \r\n"
        "  ; indented comment = not a key\r\n"
        "Eq=a=b\r\n"
        "Bare line\r\n");
    EXPECT_EQ("value with trailing blanks  ", ini_read(ini, "General", "Name", "x"));
    EXPECT_EQ("", ini_read(ini, "General", "ReadMe", "x"));  // present, empty
    EXPECT_EQ("a=b", ini_read(ini, "General", "Eq", ""));    // first "=" splits
    EXPECT_EQ("", ini_read(ini, "General", "Bare line", "x"));
    EXPECT_EQ("default", ini_read(ini, "General", "Missing", "default"));
    EXPECT_EQ("default", ini_read(ini, "Other", "Name", "default"));
    const IniSection* s = ini_section(ini, "general");
    ASSERT_NE(nullptr, s);
    ASSERT_EQ(4u, s->keys.size());  // comments and the empty line are no keys
}

TEST(IniReader, NamesIgnoreLetterCase) {
    IniFile ini = parse("[generalinformation]\nappname=Lower\n[LOOK]\nBTEXT=Upper\n");
    EXPECT_EQ("Lower", ini_read(ini, "GeneralInformation", "AppName", ""));
    EXPECT_EQ("Upper", ini_read(ini, "Look", "BText", ""));
}

TEST(IniReader, LineEndsAndByteOrderMark) {
    const char* ends[] = {"\r\n", "\n", "\r"};
    for (const char* e : ends) {
        std::string text = std::string("\xEF\xBB\xBF[S]") + e + "A=1" + e + e + "B=2 " + e + "C=3";
        IniFile ini = parse(text);
        EXPECT_EQ("1", ini_read(ini, "S", "A", "")) << "line end " << (int)e[0];
        EXPECT_EQ("2 ", ini_read(ini, "S", "B", ""));
        EXPECT_EQ("3", ini_read(ini, "S", "C", ""));  // last line without an end
        ASSERT_EQ(3u, ini_section(ini, "S")->keys.size());
    }
    // A mark that is not at the start is ordinary text.
    IniFile ini = parse("[S]\n\xEF\xBB\xBFK=v\n");
    EXPECT_EQ("v", ini_read(ini, "S", "\xEF\xBB\xBFK", ""));
}

TEST(IniReader, KeyTwiceAndSectionTwice) {
    IniFile ini = parse("[A]\nK=first\nK=second\n[B]\nX=1\n[a]\nL=later\nK=third\n");
    // A lookup finds the first line; enumeration keeps every line.
    EXPECT_EQ("first", ini_read(ini, "A", "K", ""));
    EXPECT_EQ("later", ini_read(ini, "A", "L", ""));  // the repeated header continues [A]
    const IniSection* a = ini_section(ini, "A");
    ASSERT_EQ(4u, a->keys.size());
    EXPECT_EQ("second", a->keys[1].value);
    EXPECT_EQ("third", a->keys[3].value);
    EXPECT_EQ(2u, ini.sections.size());
}

TEST(IniReader, UnclosedHeaderAndKeysBeforeAnyHeader) {
    IniFile ini = parse("K=outside\n[Open\nK=inside\n");
    EXPECT_EQ("inside", ini_read(ini, "Open", "K", ""));
    EXPECT_EQ("outside", ini_read(ini, "", "K", ""));
    EXPECT_EQ("", ini_read(ini, "Other", "K", ""));
}

TEST(Numbers, FormsOfNumbers) {
    EXPECT_EQ(255, read_number("$FF"));
    EXPECT_EQ(255, read_number("$ff"));
    EXPECT_EQ(5, read_number("%101"));
    EXPECT_EQ(-12, read_number(" -12abc"));
    EXPECT_EQ(7, read_number("\t+7"));
    EXPECT_EQ(0, read_number(""));
    EXPECT_EQ(0, read_number("abc"));
    EXPECT_EQ(0, read_number("-"));
    EXPECT_EQ(0, read_number("$"));
    EXPECT_EQ(1, read_number("%12"));   // stops at the first non-binary digit
    EXPECT_EQ(12, read_number("12 3"));
    EXPECT_EQ(0, read_number("- 5"));   // no blanks after the sign
    EXPECT_EQ(-255, read_number("-$FF"));
    EXPECT_EQ(0, read_number("0x10"));  // C notation is not a hexadecimal form
}

TEST(Numbers, ThirtyTwoBitLimits) {
    EXPECT_EQ(2147483647, read_number("2147483647"));
    EXPECT_EQ(INT32_MIN, read_number("-2147483648"));
    EXPECT_EQ(INT32_MIN, read_number("2147483648"));  // wraps modulo 2^32
    EXPECT_EQ(-1, read_number("$FFFFFFFF"));
    EXPECT_EQ(0, read_number("4294967296"));
    EXPECT_EQ(-1, read_number("$1FFFFFFFF"));
    // Very long digit strings stay defined (no overflow fault).
    EXPECT_EQ(read_number("99999999999999999999"), read_number(std::string("99999999999999999999")));
}

TEST(Numbers, FlagTextsCompareExactly) {
    EXPECT_TRUE(flag_is("1", "1"));
    EXPECT_FALSE(flag_is("1 ", "1"));
    EXPECT_FALSE(flag_is("01", "1"));
    EXPECT_FALSE(flag_is("", "0"));
    EXPECT_TRUE(flag_is("0", "0"));
}

TEST(ScriptSettings, MissingKeysGiveTheTablesDefaults) {
    script_settings_read(parse("[GeneralInformation]\nAppName=X\n"));
    EXPECT_EQ("X", g_script.GeneralInformation.AppName);
    EXPECT_EQ("", g_script.GeneralInformation.W2K);
    EXPECT_EQ(0, g_script.Look.UseBackgroundWindow);
    EXPECT_EQ(0, g_script.Look.HeaderTextColour);
    EXPECT_EQ(1, g_script.Look.BHorizontal);
    EXPECT_EQ("0", g_script.Look.BText);
    EXPECT_EQ(0, g_script.iConfig.PathChangeable);
    EXPECT_EQ(0, g_script.iConfig.CreateInternetLink);
    EXPECT_EQ(0, g_script.uConfig.CreateUninstaller);
    EXPECT_TRUE(g_install_tasks.empty());
    EXPECT_TRUE(g_uninstall_tasks.empty());
}

TEST(ScriptSettings, TaskListsInFileOrderWithCommentsSkipped) {
    script_settings_read(parse(
        "[InstTasks]\n; the author's note\nZ=[RUN]\xB6one\nA=[RUN]\xB6two\n"
        "[UninstTasks]\nEmpty=\nNoEquals\n"));
    ASSERT_EQ(2u, g_install_tasks.size());
    EXPECT_EQ("Z", g_install_tasks[0].name);
    EXPECT_EQ("[RUN]\xB6one", g_install_tasks[0].line);
    EXPECT_EQ("A", g_install_tasks[1].name);
    ASSERT_EQ(2u, g_uninstall_tasks.size());  // empty values still count
    EXPECT_EQ("", g_uninstall_tasks[0].line);
    EXPECT_EQ("NoEquals", g_uninstall_tasks[1].name);
}

TEST(ScriptSettings, TwoRebootKeysAndFlagTextsKeptAsRead) {
    script_settings_read(parse(
        "[uConfig]\nRebootRequired=1\n[iConfig]\nRebootRequired=0\nPathChangeable=$10\n"
        "[GeneralInformation]\nW2K=0 \nWXP=0\n[Look]\nHeaderTextColour=$0000FF\n"));
    EXPECT_EQ(1, g_script.uConfig.RebootRequired);
    EXPECT_EQ(0, g_script.iConfig.RebootRequired);
    EXPECT_EQ(16, g_script.iConfig.PathChangeable);
    EXPECT_EQ("0 ", g_script.GeneralInformation.W2K);  // does not forbid Windows 2000
    EXPECT_FALSE(flag_is(g_script.GeneralInformation.W2K, "0"));
    EXPECT_TRUE(flag_is(g_script.GeneralInformation.WXP, "0"));
    EXPECT_EQ(255, g_script.Look.HeaderTextColour);
}

TEST(ScriptSettings, TheSamplePackageScript) {
    std::string data = read_source_file("examples/sample/setup/Config/Script.ini");
    ASSERT_FALSE(data.empty());
    IniFile ini;
    ini_parse(data.data(), data.size(), &ini);
    script_settings_read(ini);
    EXPECT_EQ("Packwright Sample", g_script.GeneralInformation.AppName);
    EXPECT_EQ("1.2", g_script.GeneralInformation.Version);
    EXPECT_EQ("<ProgramName> <ProgramVersion>", g_script.Look.BText);
    EXPECT_EQ(120, g_script.Look.BFirstColorB);
    EXPECT_EQ(12u, g_install_tasks.size());
    EXPECT_EQ("Task11", g_install_tasks.back().name);
    EXPECT_EQ(2u, g_uninstall_tasks.size());
    EXPECT_EQ(1, g_script.uConfig.CreateUninstaller);
    EXPECT_EQ(1, g_script.iConfig.PathChangeable);
}

TEST(Statistics, SixtyFourBitLittleEndian) {
    uint64_t size = 1;
    EXPECT_TRUE(statistics_size_from(std::string("\xcd\x0e\x0e\x00\x00\x00\x00\x00", 8), &size));
    EXPECT_EQ(921293u, size);
    EXPECT_TRUE(statistics_size_from(std::string("\x01\x00\x00\x00\x00\x00\x00\x80trailing", 16), &size));
    EXPECT_EQ(0x8000000000000001ull, size);
    EXPECT_FALSE(statistics_size_from(std::string("\x01\x02\x03", 3), &size));  // too short
}
