// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>
#include <vector>

class QWidget;

namespace scrivolta {
class FileLingua;
}

// Names a screen reader gives the windows' areas that carry no
// caption or tooltip of their own; the others are named by those. Each has
// a text id of the language files and its built-in Italian.
namespace scrivolta::ui::nomeAccessibile {

struct Nome {
    std::string_view id;
    const char* italiano; // UTF-8
};

inline constexpr Nome kEsercizio{"2620", "Esercizio"};
inline constexpr Nome kFrase{"2621", "Frase da scrivere"};
inline constexpr Nome kInput{"2622", "Testo scritto"};
inline constexpr Nome kTastiera{"2623", "Tastiera"};
// The key that carries the error mark.
inline constexpr Nome kTastoSbagliato{"2624", "Tasto sbagliato"};
// The phrase clock, and the training's time disc.
inline constexpr Nome kOrologio{"2625", "Tempo"};
inline constexpr Nome kMessaggio{"2626", "Messaggio"};
inline constexpr Nome kMenu{"2627", "Comandi"};
// The menu entry that passes a character without a key, which has no tooltip.
inline constexpr Nome kSalta{"2628", "Salta il carattere"};
inline constexpr Nome kRisultati{"2629", "Risultati"};
inline constexpr Nome kModalita{"2630", "Modalit\u00E0"};
inline constexpr Nome kStriscia{"2631", "Mappa tasto/dito"};
inline constexpr Nome kPosizioneMani{"2632", "Posizione delle mani"};
inline constexpr Nome kListaFile{"2633", "Elenco dei file"};
inline constexpr Nome kCategorie{"2634", "Categorie"};
inline constexpr Nome kSimboloCategoria{"2635", "Simbolo della categoria"};
// The arrow beside a dialog's default button: Enter presses it.
inline constexpr Nome kInvio{"2636", "Entr\u00E9e"};
// The language window's choice.
inline constexpr Nome kLingue{"2637", "Lingue"};
// The game window's settings: game or training, and how.
inline constexpr Nome kSceltaGioco{"2638", "Scelta"};
// The game's record and the training's counts.
inline constexpr Nome kRecord{"2639", "Record"};
inline constexpr Nome kEsatte{"2640", "Esatte"};
inline constexpr Nome kErrate{"2641", "Errate"};
inline constexpr Nome kTotale{"2642", "Totale"};

} // namespace scrivolta::ui::nomeAccessibile

namespace scrivolta::ui {

// `nome` in the language in use.
QString nomeAccessibileDi(const nomeAccessibile::Nome& nome);

// Takes the names of `lingua` (Italian where it lacks one, or for the
// empty table) and renames the areas of `finestra` named in the language
// before, so that a window built earlier speaks the new language too.
void impostaNomiAccessibili(const FileLingua& lingua, QWidget* finestra = nullptr);

// Every id of the names.
std::vector<std::string_view> idNomiAccessibili();

} // namespace scrivolta::ui
