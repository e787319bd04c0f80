// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/giudizio.h"

#include <gtest/gtest.h>

using namespace scrivolta;

namespace {
char lettera(int errori, int esatte, bool esperto) {
    return giudizioErrori(errori, esatte, esperto).lettera;
}
} // namespace

TEST(GiudizioErrori, BeginnerThresholdsAtTwoThreeAndFourPercent) {
    EXPECT_EQ(lettera(0, 100, false), 'B');
    EXPECT_EQ(lettera(2, 100, false), 'B');
    EXPECT_EQ(lettera(201, 10000, false), 'A');
    EXPECT_EQ(lettera(3, 100, false), 'A');
    EXPECT_EQ(lettera(301, 10000, false), 'C');
    EXPECT_EQ(lettera(4, 100, false), 'C');
    EXPECT_EQ(lettera(401, 10000, false), 'D');
}

TEST(GiudizioErrori, ExpertThresholdsAreFourTimesStricter) {
    EXPECT_EQ(lettera(1, 200, true), 'B'); // 0.5 %
    EXPECT_EQ(lettera(51, 10000, true), 'A');
    EXPECT_EQ(lettera(3, 400, true), 'A'); // 0.75 %
    EXPECT_EQ(lettera(76, 10000, true), 'C');
    EXPECT_EQ(lettera(1, 100, true), 'C'); // 1 %
    EXPECT_EQ(lettera(101, 10000, true), 'D');
    EXPECT_EQ(lettera(3, 100, true), 'D');
}

TEST(GiudizioErrori, EachClassHasItsColour) {
    EXPECT_EQ(giudizioErrori(0, 10, false).sfondo, rgb(0, 255, 255));
    EXPECT_EQ(giudizioErrori(25, 1000, false).sfondo, rgb(0, 255, 0));
    EXPECT_EQ(giudizioErrori(35, 1000, false).sfondo, rgb(255, 255, 192));
    EXPECT_EQ(giudizioErrori(50, 1000, false).sfondo, rgb(255, 128, 128));
}

TEST(GiudizioErrori, NoAcceptedKeystrokesCountsAsNoErrors) {
    EXPECT_EQ(lettera(3, 0, false), 'B');
}
