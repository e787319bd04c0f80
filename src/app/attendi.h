// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace scrivolta {

// What `Attendi` returns when its time has run out.
inline constexpr int kAttesaScaduta = 258;
// A wait without a time limit.
inline constexpr int kSenzaLimite = -1;

// True once the tick count `adesso` has passed `scadenza`, the end of a wait
// of `ms` milliseconds. The tick count is 32 bits and wraps after 49.7 days:
// the difference is read as a signed number, and a difference larger than
// the whole wait means the deadline was passed and the subtraction wrapped.
bool attesaScaduta(std::uint32_t scadenza, std::uint32_t adesso, std::int32_t ms);

// `Attendi`: waits `ms` milliseconds (or for ever with kSenzaLimite).
// `aspetta(resto)` blocks until window events arrive or `resto` milliseconds
// pass (resto -1: until events), lets the events run, and returns true when
// its time ran out rather than an event ending it; events do not end the
// wait, the time running out does, even while the tick count still reads the
// deadline itself. Returns kAttesaScaduta.
int Attendi(int ms, const std::function<std::uint32_t()>& tick,
            const std::function<bool(int resto)>& aspetta);

} // namespace scrivolta
