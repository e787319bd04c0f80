// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/rilievo.h"

#include <gtest/gtest.h>
#include <set>

using namespace scrivolta;

namespace {
const Rettangolo kTasto{100, 50, 29, 33};
}

TEST(ContornoTasto, FlatKeysHaveOneRectanglePerRingInBlackOrRed) {
    for (const bool premuto : {false, true}) {
        const auto s = contornoTasto(kTasto, rgb(1, 2, 3), premuto, true, 3);
        ASSERT_EQ(s.size(), 16U);
        for (const auto& seg : s)
            EXPECT_EQ(seg.colore, premuto ? rgb(255, 0, 0) : rgb(0, 0, 0));
        // Ring 0 hugs the key, ring 3 is three pixels further out.
        EXPECT_EQ(s[0].da, (Punto{99, 49}));
        EXPECT_EQ(s[12].da, (Punto{96, 46}));
        EXPECT_EQ(s[13].a, (Punto{100 + 29 + 3, 50 + 33 + 3}));
    }
}

TEST(ContornoTasto, ALargeScreenAddsARing) {
    EXPECT_EQ(contornoTasto(kTasto, 0, false, true, 4).size(), 20U);
    EXPECT_EQ(contornoTasto(kTasto, 0, false, false, 4).size(), 20U);
}

TEST(ContornoTasto, ReliefDarkensTheShadowSideOutwardsAndSwapsWhenPressed) {
    const Colore grigio = rgb(224, 224, 224);
    const auto su = contornoTasto(kTasto, grigio, false, false, 3);
    // Ring 0: right and bottom 15 darker, left and top 15 lighter.
    EXPECT_EQ(su[0].colore, rgb(209, 209, 209));
    EXPECT_EQ(su[1].colore, rgb(209, 209, 209));
    EXPECT_EQ(su[2].colore, rgb(239, 239, 239));
    EXPECT_EQ(su[3].colore, rgb(239, 239, 239));
    // Ring 3: 60 darker, and the light side limited to white.
    EXPECT_EQ(su[12].colore, rgb(164, 164, 164));
    EXPECT_EQ(su[14].colore, rgb(255, 255, 255));
    // The right edge starts at the top corner of its ring.
    EXPECT_EQ(su[0].da, (Punto{129, 49}));
    EXPECT_EQ(su[0].a, (Punto{129, 83}));

    const auto giu = contornoTasto(kTasto, grigio, true, false, 3);
    EXPECT_EQ(giu[0].colore, rgb(239, 239, 239));
    EXPECT_EQ(giu[2].colore, rgb(209, 209, 209));
}

TEST(ContornoTasto, DarkColoursNeverWrapBelowBlack) {
    const auto s = contornoTasto(kTasto, rgb(10, 40, 250), false, false, 3);
    EXPECT_EQ(s[12].colore, rgb(0, 0, 190));
    EXPECT_EQ(s[14].colore, rgb(70, 100, 255));
}
