// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "content/frasi.h"
#include "keyboard/mappatasti.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace scrivolta;

namespace {
constexpr char kApostrofoTipografico = '\x92';
}

TEST(FraseInterna, EveryTextCanBeTypedOnTheKeyboard) {
    for (int n = 1; n <= kNumeroFrasiInterne; ++n) {
        for (const char c : FraseInterna(n)) {
            // Text 38 keeps a typographic apostrophe, which the learner passes
            // with the menu entry for characters without a key.
            if (c == '\n' || (n == 38 && c == kApostrofoTipografico))
                continue;
            EXPECT_TRUE(cercaCarattere(static_cast<unsigned char>(c)).has_value())
                << "text " << n << " has " << static_cast<int>(static_cast<unsigned char>(c));
        }
    }
}

TEST(FraseInterna, LevelsGrowFromPlainWordsToTwoLinesWithSymbols) {
    for (int n = 1; n <= kNumeroFrasiInterne; ++n) {
        const std::string t(FraseInterna(n));
        ASSERT_FALSE(t.empty()) << n;
        const auto righe = std::count(t.begin(), t.end(), '\r');
        EXPECT_EQ(righe, n > 30 ? 1 : 0) << n;
        if (n > 30) {
            EXPECT_NE(t.find("\r\n"), std::string::npos) << n;
        }
        if (n <= 15) {
            EXPECT_TRUE(std::none_of(t.begin(), t.end(), [](char c) {
                return c >= 'A' && c <= 'Z';
            })) << n;
            EXPECT_EQ(t.find_first_of(".,;:!?"), std::string::npos) << n;
        }
    }
    EXPECT_EQ(FraseInterna(17), "Maman est \xE0 la maison et pr\xE9pare le repas.");
    EXPECT_NE(std::string(FraseInterna(40)).find("devaient  le"), std::string::npos);
}

TEST(FraseInterna, NumbersOutsideTheTableGiveNothing) {
    EXPECT_TRUE(FraseInterna(0).empty());
    EXPECT_TRUE(FraseInterna(46).empty());
    EXPECT_TRUE(FraseInterna(-3).empty());
}

// The 45 texts word for word, as the learners and the course know them. The
// fixture is UTF-8, one text a line, "¶" where a two-line text breaks.
TEST(FraseInterna, EveryTextIsWordForWordTheOneOfTheCourse) {
    std::ifstream file(SCRIVOLTA_TEST_DATA "/frasi_interne.txt", std::ios::binary);
    ASSERT_TRUE(file);
    std::string riga;
    int n = 0;
    while (std::getline(file, riga)) {
        ++n;
        std::string atteso = cp1252::fromUtf8(riga);
        for (std::size_t p; (p = atteso.find('\xB6')) != std::string::npos;)
            atteso.replace(p, 1, "\r\n");
        EXPECT_EQ(FraseInterna(n), atteso) << "text " << n;
    }
    EXPECT_EQ(n, kNumeroFrasiInterne);
}
