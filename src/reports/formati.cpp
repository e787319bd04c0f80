// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/formati.h"

#include <cmath>
#include <cstdio>

namespace scrivolta {

namespace {

// A value too large for an int cannot come from the counters; it is shown
// as it is rather than wrapped into a negative number.
double arrotondaVia(double valore, double scala) {
    return std::round(valore * scala) / scala;
}

} // namespace

std::string formatoIntero(double valore) {
    if (!std::isfinite(valore))
        return "0";
    char testo[32];
    std::snprintf(testo, sizeof testo, "%.0f", arrotondaVia(valore, 1.0) + 0.0);
    return testo;
}

std::string formatoDecimale(double valore) {
    if (!std::isfinite(valore))
        return "0.0";
    char testo[40];
    std::snprintf(testo, sizeof testo, "%.1f", arrotondaVia(valore, 10.0) + 0.0);
    return testo;
}

std::string formatoPercento(double quota) {
    return formatoDecimale(quota * 100.0) + "%";
}

int arrotondaPari(double valore) {
    return static_cast<int>(std::nearbyint(valore));
}

} // namespace scrivolta
