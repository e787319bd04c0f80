#include "app/sagoma.h"

#include <gtest/gtest.h>
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

TEST(Sagoma, TheNormalTableStartsAtTheMiddleFingertips) {
    const auto& t = tabella(false);
    ASSERT_GE(t.size(), 6U);
    EXPECT_EQ(t[0], 77000092U);
    EXPECT_EQ(t[2], 74002095U);
    EXPECT_EQ(t[4], 72004097U);
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
