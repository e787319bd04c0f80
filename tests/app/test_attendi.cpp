// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/attendi.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace scrivolta;

namespace {

// A tick count that moves only while the wait waits; every wait may be cut
// short by a window event, as a real one is.
struct TickFinto {
    explicit TickFinto(std::uint32_t inizio, int passo = 0) : adesso(inizio), passoEvento(passo) {}

    std::uint32_t adesso;
    int passoEvento;
    std::vector<int> resti;

    int attendi(int ms) {
        return Attendi(
            ms, [this] { return adesso; },
            [this](int resto) {
                resti.push_back(resto);
                const bool evento = passoEvento > 0 && passoEvento < resto;
                const int passo = evento ? passoEvento : resto;
                adesso += static_cast<std::uint32_t>(passo > 0 ? passo : 1);
                return !evento;
            });
    }
};

constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();

} // namespace

TEST(Attendi, EndsOnTimeWhateverTheTickCount) {
    for (const std::uint32_t inizio : {0U, 1000U, kMax - 5, kMax - 15, kMax}) {
        TickFinto t{inizio};
        EXPECT_EQ(t.attendi(10), kAttesaScaduta);
        // The tick reaching the deadline exactly is not yet past it.
        EXPECT_GE(t.adesso - inizio, 10U) << "start " << inizio;
        EXPECT_LE(t.adesso - inizio, 11U) << "start " << inizio;
    }
}

TEST(Attendi, EventsDoNotEndTheWaitEarly) {
    TickFinto t{kMax - 7, 3};
    EXPECT_EQ(t.attendi(10), kAttesaScaduta);
    EXPECT_LE(t.adesso - (kMax - 7), 11U);
    EXPECT_EQ(t.resti.front(), 10);
    EXPECT_GT(t.resti.size(), 3U);
}

TEST(Attendi, ADeadlineBehindTheTickCountHasPassed) {
    // Just before and just after the wrap, on both sides of the deadline.
    EXPECT_FALSE(attesaScaduta(5, kMax - 4, 10));
    EXPECT_TRUE(attesaScaduta(5, 6, 10));
    EXPECT_TRUE(attesaScaduta(kMax, 2, 10));
    EXPECT_FALSE(attesaScaduta(kMax, kMax, 10));
    // Passed by more than the wait itself: the difference wraps positive.
    EXPECT_TRUE(attesaScaduta(100, 100 + 0x80000000U + 5, 10));
}

TEST(Attendi, NoTimeIsAWaitOfZero) {
    TickFinto t{42};
    EXPECT_EQ(t.attendi(0), kAttesaScaduta);
    EXPECT_LE(t.adesso - 42, 1U);
}

// The millisecond tick may still read the deadline when the wait's own timer
// has fired: the wait must end then, not call a wait of 0 again and again
// until the tick moves.
TEST(Attendi, ATimeThatRanOutEndsTheWaitWhateverTheTick) {
    for (const int ritardo : {0, 1}) {
        std::uint32_t adesso = 500;
        int chiamate = 0;
        const auto ritorno = Attendi(
            10, [&adesso] { return adesso; },
            [&](int resto) {
                // The timer fires with the tick `ritardo` behind; a loop that
                // keeps calling gets the tick moving after a while, so that a
                // faulty wait fails here rather than hangs.
                ++chiamate;
                adesso +=
                    static_cast<std::uint32_t>(std::max(resto - ritardo, chiamate > 1000 ? 1 : 0));
                return true;
            });
        EXPECT_EQ(ritorno, kAttesaScaduta);
        EXPECT_EQ(chiamate, 1) << "tick lagging by " << ritardo;
    }
}
