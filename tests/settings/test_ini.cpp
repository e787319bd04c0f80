// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini.h"

#include <gtest/gtest.h>

using namespace scrivolta;

namespace {

const std::string kOpzioni =
    "[Options]\r\nSong=0\r\nKeyMap=1\r\n\r\n[Language]\r\nCurrentLanguage=French\r\n";

} // namespace

TEST(Ini, NamesMatchWithoutRegardToCaseAndValuesAreTrimmed) {
    const std::string c = "[options]\r\n  SONG =  no  "
                          "\r\n[AccessName]\r\nName=JOS\xC9\r\n[jos\xE9]\r\nBookmark=A\r\n";
    EXPECT_EQ(ini::leggi(c, "Options", "song"), "no");
    EXPECT_EQ(ini::leggi(c, "accessname", "name"), "JOS\xC9");
    // Accented capitals of the code page meet their small letters.
    EXPECT_EQ(ini::leggi(c, "JOS\xC9", "bookmark"), "A");
    EXPECT_FALSE(ini::leggi(c, "Options", "KeyMap").has_value());
    EXPECT_FALSE(ini::leggi(c, "Missing", "Song").has_value());
}

TEST(Ini, ValueIsTheTextAfterTheFirstEqualsSign) {
    const std::string c = "[S]\nA=b=c\nB=\nC = \"quoted\" \n";
    EXPECT_EQ(ini::leggi(c, "S", "A"), "b=c");
    EXPECT_EQ(ini::leggi(c, "S", "B"), "");
    EXPECT_EQ(ini::leggi(c, "S", "C"), "\"quoted\"");
}

TEST(Ini, CommentsStrayLinesAndDuplicatesFollowTheWindowsConvention) {
    const std::string c =
        "Top=1\r\n[S]\r\n;Key=comment\r\nno equals sign\r\n=orphan\r\nKey=first\r\n"
        "key=second\r\n[s]\r\nOther=x\r\n";
    EXPECT_FALSE(ini::leggi(c, "S", ";Key").has_value());
    EXPECT_EQ(ini::leggi(c, "S", "Key"), "first");
    // Only the first of two sections of the same name is seen.
    EXPECT_FALSE(ini::leggi(c, "S", "Other").has_value());
    EXPECT_FALSE(ini::leggi(c, "", "Top").has_value());

    const std::string scritto = ini::scrivi(c, "S", "KEY", "new");
    EXPECT_EQ(scritto, "Top=1\r\n[S]\r\n;Key=comment\r\nno equals sign\r\n=orphan\r\nKey=new\r\n"
                       "key=second\r\n[s]\r\nOther=x\r\n");
    // Deleting removes every copy, so the second cannot resurface.
    EXPECT_FALSE(ini::leggi(ini::cancellaValore(c, "S", "key"), "S", "Key").has_value());
    EXPECT_EQ(ini::cancellaSezione(c, "s"), "Top=1\r\n");
}

TEST(Ini, WritesInPlaceThenAtTheEndOfTheSectionThenInANewSection) {
    EXPECT_EQ(ini::scrivi(kOpzioni, "options", "song", "1"),
              "[Options]\r\nSong=1\r\nKeyMap=1\r\n\r\n[Language]\r\nCurrentLanguage=French\r\n");
    // Added after the section's last line, before the blank line that
    // separates it from the next.
    EXPECT_EQ(ini::scrivi(kOpzioni, "Options", "BackColor", "3"),
              "[Options]\r\nSong=0\r\nKeyMap=1\r\nBackColor=3\r\n\r\n[Language]\r\n"
              "CurrentLanguage=French\r\n");
    EXPECT_EQ(ini::scrivi(kOpzioni, "AccessName", "Name", "ANNA"),
              kOpzioni + "[AccessName]\r\nName=ANNA\r\n");
    EXPECT_EQ(ini::scrivi("", "A", "k", "v"), "[A]\r\nk=v\r\n");
}

TEST(Ini, KeepsUntouchedBytesAndEndsAnUnfinishedLastLine) {
    const std::string unix = "[A]\nx=1\n[B]\ny=2";
    EXPECT_EQ(ini::scrivi(unix, "B", "z", "3"), "[A]\nx=1\n[B]\ny=2\r\nz=3\r\n");
    EXPECT_EQ(ini::scrivi(unix, "A", "x", "9"), "[A]\nx=9\n[B]\ny=2");
    EXPECT_EQ(ini::scrivi("[A]", "A", "k", "v"), "[A]\r\nk=v\r\n");
    EXPECT_EQ(ini::scrivi("junk", "A", "k", "v"), "junk\r\n[A]\r\nk=v\r\n");
}

TEST(Ini, DeletesAKeyLineOrASectionWithItsKeys) {
    EXPECT_EQ(ini::cancellaValore(kOpzioni, "OPTIONS", "Song"),
              "[Options]\r\nKeyMap=1\r\n\r\n[Language]\r\nCurrentLanguage=French\r\n");
    EXPECT_EQ(ini::cancellaSezione(kOpzioni, "Options"),
              "[Language]\r\nCurrentLanguage=French\r\n");
    EXPECT_EQ(ini::cancellaSezione(kOpzioni, "None"), kOpzioni);
    EXPECT_EQ(ini::cancellaValore(kOpzioni, "None", "Song"), kOpzioni);
}

TEST(Ini, SectionNameRunsToTheLastBracket) {
    // A learner called "[X]" keeps a section of their own.
    const std::string c = ini::scrivi("", "[X]", "Bookmark", "L1");
    EXPECT_EQ(c, "[[X]]\r\nBookmark=L1\r\n");
    EXPECT_EQ(ini::leggi(c, "[X]", "Bookmark"), "L1");
    EXPECT_FALSE(ini::leggi(c, "X", "Bookmark").has_value());
}

TEST(Ini, RefusesWhatCannotBeOneLine) {
    EXPECT_TRUE(ini::scrivibile("AccessName", "Name", "ANNA"));
    EXPECT_TRUE(ini::scrivibile("O'Brien ]", "Bookmark", ""));
    EXPECT_FALSE(ini::scrivibile("Options", "Song", "1\r\n[Evil]"));
    EXPECT_FALSE(ini::scrivibile("A\nB", "k", "v"));
    EXPECT_FALSE(ini::scrivibile("A", "k", std::string("v\0w", 3)));
    EXPECT_FALSE(ini::scrivibile("A", "", "v"));
    EXPECT_FALSE(ini::scrivibile("A", "a=b", "v"));
    EXPECT_FALSE(ini::scrivibile("A", "[k]", "v"));
    EXPECT_FALSE(ini::scrivibile("A", ";k", "v"));
}

TEST(Ini, ListsTheKeysOfASectionOnceEach) {
    const auto voci =
        ini::vociSezione("[Strings]\n0001=a\n;0002=b\n0001=c\n0003 = d \n", "strings");
    ASSERT_EQ(voci.size(), 2U);
    EXPECT_EQ(voci[0].chiave, "0001");
    EXPECT_EQ(voci[0].valore, "a");
    EXPECT_EQ(voci[1].chiave, "0003");
    EXPECT_EQ(voci[1].valore, "d");
}
