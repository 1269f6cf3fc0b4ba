// Trailer layout, wildcard matching and the entry-name rules that keep
// extraction inside its destination.
#include <gtest/gtest.h>

#include "startup/archive_names.h"
#include "startup/trailer.h"

TEST(Trailer, RoundTripAndOffsets) {
    unsigned char t[kTrailerSize];
    trailer_write(1000, 200, t);
    EXPECT_TRUE(trailer_magic_ok(t + 8));
    EXPECT_EQ(0, memcmp(t + 8, "KESTRALINE.EOF", 14));
    PackageTrailer p = trailer_parse(t);
    EXPECT_EQ(1000u, p.payload_size);
    EXPECT_EQ(200u, p.setup_size);
    // Little-endian P first, then S.
    EXPECT_EQ(0xE8, t[0]);
    EXPECT_EQ(0x03, t[1]);
    EXPECT_EQ(200, t[4]);
    EXPECT_EQ(5000 - 22 - 1000 - 200, trailer_setup_offset(5000, p));
    EXPECT_EQ(5000 - 22 - 1000, trailer_payload_offset(5000, p));
}

TEST(Trailer, AnyAlteredMagicByteIsRefused) {
    unsigned char t[kTrailerSize];
    trailer_write(1, 1, t);
    for (int i = 8; i < kTrailerSize; ++i) {
        unsigned char copy[kTrailerSize];
        memcpy(copy, t, sizeof copy);
        copy[i] ^= 0x20;  // a change of letter case is a change too
        EXPECT_FALSE(trailer_magic_ok(copy + 8)) << i;
    }
}

TEST(Trailer, SizesBeyondTheFileGiveNoPositiveOffset) {
    PackageTrailer p = {0xFFFFFFFFu, 0xFFFFFFFFu};
    EXPECT_LT(trailer_setup_offset(100, p), 0);
    EXPECT_LT(trailer_payload_offset(100, p), 0);
    PackageTrailer exact = {50, 28};  // the archives fill the file: stub of size 0
    EXPECT_EQ(0, trailer_setup_offset(100, exact));
}

TEST(Wildcard, CaseInsensitiveStarAndQuestion) {
    EXPECT_TRUE(wildcard_match("*.*", "Script.ini"));
    EXPECT_TRUE(wildcard_match("*.*", "README"));  // "*.*" takes names without a dot too
    EXPECT_TRUE(wildcard_match("*.*", ""));
    EXPECT_TRUE(wildcard_match("*.INI", "english.ini"));
    EXPECT_TRUE(wildcard_match("s?ript.ini", "Script.INI"));
    EXPECT_FALSE(wildcard_match("*.ini", "english.txt"));
    EXPECT_FALSE(wildcard_match("a?c", "ac"));
    EXPECT_TRUE(wildcard_match("*a*b*c*", "xxaxxbxxcxx"));
    EXPECT_FALSE(wildcard_match("*a*b*c*d", "xxaxxbxxcxx"));
}

TEST(Wildcard, HostilePatternStaysFast) {
    std::string text(5000, 'a');
    std::string pattern;
    for (int i = 0; i < 40; ++i) pattern += "*a";
    pattern += "b";
    EXPECT_FALSE(wildcard_match(pattern.c_str(), text.c_str()));
}

TEST(EntryNames, Parts) {
    EXPECT_EQ("Script.ini", name_file_part("Config\\Script.ini"));
    EXPECT_EQ("Config\\", name_folder_part("Config\\Script.ini"));
    EXPECT_EQ("", name_folder_part("file"));
    EXPECT_EQ("a\\b\\c", name_to_backslashes("a/b/c"));
    EXPECT_EQ("Windows\\x.dll", name_drop_drive("C:\\Windows\\x.dll"));
    EXPECT_EQ("b", name_drop_drive("a:\\b"));
}

TEST(EntryNames, NamesThatClimbOutAreRefused) {
    EXPECT_TRUE(name_stays_inside("Config\\Script.ini"));
    EXPECT_TRUE(name_stays_inside("folder\\"));
    EXPECT_TRUE(name_stays_inside("a..b\\c.txt"));
    EXPECT_FALSE(name_stays_inside(""));
    EXPECT_FALSE(name_stays_inside("..\\evil.txt"));
    EXPECT_FALSE(name_stays_inside("a\\..\\..\\evil.txt"));
    EXPECT_FALSE(name_stays_inside("a\\..."));
    EXPECT_FALSE(name_stays_inside("a\\.. \\x"));
    EXPECT_FALSE(name_stays_inside("\\Windows\\evil.dll"));
    EXPECT_FALSE(name_stays_inside("C:evil.txt"));
    EXPECT_FALSE(name_stays_inside("a\\b:stream"));
    EXPECT_FALSE(name_stays_inside("..\\"));
    // After the ":\" rule a second drive still leaves a colon.
    EXPECT_FALSE(name_stays_inside(name_drop_drive("C:\\D:\\x")));
}

TEST(Wildcard, FinalDotStarTakesNamesWithoutDot) {
    EXPECT_TRUE(wildcard_match("read*.*", "README"));
    EXPECT_FALSE(wildcard_match("x*.*", "README"));
    EXPECT_FALSE(wildcard_match("*.ini", "INI"));
}
