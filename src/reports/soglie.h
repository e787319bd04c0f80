// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace scrivolta {

// The error percentages that still earn each grade: the results after a
// level and the text report judge errors alike.
struct SoglieErrori {
    double ottimo;
    double buono;
    double sufficiente;
};

constexpr SoglieErrori soglieErrori(bool esperto) {
    return esperto ? SoglieErrori{0.5, 0.75, 1.0} : SoglieErrori{2.0, 3.0, 4.0};
}

} // namespace scrivolta
