// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/servizi.h"

#include <gtest/gtest.h>

using namespace scrivolta;
using namespace std::chrono;

namespace {

// A clock that only moves when the waiter waits, as a real one would.
class StepClock final : public Clock, public Waiter {
public:
    explicit StepClock(milliseconds start) : t_(start) {}
    system_clock::time_point now() const override { return system_clock::time_point(t_); }
    std::uint64_t tickMs() const override { return static_cast<std::uint64_t>(t_.count()); }
    void attendi(int ms) override {
        t_ += milliseconds(ms);
        ++eventWaits;
    }
    void dormi(int ms) override {
        t_ += milliseconds(ms);
        ++quietWaits;
    }
    void processEvents() override {}
    milliseconds t_;
    int eventWaits = 0;
    int quietWaits = 0;
};

} // namespace

TEST(AttendiSecondi, CountsWholeSecondsOfTheClock) {
    // 0.99 s into a second: the next whole second comes after 10 ms.
    StepClock late(milliseconds(5990));
    AttendiSecondi(late, late, 1, true);
    EXPECT_EQ(late.t_, milliseconds(6000));

    StepClock early(milliseconds(5000));
    AttendiSecondi(early, early, 2, true);
    EXPECT_EQ(early.t_, milliseconds(7000));
    EXPECT_EQ(early.quietWaits, 0);
}

TEST(AttendiSecondi, HoldsEventsBackWhenAsked) {
    StepClock clock(milliseconds(0));
    AttendiSecondi(clock, clock, 1, false);
    EXPECT_EQ(clock.eventWaits, 0);
    EXPECT_GT(clock.quietWaits, 0);
    AttendiSecondi(clock, clock, 0, true);
    EXPECT_EQ(clock.t_, milliseconds(1000));
}
