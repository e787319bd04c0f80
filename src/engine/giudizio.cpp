// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/giudizio.h"

#include <array>

namespace scrivolta {

namespace {

struct Fascia {
    double limiteEsperto;
    double limitePrincipiante;
    Giudizio giudizio;
};

// Percent of errors up to which each class holds; above the last, "poor".
constexpr std::array<Fascia, 3> kFasce = {{
    {0.5, 2.0, {'B', rgb(0, 255, 255)}},
    {0.75, 3.0, {'A', rgb(0, 255, 0)}},
    {1.0, 4.0, {'C', rgb(255, 255, 192)}},
}};
constexpr Giudizio kScarso{'D', rgb(255, 128, 128)};

} // namespace

Giudizio giudizioErrori(int errori, int esatte, bool esperto) {
    // Without accepted keystrokes there is no ratio: it counts as none.
    const double percento = esatte == 0 ? 0.0 : static_cast<double>(errori) / esatte * 100.0;
    for (const Fascia& f : kFasce) {
        if (percento <= (esperto ? f.limiteEsperto : f.limitePrincipiante))
            return f.giudizio;
    }
    return kScarso;
}

} // namespace scrivolta
