// Version codes, the language choice and the random draws.
#include <gtest/gtest.h>

#include <set>

#include "startup/language_choice.h"
#include "startup/random_numbers.h"
#include "startup/version_code.h"

static int code(bool ok, unsigned platform, unsigned major, unsigned minor, bool ext = false, unsigned type = 0) {
    OsVersionInfo v = {ok, platform, major, minor, ext, type};
    return version_code_from(v);
}

TEST(VersionCode, EveryRowOfTheTable) {
    EXPECT_EQ(10, code(true, 1, 4, 0));
    EXPECT_EQ(30, code(true, 1, 4, 10));
    EXPECT_EQ(40, code(true, 1, 4, 90));
    EXPECT_EQ(100, code(true, 1, 4, 50));
    EXPECT_EQ(5, code(true, 2, 3, 51));
    EXPECT_EQ(20, code(true, 2, 4, 0));
    EXPECT_EQ(50, code(true, 2, 5, 0));
    EXPECT_EQ(60, code(true, 2, 5, 1));
    EXPECT_EQ(65, code(true, 2, 5, 2));
    EXPECT_EQ(70, code(true, 2, 6, 0, true, 1));
    EXPECT_EQ(70, code(true, 2, 6, 1, false, 0));  // extended call failed
    EXPECT_EQ(75, code(true, 2, 6, 0, true, 3));
    EXPECT_EQ(100, code(true, 2, 10, 0, true, 1));
    EXPECT_EQ(100, code(false, 2, 5, 1));
    EXPECT_EQ(100, code(true, 0, 3, 1));
}

static std::vector<LanguageEntry> langs(std::initializer_list<const char*> names) {
    std::vector<LanguageEntry> v;
    int i = 0;
    for (const char* n : names) v.push_back({n, "", "path" + std::to_string(i++)});
    return v;
}

TEST(LanguageChoice, EnglishInAnyCaseIsPreselected) {
    EXPECT_EQ(1, language_default_position(langs({"Deutsch", "ENGLISH", "Francais"})));
    EXPECT_EQ(0, language_default_position(langs({"Deutsch", "Francais"})));
    EXPECT_EQ(2, language_default_position(langs({"english", "Deutsch", "English"})));  // the last one wins
    // Names with blanks around them are not "english".
    EXPECT_EQ(0, language_default_position(langs({"Deutsch", " English"})));
}

TEST(LanguageChoice, SelectionFindsTheFirstEqualName) {
    auto list = langs({"Deutsch", " english ", "English"});
    EXPECT_EQ("path1", language_path_for(list, "English"));
    EXPECT_EQ("path1", language_path_for(list, " english "));
    EXPECT_EQ("path0", language_path_for(list, "DEUTSCH"));
    EXPECT_EQ("", language_path_for(list, "Francais"));
    EXPECT_FALSE(language_name_usable("   "));
    EXPECT_FALSE(language_name_usable(""));
    EXPECT_TRUE(language_name_usable(" x "));
}

TEST(RandomNumbers, DifferentSeedsDrawDifferentNamesAndStayInRange) {
    random_seed(1);
    std::vector<uint32_t> a;
    for (int i = 0; i < 20; ++i) a.push_back(random_below_or_equal(9999999));
    random_seed(2);
    std::vector<uint32_t> b;
    for (int i = 0; i < 20; ++i) b.push_back(random_below_or_equal(9999999));
    EXPECT_NE(a, b);
    std::set<uint32_t> seen;
    for (int i = 0; i < 10000; ++i) {
        uint32_t r = random_below_or_equal(9);
        ASSERT_LE(r, 9u);
        seen.insert(r);
    }
    EXPECT_EQ(10u, seen.size());
}
