// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers of the program's domain that more than one module needs.
namespace scrivolta {

// The program's name: window and message titles, the PDFs, the sound server.
inline constexpr const char* kNomeProgramma = "Scrivolta";

// The built-in course: three levels of fifteen phrases; a cycle types five
// phrases of each level.
inline constexpr int kLivelli = 3;
inline constexpr int kFrasiInternePerLivello = 15;
inline constexpr int kFrasiPerLivello = 5;
inline constexpr int kFrasiPerCiclo = kLivelli * kFrasiPerLivello;

// The level (1-3) a phrase of the cycle (1-15) belongs to.
constexpr int livelloDellaFrase(int numeroFrase) {
    return (numeroFrase - 1) / kFrasiPerLivello + 1;
}

// The phrase opens its level.
constexpr bool primaDelLivello(int numeroFrase) {
    return numeroFrase >= 1 && numeroFrase <= kFrasiPerCiclo &&
           (numeroFrase - 1) % kFrasiPerLivello == 0;
}

// The background colour schemes `coloreSfondo` chooses among.
inline constexpr int kSchemiSfondo = 11;

// The modal windows `MostraFinestra` opens.
enum class Finestra : int {
    Nessuna = 0,
    NomeUtente = 1,
    Risultati = 2,
    // The report of a text file typed to its end.
    RapportoTestoFile = 3,
};

// What the results window sums up: a level, or the whole cycle.
enum class TipoRisultati : int { Nessuno = 0, Livello = 1, Ciclo = 2 };

// Topics of the help, each a page of the user guide (app/argomentiguida.h).
enum class ArgomentoGuida : int {
    Indice = 0,
    // How to set the keyboard layout, opened after the layout warning.
    LayoutTastiera = 1001,
    Avvio = 1002,
    Corso = 1003,
    EserciziEFileDiTesto = 1004,
    Risultati = 1005,
    GiocoEAllenamento = 1006,
    Menu = 1007,
    Lingue = 1008,
    FileEsercizio = 1009,
    Cartelle = 1010,
    Informazioni = 1011,
    // Practice with a screen reader: what is spoken, the keys.
    LettoreSchermo = 1012,
};

} // namespace scrivolta
