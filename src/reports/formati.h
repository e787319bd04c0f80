// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The number formats of the results and the report. Numbers are written
// with "." whatever the desktop's locale, as the report's own texts are.
namespace scrivolta {

// "0": the nearest whole number, halves away from zero (2.5 gives "3").
std::string formatoIntero(double valore);

// "0.0": one decimal, halves away from zero.
std::string formatoDecimale(double valore);

// "##0.0%" and "#0.0%": the share as a percentage with one decimal, e.g.
// 0.015 gives "1.5%". The two formats differ only in digit placeholders
// that never show, so they give the same text.
std::string formatoPercento(double quota);

// Halves to even, the rounding of the program's integer conversions.
int arrotondaPari(double valore);

} // namespace scrivolta
