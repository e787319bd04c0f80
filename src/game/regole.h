// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"
#include "app/servizi.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// The fixed rules of the game and the training: choices, sizes, colours,
// points and the formats of the numbers shown.
namespace scrivolta {

// The choices of the settings panel (`optDifficulty`).
namespace opzioneGioco {
inline constexpr int Facile = 0;
inline constexpr int Medio = 1;
inline constexpr int Difficile = 2;
inline constexpr int PrimaSerie = 3;
inline constexpr int UltimaSerie = 6;
inline constexpr int Personalizzato = 7;
inline constexpr int Numero = 8;
} // namespace opzioneGioco

constexpr bool eGioco(int difficolta) {
    return difficolta <= opzioneGioco::Difficile;
}

// Sounds of the game window.
namespace suonoGioco {
inline constexpr int Errore = 101;
inline constexpr int Record = 103;
inline constexpr int FineMessaggio = 104;
inline constexpr int Giusto = 107;
inline constexpr int Opzione = 111;
inline constexpr int Avvio = 112;
} // namespace suonoGioco

inline constexpr int kColonne = 18;
inline constexpr int kLivelliGioco = 6;
inline constexpr std::size_t kLunghezzaSerie = 17;
inline constexpr std::size_t kMinimoSerie = 4;
// Ticks of the falling characters and of the end-of-level tally.
inline constexpr int kTickGiocoMs = 100;
inline constexpr int kTickConteggioMs = 400;
// A lost character costs this much at the tally.
inline constexpr int kPenalitaPersa = 10;
inline constexpr int kPenalitaTasto = 25;
// The character that stands for a lost one in the judgement: never a
// falling character, so it can only miss, and it never costs points.
inline constexpr int kCodicePersa = 34;

// The four fixed training sets, in Windows-1252.
inline constexpr std::array<std::string_view, 4> kSerieFisse{
    "qsdfjklmei", "qsdfjklmtuao", "qsdfjklmncprgh", "qsdfjklmvb\xE9xywz"};

namespace coloreGioco {
inline constexpr Colore Bianco = rgb(255, 255, 255);
inline constexpr Colore Nero = rgb(0, 0, 0);
inline constexpr Colore Giallo = rgb(255, 255, 0);
inline constexpr Colore Ciano = rgb(128, 255, 255);
inline constexpr Colore Rosso = rgb(255, 0, 0);
inline constexpr Colore VerdeChiaro = rgb(128, 255, 128);
inline constexpr Colore Blu = rgb(0, 0, 255);
} // namespace coloreGioco

// The play field: its size in pixels and the point size of its characters.
struct Campo {
    int larghezza;
    int altezza;
    int puntiCarattere;
};
constexpr Campo campoGioco(bool grande) {
    return grande ? Campo{880, 550, 36} : Campo{755, 460, 28};
}

// `Casuale(a, b)`: a whole number from a to b inclusive.
int Casuale(RandomSource& caso, int a, int b);

// `PuntiAltezza`: up to 100 points for a character caught high in the field,
// few near the bottom.
int PuntiAltezza(int y, int altezzaCampo);

// A score as "###,###" shows it: 0 is empty, groups of three digits apart
// by `separatore` (the desktop's thousands separator).
std::string formatoPunti(long long valore, std::string_view separatore);

// Training length and speed from the two sliders.
std::chrono::seconds durataAllenamento(int hsTime);
// "2,5 min" ... "10,0 min".
std::string testoDurata(int hsTime);
int intervalloAllenamento(int hsSpeed);

// What the custom set box may hold while the learner types: any character
// but a blank, none twice (letter case counts), at most 17.
bool serieAmmessa(std::string_view testo);
// The set as a training uses it: blanks, and repeats in any letter case,
// left out; "" when fewer than four remain.
std::string pulisciSerie(std::string_view testo);

} // namespace scrivolta
