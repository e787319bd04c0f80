// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ridimensiona.h"

#include <gtest/gtest.h>

using namespace scrivolta::ridimensiona;

namespace {

void expectNear(const Geometria& got, const Geometria& want) {
    EXPECT_NEAR(got.a, want.a, 1e-9);
    EXPECT_NEAR(got.b, want.b, 1e-9);
    EXPECT_NEAR(got.c, want.c, 1e-9);
    EXPECT_NEAR(got.d, want.d, 1e-9);
    EXPECT_NEAR(got.punti, want.punti, 1e-3);
}

} // namespace

TEST(Ridimensiona, EachKindOfControlGrowsItsOwnWay) {
    // A label grows in place and size, its font by the square root.
    expectNear(scala(TipoControllo::Altro, {100, 50, 200, 20, 10}), {141, 65.5, 282, 26.2, 11.874});
    // A picture keeps its size and moves four units further.
    expectNear(scala(TipoControllo::Immagine, {100, 50, 32, 32, 0}), {145, 69.5, 32, 32, 0});
    // A line scales both end points.
    expectNear(scala(TipoControllo::Linea, {10, 20, 110, 20, 0}), {14.1, 26.2, 155.1, 26.2, 0});
}

TEST(Ridimensiona, AControlWithoutAFontKeepsNone) {
    EXPECT_EQ(scala(TipoControllo::Altro, {0, 0, 10, 10, 0}).punti, 0);
}
