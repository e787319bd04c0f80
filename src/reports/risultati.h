// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// The figures of the results window: the score of a phrase, the averages of
// a level, the totals of the exercise and their evaluation.
namespace scrivolta {

// The evaluation words of the active language, best first: "Ottimo",
// "Buono", "Sufficiente", "Insufficiente".
using ParoleValutazione = std::array<std::string, 4>;

// Score of a phrase row in percent: the main window's figure for the same
// phrase, except that a row with no speed shows 0.
int punteggioRiga(float velocita, float fattore);

// Average of the five scores of a level, halves to even.
int mediaPunteggi(int somma);

// `FasciaRisultato`: the rating symbol 0-4 of a score, in steps of 20.
int FasciaRisultato(int punteggio);

// `Valutazione`: the word for the share of errors in the keystrokes. Ratios
// up to 2, 3 and 4 per cent (0.5, 0.75 and 1 in expert mode) rate
// "Ottimo", "Buono" and "Sufficiente"; more rates "Insufficiente". No
// keystrokes count as one.
const std::string& Valutazione(int battute, int errori, bool esperto,
                               const ParoleValutazione& parole);

// One phrase row: its speed in characters per second and its score.
struct RigaLivello {
    float velocita = 0.0F;
    int punteggio = 0;
};

// The five rows of a level with its averages.
struct LivelloRisultati {
    int primaFrase = 1;
    std::array<RigaLivello, 5> righe{};
    float mediaVelocita = 0.0F; // characters per second
    int mediaPunteggio = 0;
};

// The level whose first phrase is `prima` (1, 6 or 11); phrases not typed
// hold 0 and count as 0 in the averages, which always divide by 5.
LivelloRisultati calcolaLivello(const std::array<float, 16>& velocita, int prima, float fattore);

// Characters per second as the tables show them: per minute, whole.
std::string velocitaAlMinuto(float velocita);

// The totals of the exercise under the results.
struct TotaliRisultati {
    std::string velocitaMedia; // per minute
    int punteggioMedio = 0;
    int errori = 0;
    int battute = 0;            // as counted, before a 0 is taken as 1
    std::string rapportoErrori; // "1.5%"
    std::string valutazione;
};

// The totals from the sums of the levels drawn. `livelli` outside 1-3
// counts as the one level then drawn; `battute` 0 as 1.
TotaliRisultati calcolaTotali(float sommaVelocita, int sommaPunteggi, int livelli, int errori,
                              int battute, bool esperto, const ParoleValutazione& parole);

} // namespace scrivolta
