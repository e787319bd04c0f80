// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names a screen reader gives the windows' areas that carry no
// caption or tooltip of their own; the others are named by those.
namespace scrivolta::ui::nomeAccessibile {

inline constexpr const char* kEsercizio = "Esercizio";
inline constexpr const char* kFrase = "Frase da scrivere";
inline constexpr const char* kInput = "Testo scritto";
inline constexpr const char* kTastiera = "Tastiera";
// The key that carries the error mark.
inline constexpr const char* kTastoSbagliato = "Tasto sbagliato";
inline constexpr const char* kOrologio = "Tempo";
inline constexpr const char* kMessaggio = "Messaggio";
inline constexpr const char* kMenu = "Comandi";
// The menu entry that passes a character without a key, which has no tooltip.
inline constexpr const char* kSalta = "Salta il carattere";
inline constexpr const char* kRisultati = "Risultati";
inline constexpr const char* kModalita = "Modalit\u00E0";
inline constexpr const char* kStriscia = "Mappa tasto/dito";
inline constexpr const char* kPosizioneMani = "Posizione delle mani";
inline constexpr const char* kListaFile = "Elenco dei file";
inline constexpr const char* kCategorie = "Categorie";
inline constexpr const char* kSimboloCategoria = "Simbolo della categoria";
// The arrow beside a dialog's default button: Enter presses it.
inline constexpr const char* kInvio = "Entr\u00E9e";
// The language window's choice.
inline constexpr const char* kLingue = "Lingue";
// The game window's settings: game or training, and how.
inline constexpr const char* kSceltaGioco = "Scelta";

} // namespace scrivolta::ui::nomeAccessibile
