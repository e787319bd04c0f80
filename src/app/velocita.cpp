// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velocita.h"

#include <cmath>

namespace scrivolta {

namespace {
constexpr int kPunteggioPieno = 100;
constexpr float kSecondiAlMinuto = 60.0F;
} // namespace

int punteggioVelocita(float velocita, float fattore) {
    const double p =
        std::floor(static_cast<double>(velocita) * static_cast<double>(fattore) * 100.0);
    if (!(p < kPunteggioPieno))
        return kPunteggioPieno;
    return p > 0.0 ? static_cast<int>(p) : 0;
}

// The product stays in single precision, as the speed was stored.
double battuteAlMinuto(float velocita) {
    const float alMinuto = velocita * kSecondiAlMinuto;
    return std::isfinite(alMinuto) ? std::round(static_cast<double>(alMinuto)) : 0.0;
}

} // namespace scrivolta
