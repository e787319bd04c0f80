// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/rilievo.h"

#include <utility>

namespace scrivolta {

namespace {

constexpr Colore kNero = rgb(0, 0, 0);
constexpr Colore kRosso = rgb(255, 0, 0);
constexpr int kPassoOmbra = 15;

// Corners of ring i: one pixel outside the key for ring 0, one more for each ring.
struct Anello {
    Punto altoSinistra;
    Punto altoDestra;
    Punto bassoSinistra;
    Punto bassoDestra;
};

Anello anello(const Rettangolo& t, int i) {
    const int sinistra = t.left - i - 1;
    const int alto = t.top - i - 1;
    const int destra = t.left + t.width + i;
    const int basso = t.top + t.height + i;
    return {{sinistra, alto}, {destra, alto}, {sinistra, basso}, {destra, basso}};
}

void contornoPiatto(std::vector<Segmento>& out, const Anello& a, Colore colore) {
    out.push_back({a.altoSinistra, a.altoDestra, colore});
    out.push_back({a.altoDestra, a.bassoDestra, colore});
    out.push_back({a.bassoDestra, a.bassoSinistra, colore});
    out.push_back({a.bassoSinistra, a.altoSinistra, colore});
}

// Right edge down, bottom edge left in the shadow colour; then left edge up
// and top edge right in the light colour.
void contornoInRilievo(std::vector<Segmento>& out, const Anello& a, Colore ombra, Colore luce) {
    out.push_back({a.altoDestra, a.bassoDestra, ombra});
    out.push_back({a.bassoDestra, a.bassoSinistra, ombra});
    out.push_back({a.bassoSinistra, a.altoSinistra, luce});
    out.push_back({a.altoSinistra, a.altoDestra, luce});
}

} // namespace

std::vector<Segmento> contornoTasto(const Rettangolo& tasto, Colore sfondo, bool premuto,
                                    bool semplice, int spessore) {
    std::vector<Segmento> out;
    out.reserve(static_cast<std::size_t>(spessore + 1) * 4);
    int passo = 0;
    for (int i = 0; i <= spessore; ++i) {
        const Anello a = anello(tasto, i);
        if (semplice) {
            contornoPiatto(out, a, premuto ? kRosso : kNero);
            continue;
        }
        Colore ombra = schiarito(sfondo, -kPassoOmbra - passo);
        Colore luce = schiarito(sfondo, kPassoOmbra + passo);
        if (premuto)
            std::swap(ombra, luce);
        contornoInRilievo(out, a, ombra, luce);
        passo += kPassoOmbra;
    }
    return out;
}

} // namespace scrivolta
