// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/record.h"
#include "keyboard/tasti.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace scrivolta::storico {

// A character the learner often gets wrong.
struct TastoDebole {
    unsigned char carattere = 0;
    int giusti = 0;
    int sbagliati = 0;
    double tasso = 0; // wrong keystrokes per keystroke due, 0-1
    // What the learner most often typed instead, if anything was counted.
    std::optional<int> alPostoDi;
};

// A character needs this many keystrokes before its error rate means
// anything.
inline constexpr int kMinimoTentativi = 5;
inline constexpr std::size_t kTastiDeboli = 5;

// The characters with the highest error rate, worst first, at most
// `quanti`: only characters a key types, not the blank or line breaks
// (which every exercise practises anyway), never one without errors.
std::vector<TastoDebole> tastiDeboli(const std::vector<ConteggioTasto>& conteggi,
                                     const std::vector<Sostituzione>& sostituzioni,
                                     std::size_t quanti = kTastiDeboli);

// The error rate of each key of the on-screen keyboard (0-1), over every
// character the key types as its main key; nothing for a key never due.
std::array<std::optional<double>, kNumeroTasti>
tassiPerTasto(const std::vector<ConteggioTasto>& conteggi);

// An exercise file (the practice-file format, Windows-1252) of five phrases
// per level built from `deboli`: drills of each character with the home
// row, then the characters mixed, then French words that hold them. Empty
// when `deboli` is.
std::string esercizioTastiDeboli(const std::vector<unsigned char>& deboli);

} // namespace scrivolta::storico
