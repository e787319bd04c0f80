// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sagoma.h"

#include <algorithm>
#include <array>
#include <string>

namespace scrivolta::sagoma {

namespace {

constexpr int kTwipsPerPixel = 15;

// How far the rounded tip of a finger stays inside its block, on the left
// and on the right, row by row.
struct Rientro {
    int sinistra;
    int destra;
};
using Punta = std::array<Rientro, 5>;
constexpr Punta kPunta = {{{8, 8}, {5, 5}, {3, 3}, {2, 2}, {1, 1}}};
// The right middle finger's block is one pixel wider than the left one's,
// and its first rows keep the left tip's width.
constexpr Punta kPuntaMedioDestro = {{{8, 9}, {5, 6}, {3, 3}, {2, 2}, {1, 1}}};

struct Dito {
    int x1;
    int x2;
    int punta; // first row of the finger
    const Punta& forma;
};

// Little, ring, middle and index finger of the left hand, then index,
// middle, ring and little finger of the right one.
constexpr std::array<Dito, 8> kDita = {{
    {0, 30, 20, kPunta},
    {34, 65, 10, kPunta},
    {69, 100, 0, kPunta},
    {104, 135, 12, kPunta},
    {228, 260, 12, kPunta},
    {263, 295, 0, kPuntaMedioDestro},
    {298, 330, 10, kPunta},
    {333, 363, 20, kPunta},
}};
// Below this row the fingers of each hand join into the palm.
constexpr int kPalmo = 120;

struct Run {
    int x1;
    int x2;
};

std::vector<Run> runsRiga(int y) {
    std::vector<Run> runs;
    if (y >= kPalmo)
        return {{kDita[0].x1, kDita[3].x2}, {kDita[4].x1, kDita[7].x2}};
    for (const Dito& d : kDita) {
        if (y < d.punta)
            continue;
        const auto riga = static_cast<std::size_t>((y - d.punta) / 2);
        const Rientro rientro = riga < d.forma.size() ? d.forma[riga] : Rientro{0, 0};
        runs.push_back({d.x1 + rientro.sinistra, d.x2 - rientro.destra});
    }
    return runs;
}

std::uint32_t voce(int x1, int y, int x2) {
    return static_cast<std::uint32_t>(x1) * 1000000U + static_cast<std::uint32_t>(y) * 1000U +
           static_cast<std::uint32_t>(x2);
}

// The enlarged outline is the normal one drawn again at the larger size.
std::vector<std::uint32_t> costruisci(bool grande) {
    const Dimensione normale = dimensione(false);
    const Dimensione d = dimensione(grande);
    std::vector<std::uint32_t> out;
    for (int y = 0; y < d.altezza; y += 2) {
        const int sorgente = y * normale.altezza / d.altezza;
        for (const Run& r : runsRiga(sorgente - sorgente % 2))
            out.push_back(voce(r.x1 * d.larghezza / normale.larghezza, y,
                               r.x2 * d.larghezza / normale.larghezza));
    }
    return out;
}

} // namespace

std::vector<Rettangolo> rettangoliVoce(std::uint32_t v) {
    std::string cifre = std::to_string(v);
    if (cifre.size() < 7)
        cifre.insert(0, 7 - cifre.size(), '0');
    const std::size_t n = cifre.size();
    const int x2 = std::stoi(cifre.substr(n - 3));
    const int y = std::stoi(cifre.substr(n - 6, 3));
    const int x1 = std::stoi(cifre.substr(0, n - 6));
    return {{x1, y, x2, y + 1}, {x1, y + 1, x2, y + 2}};
}

Dimensione dimensione(bool grande) {
    return grande ? Dimensione{7785 / kTwipsPerPixel, 4395 / kTwipsPerPixel}
                  : Dimensione{5445 / kTwipsPerPixel, 3075 / kTwipsPerPixel};
}

const std::vector<std::uint32_t>& tabella(bool grande) {
    static const std::vector<std::uint32_t> normale = costruisci(false);
    static const std::vector<std::uint32_t> ingrandita = costruisci(true);
    return grande ? ingrandita : normale;
}

} // namespace scrivolta::sagoma
