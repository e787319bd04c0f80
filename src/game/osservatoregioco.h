// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace scrivolta {

// A finished game or training run, as its results panel showed it.
struct FineCorsa {
    std::string studente;
    std::chrono::system_clock::time_point ora; // when it ended
    bool allenamento = false;
    int difficolta = 0; // the chosen option: a game difficulty or a training set
    int livello = 0;    // the game level reached; 0 for a training
    long long punti = 0;
    int esatte = 0;
    int errate = 0;
    int precisione = 0;       // the training's score in per cent
    std::int64_t secondi = 0; // from the start button to the end
};

// Told once at the end of each run the learner really played: a game over,
// a game left after a finished level, a training to its time limit or
// stopped once its characters fell.
class OsservatoreGioco {
public:
    virtual ~OsservatoreGioco() = default;
    virtual void corsaFinita(const FineCorsa& fine) = 0;
};

} // namespace scrivolta
