// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace scrivolta {

// The learners' best game scores, one section per learner in
// "ScrivoltaWinner.ini", one key per difficulty ("Difficulty1" Facile to
// "Difficulty3" Difficile).
using RecordGioco = std::array<int, 3>;

// The records of `utente`; missing, empty and non-numeric values are 0.
RecordGioco LeggiRecord(const std::string& file, const std::string& utente);

// Stores `punteggio` as the record of `difficolta` (0-2), atomically.
// False when the file could not be written or there is no learner's name.
bool ScriviRecord(const std::string& file, const std::string& utente, int difficolta,
                  int punteggio);

} // namespace scrivolta
