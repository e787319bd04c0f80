// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velocita.h"

#include <gtest/gtest.h>
#include <limits>

using namespace scrivolta;

TEST(Velocita, ScoreIsTheFlooredDoubleProductCappedAtAFullScore) {
    struct Caso {
        float velocita;
        float fattore;
        int punteggio;
    };
    const Caso casi[] = {
        {2.0F, 0.4F, 80},  {2.05F, 0.4F, 81},
        {2.1F, 0.4F, 83},  {5.0F, 0.2F, 100},
        {6.0F, 0.2F, 100}, {0.0F, 0.4F, 0},
        {0.01F, 0.2F, 0},  {std::numeric_limits<float>::quiet_NaN(), 0.4F, 100},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(punteggioVelocita(c.velocita, c.fattore), c.punteggio) << c.velocita;
}

TEST(Velocita, KeystrokesAMinuteRoundTheSinglePrecisionProduct) {
    // 61 characters in 120 s: 30.4999995 in double, 30.5 in single.
    EXPECT_EQ(battuteAlMinuto(61.0F / 120.0F), 31.0);
    EXPECT_EQ(battuteAlMinuto(2.05F), 123.0);
    EXPECT_EQ(battuteAlMinuto(0.0F), 0.0);
    EXPECT_EQ(battuteAlMinuto(std::numeric_limits<float>::infinity()), 0.0);
}
