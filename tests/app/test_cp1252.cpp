// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"

#include <gtest/gtest.h>

using namespace scrivolta;

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const auto code = static_cast<unsigned char>(b);
        const auto back = cp1252::fromUnicode(cp1252::toUnicode(code));
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, code) << b;
    }
}

TEST(Cp1252, TypographicCharactersOfFrenchTextHaveTheirCodes) {
    EXPECT_EQ(cp1252::fromUnicode(U'€'), 0x80);
    EXPECT_EQ(cp1252::fromUnicode(U'\u2019'), 0x92); // ’
    EXPECT_EQ(cp1252::fromUnicode(U'\u201C'), 0x93); // “
    EXPECT_EQ(cp1252::fromUnicode(U'\u0153'), 0x9C); // œ
    EXPECT_EQ(cp1252::fromUnicode(U'é'), 0xE9);
    EXPECT_EQ(cp1252::toUnicode(0x9C), U'\u0153');
}

TEST(Cp1252, CharactersOutsideTheCodePageHaveNoCode) {
    EXPECT_FALSE(cp1252::fromUnicode(U'\U0001F600').has_value()); // emoji
    EXPECT_FALSE(cp1252::fromUnicode(U'\u03B1').has_value());     // alpha
    EXPECT_FALSE(cp1252::fromUnicode(0x110000).has_value());
}

TEST(Cp1252, Utf8ConversionKeepsTextAndReplacesWhatCannotBeCoded) {
    const std::string utf8 = "D\xC3\xA9j\xC3\xA0 5\xE2\x82\xAC \xF0\x9F\x98\x80!";
    const std::string cp = cp1252::fromUtf8(utf8);
    EXPECT_EQ(cp, "D\xE9j\xE0 5\x80 ?!");
    EXPECT_EQ(cp1252::toUtf8("D\xE9j\xE0 5\x80"), "D\xC3\xA9j\xC3\xA0 5\xE2\x82\xAC");
}

TEST(Cp1252, MalformedUtf8NeverReadsPastTheEnd) {
    EXPECT_EQ(cp1252::fromUtf8("a\xC3"), "a?");
    EXPECT_EQ(cp1252::fromUtf8("\xE2\x82"), "?");
    EXPECT_EQ(cp1252::fromUtf8("\xFF\xFEz"), "??z");
    EXPECT_EQ(cp1252::fromUtf8("\xC3(", '_'), "_(");
}

// Overlong forms would smuggle a slash or a NUL past a check on the text;
// they and surrogates are one unknown character each.
TEST(Cp1252, OverlongFormsAndSurrogatesAreNotDecoded) {
    EXPECT_EQ(cp1252::fromUtf8("a\xC0\xAF"
                               "b"),
              "a?b");
    EXPECT_EQ(cp1252::fromUtf8("\xE0\x80\x80"), "?");
    EXPECT_EQ(cp1252::fromUtf8("\xED\xA0\x80z"), "?z");
}
