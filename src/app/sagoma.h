// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The outline of the key overlay: runs of pixels on even rows, each stored
// as one number xStart * 1,000,000 + y * 1,000 + xEnd, the way the
// overlay's outline tables keep them.
namespace scrivolta::sagoma {

struct Rettangolo {
    int x1;
    int y1;
    int x2; // excluded
    int y2; // excluded
    friend bool operator==(const Rettangolo&, const Rettangolo&) = default;
};

// The two one-pixel rows a table entry covers: the run on its own row and
// the same run on the odd row below.
std::vector<Rettangolo> rettangoliVoce(std::uint32_t voce);

// The overlay's size in pixels: 5445 x 3075 twips, or 7785 x 4395 when the
// window is scaled to a large screen.
struct Dimensione {
    int larghezza;
    int altezza;
};
Dimensione dimensione(bool grande);

// The table for the normal or the enlarged overlay: two hands of four
// fingers, whose tips rise to the home-row keys; the widest rows hold eight
// finger-wide blocks.
const std::vector<std::uint32_t>& tabella(bool grande);

} // namespace scrivolta::sagoma
