// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of `ClsResize`: a window laid out for 800 x 600 grows by
// fixed factors on a larger screen. Every result is computed from the design
// geometry, never from a value already scaled, so scaling twice changes
// nothing.
namespace scrivolta::ridimensiona {

inline constexpr double kOrizzontale = 1.41;
inline constexpr double kVerticale = 1.31;
// Fonts grow by the square root of the horizontal factor, so that text that
// fitted its control still fits once both have grown.
double fattoreFont();

enum class TipoControllo { Linea, Immagine, Altro };

// A control's design geometry in its container's units: Left, Top, Width,
// Height (for a line X1, Y1, X2, Y2) and the font size in points, 0 when the
// control has none.
struct Geometria {
    double a = 0;
    double b = 0;
    double c = 0;
    double d = 0;
    double punti = 0;
    friend bool operator==(const Geometria&, const Geometria&) = default;
};

// Pictures keep their size and only move, by 4 units more than the scaled
// position, so that they stay clear of the enlarged borders around them.
inline constexpr double kSpostamentoImmagini = 4;

Geometria scala(TipoControllo tipo, const Geometria& progetto);

} // namespace scrivolta::ridimensiona
