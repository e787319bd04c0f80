// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sagoma.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>

using namespace scrivolta::sagoma;

TEST(Sagoma, AnEntryCoversTwoRows) {
    const std::vector<Rettangolo> attesi = {{0, 30, 30, 31}, {0, 31, 30, 32}};
    EXPECT_EQ(rettangoliVoce(30030), attesi);
    const std::vector<Rettangolo> pieni = {{333, 30, 363, 31}, {333, 31, 363, 32}};
    EXPECT_EQ(rettangoliVoce(333030363), pieni);
    const std::vector<Rettangolo> corti = {{0, 0, 7, 1}, {0, 1, 7, 2}};
    EXPECT_EQ(rettangoliVoce(7), corti);
}

// The tips of both middle fingers on the first rows, and the eight fingers
// side by side on row 30, as the overlay's picture has them.
TEST(Sagoma, TheNormalTableHoldsThePictureRuns) {
    const auto& t = tabella(false);
    const std::vector<std::uint32_t> punte(t.begin(),
                                           t.begin() + std::min<std::size_t>(6, t.size()));
    const std::vector<std::uint32_t> attese = {77000092,  271000286, 74002095,
                                               268002289, 72004097,  266004292};
    EXPECT_EQ(punte, attese);
    std::vector<std::uint32_t> riga30;
    std::copy_if(t.begin(), t.end(), std::back_inserter(riga30),
                 [](std::uint32_t v) { return v / 1000 % 1000 == 30; });
    const std::vector<std::uint32_t> dita = {30030,     34030065,  69030100,  104030135,
                                             228030260, 263030295, 298030330, 333030363};
    EXPECT_EQ(riga30, dita);
}

// Every run lies inside its window, on an even row, and the widest rows hold
// the eight fingers.
TEST(Sagoma, BothTablesFitTheirWindows) {
    for (const bool grande : {false, true}) {
        const Dimensione d = dimensione(grande);
        std::set<int> righe;
        std::size_t piuLarga = 0;
        std::map<int, std::size_t> perRiga;
        for (const std::uint32_t v : tabella(grande)) {
            for (const Rettangolo& r : rettangoliVoce(v)) {
                EXPECT_GE(r.x1, 0);
                EXPECT_LT(r.x1, r.x2);
                EXPECT_LE(r.x2, d.larghezza);
                EXPECT_LE(r.y2, d.altezza + 1);
            }
            const int y = static_cast<int>(v / 1000 % 1000);
            EXPECT_EQ(y % 2, 0);
            piuLarga = std::max(piuLarga, ++perRiga[y]);
        }
        EXPECT_EQ(piuLarga, 8U);
        EXPECT_GT(tabella(grande).size(), 300U);
    }
    EXPECT_EQ(dimensione(false).larghezza, 363);
    EXPECT_EQ(dimensione(true).altezza, 293);
}
