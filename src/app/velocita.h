// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A phrase's speed as the learner reads it: the main window's message after
// the phrase and the results table show the same figures, so both take them
// from here.
namespace scrivolta {

// The score of a speed in characters per second, in percent of a full
// score: speed times the mode's factor times 100, floored and capped at 100
// (0 for no speed). Both factors are single-precision values multiplied in
// double precision, so 2.05 x 0.4 gives 81, not 82.
int punteggioVelocita(float velocita, float fattore);

// Keystrokes a minute of a speed in characters per second, whole, halves
// away from zero; 0 for a speed that is not a number.
double battuteAlMinuto(float velocita);

} // namespace scrivolta
