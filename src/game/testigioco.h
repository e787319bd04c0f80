// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/voce.h"

#include <array>
#include <string>

namespace scrivolta {

class FileLingua;

// The messages of the game window (`testiGioco`).
namespace testoGioco {
inline constexpr std::size_t SerieCorta = 0;
inline constexpr std::size_t Gioco = 1;
inline constexpr std::size_t InizioAllenamento = 2;
inline constexpr std::size_t FineAllenamento = 3;
inline constexpr std::size_t FineGioco = 4;
inline constexpr std::size_t BloccoMaiuscole = 5;
} // namespace testoGioco

// Every text of the game window, Windows-1252.
struct TestiGioco {
    std::string allenamento;
    std::string gioco;
    std::string velocita;
    std::string tempo;
    std::string punti;
    std::string chiudi;
    std::string ricomincia;
    // `optDifficulty(0..2)` and `(7)`.
    std::array<std::string, 3> difficolta;
    std::string personalizzato;
    std::array<std::string, 6> messaggi;
    // Added to the Caps Lock warning where the program cannot switch it off:
    // the main window's own words for it.
    std::string maiuscoleDaSpegnere;
    // Before the path of a records file that cannot be written: the words
    // the progress window uses for any file it cannot write.
    std::string fileNonScritto;
    // The words of the game's speech: the keys as the exercise names them.
    TestiVoce voce;
};

// The built-in Italian texts.
TestiGioco testiGiocoPredefiniti();

// The texts of a language file, by their ids.
TestiGioco testiGiocoDaLingua(const FileLingua& lingua);

} // namespace scrivolta
