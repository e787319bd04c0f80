// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf/errore.h"
#include "pdf/formato.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace scrivolta::pdf;

TEST(FormatReal, PlainDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(FormatReal(595.2F, 3), "595.2");
    EXPECT_EQ(FormatReal(842, 3), "842");
    EXPECT_EQ(FormatReal(1.0 / 3.0, 3), "0.333");
    EXPECT_EQ(FormatReal(static_cast<float>(72 / 2.54), 3), "28.346");
    EXPECT_EQ(FormatReal(-0.5, 3), "-0.5");
    EXPECT_EQ(FormatReal(0.05, 3), "0.05");
    EXPECT_EQ(FormatReal(0, 3), "0");
}

TEST(FormatReal, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(FormatReal(0.0625, 3), "0.062");
    EXPECT_EQ(FormatReal(0.1875, 3), "0.188");
    EXPECT_EQ(FormatReal(-0.0625, 3), "-0.062");
    EXPECT_EQ(FormatReal(2.5, 0), "2");
}

TEST(FormatReal, NoExponentNoNegativeZero) {
    EXPECT_EQ(FormatReal(1e-7, 3), "0");
    EXPECT_EQ(FormatReal(-1e-7, 3), "0");
    EXPECT_EQ(FormatReal(-0.0004, 3), "0");
    EXPECT_EQ(FormatReal(1e20, 3), "100000000000000000000");
    EXPECT_EQ(FormatReal(123456789.0F, 3), "123456792");
}

TEST(FormatReal, RefusesWhatAFileCannotHold) {
    EXPECT_THROW(FormatReal(std::numeric_limits<double>::infinity(), 3), PdfError);
    EXPECT_THROW(FormatReal(std::nan(""), 3), PdfError);
}

TEST(EscapeText, BackslashAndParenthesesOnly) {
    EXPECT_EQ(EscapeText("a(b)c\\d"), "a\\(b\\)c\\\\d");
    EXPECT_EQ(EscapeText("\\("), "\\\\\\(");
    EXPECT_EQ(EscapeText("riga\r\nperch\xE9"), "riga\r\nperch\xE9");
}

TEST(ASCII85Encode, GroupsZerosAndShortTails) {
    const std::vector<std::uint8_t> zeros(4, 0);
    EXPECT_EQ(ASCII85Encode(zeros), "z~>");
    EXPECT_EQ(ASCII85Encode(std::vector<std::uint8_t>{0}), "!!~>");
    EXPECT_EQ(ASCII85Encode(std::vector<std::uint8_t>{0, 0, 0, 0, 0}), "z!!~>");
    EXPECT_EQ(ASCII85Encode(std::vector<std::uint8_t>{'M', 'a', 'n', ' '}), "9jqo^~>");
    EXPECT_EQ(ASCII85Encode(std::vector<std::uint8_t>{'M', 'a', 'n'}), "9jqo~>");
    EXPECT_EQ(ASCII85Encode(std::vector<std::uint8_t>{255, 255, 255, 255}), "s8W-!~>");
    EXPECT_EQ(ASCII85Encode(std::vector<std::uint8_t>{}), "~>");
}
