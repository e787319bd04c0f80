// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/tastideboli.h"
#include "keyboard/mappatasti.h"
#include "settings/ini.h"

#include <gtest/gtest.h>

using namespace scrivolta;
using namespace scrivolta::storico;

namespace {

int tastoDi(unsigned char c) {
    return mappaTasti[static_cast<std::size_t>(*cercaCarattere(c))].tasto;
}

std::string leggi(const std::string& ftd, int livello, int numero) {
    return ini::leggi(ftd, std::to_string(livello) + "Livello", std::to_string(numero))
        .value_or("");
}

} // namespace

TEST(TastiDeboli, TheWorstRatesComeFirstAmongKeysWithEnoughTries) {
    const std::vector<ConteggioTasto> conti = {
        {"", 'a', 10, 0},  // never wrong
        {"", 'z', 3, 1},   // too few tries to judge
        {"", 'e', 8, 2},   // 0.2
        {"", 'r', 5, 5},   // 0.5
        {"", ' ', 1, 9},   // the blank is practised everywhere
        {"", '\r', 0, 9},  // so is Enter
        {"", 0xE9, 6, 4},  // é, 0.4
        {"", 'q', 18, 2},  // 0.1
        {"", 'w', 9, 1},   // 0.1 with fewer errors
        {"", 'x', 9, 1},   // as w, later in the code page
        {"", 0xA6, 0, 50}, // ¦ would split a phrase of the file
    };
    const std::vector<Sostituzione> sost = {{"", 'r', 'e', 1}, {"", 'r', 't', 3}};
    const auto deboli = tastiDeboli(conti, sost);
    std::string ordine;
    for (const auto& d : deboli)
        ordine += static_cast<char>(d.carattere);
    EXPECT_EQ(ordine, "r\xE9"
                      "eqw");
    EXPECT_DOUBLE_EQ(deboli[0].tasso, 0.5);
    EXPECT_EQ(deboli[0].alPostoDi, 't');
    EXPECT_FALSE(deboli[1].alPostoDi.has_value());
    EXPECT_EQ(tastiDeboli(conti, sost, 2).size(), 2U);
}

TEST(TastiDeboli, FiveTriesAreEnoughToJudgeAKey) {
    for (const auto& [giusti, quanti] : {std::pair{4, 1U}, std::pair{3, 0U}})
        EXPECT_EQ(tastiDeboli({{"", 't', giusti, 1}}, {}).size(), quanti) << giusti;
}

TEST(TastiDeboli, AKeyCountsEveryCharacterItTypes) {
    const auto tassi = tassiPerTasto({{"", 'a', 6, 1}, {"", 'A', 2, 1}, {"", 0x80, 1, 1}});
    const auto a = static_cast<std::size_t>(tastoDi('a'));
    ASSERT_EQ(a, static_cast<std::size_t>(tastoDi('A')));
    ASSERT_TRUE(tassi[a].has_value());
    EXPECT_DOUBLE_EQ(*tassi[a], 0.2);
    EXPECT_TRUE(tassi[static_cast<std::size_t>(tastoDi(0x80))].has_value());
    EXPECT_FALSE(tassi[static_cast<std::size_t>(tastoDi('b'))].has_value());
}

TEST(TastiDeboli, TheExerciseFileHasFivePhrasesPerLevelOfTypeableDrills) {
    const std::vector<unsigned char> deboli = {0xE9, 'q', '(', 'q'};
    const std::string ftd = esercizioTastiDeboli(deboli);
    for (int livello = 1; livello <= 3; ++livello) {
        for (int n = 1; n <= 5; ++n) {
            const std::string f = leggi(ftd, livello, n);
            ASSERT_FALSE(f.empty()) << livello << "/" << n;
            EXPECT_LE(f.size(), 60U) << f;
            for (const char c : f)
                EXPECT_TRUE(c == ' ' || cercaCarattere(static_cast<unsigned char>(c))) << f;
            EXPECT_NE(f.find_first_of("\xE9q("), std::string::npos) << f;
        }
        // Five phrases taken in order, not a pool of fifteen.
        EXPECT_EQ(leggi(ftd, livello, 6), "");
    }
    EXPECT_NE(leggi(ftd, 1, 1).find('\xE9'), std::string::npos);
    EXPECT_NE(leggi(ftd, 1, 2).find('q'), std::string::npos);
    EXPECT_NE(leggi(ftd, 1, 3).find('('), std::string::npos);
    // Real words for the last level: "mécanicien" holds an é.
    EXPECT_NE(ftd.find("m\xE9"
                       "canicien"),
              std::string::npos);
}

TEST(TastiDeboli, NoExerciseWithoutACharacterToPractise) {
    EXPECT_EQ(esercizioTastiDeboli({}), "");
    EXPECT_EQ(esercizioTastiDeboli({' ', '\r', 0xA6}), "");
    // A character no built-in word holds still gets three levels.
    EXPECT_FALSE(leggi(esercizioTastiDeboli({'#'}), 3, 5).empty());
}
