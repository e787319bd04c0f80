// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/servizi.h"

namespace scrivolta {

void AttendiSecondi(const Clock& clock, Waiter& waiter, int seconds, bool events) {
    constexpr int kStepMs = 10;
    const auto start = wholeSeconds(clock.now());
    while (wholeSeconds(clock.now()) - start < seconds) {
        if (events)
            waiter.attendi(kStepMs);
        else
            waiter.dormi(kStepMs);
    }
}

} // namespace scrivolta
