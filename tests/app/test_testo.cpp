// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/testo.h"

#include <gtest/gtest.h>

using namespace scrivolta;

TEST(Testo, TrimmingKeepsWhatIsInside) {
    EXPECT_EQ(testo::senzaSpazi(" \t a b \t"), "a b");
    EXPECT_EQ(testo::senzaSpazi(" \t "), "");
    // The user name keeps its tabs: only blanks go.
    EXPECT_EQ(testo::senzaBlank("  \tAnna  "), "\tAnna");
    EXPECT_EQ(testo::senzaBlank("   "), "");
    EXPECT_EQ(testo::togliBlank(" Times New  Roman "), "TimesNewRoman");
    EXPECT_EQ(testo::togliBlank("\tA"), "\tA");
}

// Letter case follows the code page: accented letters and the few letters
// of 0x80-0x9F pair up; signs that look like letters do not.
TEST(Testo, UpperCaseFollowsTheCodePage) {
    EXPECT_EQ(testo::maiuscolo("jos\xE9 \xE0\xE7\xF9 \x9A\x9C\x9E\xFF"),
              "JOS\xC9 \xC0\xC7\xD9 \x8A\x8C\x8E\x9F");
    EXPECT_EQ(testo::maiuscolo("\xF7\xDF\xB5 1-z"), "\xF7\xDF\xB5 1-Z");
    EXPECT_TRUE(testo::ugualiSenzaMaiuscole("Fran\xE7"
                                            "ais",
                                            "FRAN\xC7"
                                            "AIS"));
    EXPECT_FALSE(testo::ugualiSenzaMaiuscole("ab", "abc"));
    EXPECT_EQ(testo::maiuscola(0xE8), 0xC8);
    EXPECT_EQ(testo::maiuscola('a'), 'A');
    // Codes beyond the code page and below it stay as they are.
    EXPECT_EQ(testo::maiuscola(0x100), 0x100);
    EXPECT_EQ(testo::maiuscola(-1), -1);
}

TEST(Testo, TheFileNameIsThePartAfterTheLastSeparator) {
    EXPECT_EQ(testo::NomeFile("/home/anna/Esercizi/prova.txt"), "prova.txt");
    EXPECT_EQ(testo::NomeFile("C:\\Scrivolta\\Esercizi\\prova.txt"), "prova.txt");
    EXPECT_EQ(testo::NomeFile("/mix\\ed/a.txt"), "a.txt");
    EXPECT_EQ(testo::NomeFile("dir/"), "");
    EXPECT_EQ(testo::NomeFile("prova.txt"), "");
    EXPECT_EQ(testo::NomeFile(""), "");
}

TEST(Testo, NumbersAreReadLenientlyAndWithinRange) {
    EXPECT_EQ(testo::leggiIntero(" 42 "), 42);
    EXPECT_EQ(testo::leggiIntero("+7"), 7);
    EXPECT_EQ(testo::leggiIntero("-3"), -3);
    EXPECT_EQ(testo::leggiIntero("2.5"), 2);
    EXPECT_EQ(testo::leggiIntero("3.5"), 4);
    EXPECT_EQ(testo::leggiIntero("2.51"), 3);
    EXPECT_EQ(testo::leggiIntero(".5"), 0);
    EXPECT_EQ(testo::leggiIntero("2147483647"), 2147483647);
    EXPECT_EQ(testo::leggiIntero("-2147483648"), -2147483647 - 1);
    for (const char* cattivo : {"", " ", "-", "+", ".", "1e3", "0x10", "2147483648", "-2147483649",
                                "99999999999999999999", "1.2.3", "1 2"})
        EXPECT_FALSE(testo::leggiIntero(cattivo).has_value()) << cattivo;
}
