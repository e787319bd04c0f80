// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/testi.h"

#include <array>
#include <string>

namespace scrivolta {

// Score of a phrase in percent as the main window shows it, 1-100: 100 is
// 2.5 characters per second for a beginner (factor 0.4) and 5 for an expert
// (factor 0.2); the results table shows the same figure, with 0 as 0.
int punteggioFrase(float velocita, float fattore);

// `calcolaMediaLevel`: average score of the five phrases of a level
// starting at `prima` (1, 6 or 11), each speed capped at a full score.
int calcolaMediaLevel(const std::array<float, 16>& velocita, int prima, float fattore);

// `FasciaPunteggio`: icon band 0-4 from the lowest to the highest score,
// 5-9 for an expert.
int FasciaPunteggio(int punteggio, bool esperto);

// Width of the live bar for the time per keystroke: full at 4 seconds for
// a beginner and at 2 for an expert.
int larghezzaBarraVelocita(int secondi, int caratteri, int larghezzaBarra, float fattore);

// The message after a phrase. `lode` is the praise word, used when the
// score is 41 or more.
std::string messaggioFineFrase(const TestiPrincipali& testi, int punteggio, float velocita,
                               bool record, const std::string& lode);

// Minutes left in a text file at 260 keystrokes a minute: "< 1" or a number.
std::string minutiRimanenti(long long caratteriRimanenti);

// "mm:ss" of a duration; the minutes start again after an hour.
std::string orologio(long long secondi);

} // namespace scrivolta
