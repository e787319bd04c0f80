// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <cstdint>
#include <random>

namespace scrivolta::platform {

class OrologioSistema final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override;
    // From a monotonic clock: setting the system time never bends an interval.
    std::uint64_t tickMs() const override;
};

class CasualeSistema final : public RandomSource {
public:
    // Seeded from the clock, so each run draws differently.
    CasualeSistema();
    explicit CasualeSistema(std::uint64_t seme);
    double next() override;

private:
    std::mt19937_64 generatore_;
};

// Waits on the user-interface thread.
class AttesaQt final : public Waiter {
public:
    // A local event loop ended by a timer: windows stay alive and the
    // processor stays idle.
    void attendi(int ms) override;
    void dormi(int ms) override;
    void processEvents() override;
};

} // namespace scrivolta::platform
