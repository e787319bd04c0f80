// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/servizi.h"

#include <algorithm>
#include <limits>

namespace scrivolta {

void AttendiSecondi(const Clock& clock, Waiter& waiter, int seconds, bool events) {
    using std::chrono::milliseconds;
    const auto start = wholeSeconds(clock.now());
    const auto fine = std::chrono::system_clock::time_point(std::chrono::seconds(start + seconds));
    while (wholeSeconds(clock.now()) - start < seconds) {
        // One wait to the second that ends it, not short steps: every step
        // wakes the processor, and a step's last millisecond used to spin.
        const auto resto = std::chrono::ceil<milliseconds>(fine - clock.now());
        const int ms = static_cast<int>(
            std::clamp<milliseconds::rep>(resto.count(), 1, std::numeric_limits<int>::max()));
        if (events)
            waiter.attendi(ms);
        else
            waiter.dormi(ms);
    }
}

} // namespace scrivolta
