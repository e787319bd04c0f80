// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"
#include "keyboard/tasti.h"

#include <vector>

namespace scrivolta {

struct Punto {
    int x = 0;
    int y = 0;
    friend bool operator==(const Punto&, const Punto&) = default;
};

struct Segmento {
    Punto da;
    Punto a;
    Colore colore;
};

// `DisegnaTasto`'s outline of a key, as one-pixel lines around `tasto` (in
// pixels). Rings 0 to `spessore` grow outwards. Flat drawing gives black
// rectangles for a raised key and red ones for a pressed key; relief drawing
// shades the key's own colour, darker towards the outside on the shadow side
// (right and bottom) and lighter on the lit side, swapped when pressed.
std::vector<Segmento> contornoTasto(const Rettangolo& tasto, Colore sfondo, bool premuto,
                                    bool semplice, int spessore);

} // namespace scrivolta
