// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/risultati.h"

#include "app/velocita.h"
#include "reports/formati.h"
#include "reports/soglie.h"

#include <cmath>

namespace scrivolta {

namespace {

constexpr int kRighe = 5;

} // namespace

int punteggioRiga(float velocita, float fattore) {
    return punteggioVelocita(velocita, fattore);
}

int mediaPunteggi(int somma) {
    return arrotondaPari(somma / static_cast<double>(kRighe));
}

int FasciaRisultato(int punteggio) {
    if (punteggio <= 20)
        return 0;
    if (punteggio <= 40)
        return 1;
    if (punteggio <= 60)
        return 2;
    return punteggio <= 80 ? 3 : 4;
}

const std::string& Valutazione(int battute, int errori, bool esperto,
                               const ParoleValutazione& parole) {
    const double rapporto = errori / static_cast<double>(battute > 0 ? battute : 1) * 100.0;
    const SoglieErrori s = soglieErrori(esperto);
    if (rapporto <= s.ottimo)
        return parole[0];
    if (rapporto <= s.buono)
        return parole[1];
    return rapporto <= s.sufficiente ? parole[2] : parole[3];
}

LivelloRisultati calcolaLivello(const std::array<float, 16>& velocita, int prima, float fattore) {
    LivelloRisultati livello;
    livello.primaFrase = prima;
    float sommaVelocita = 0.0F;
    int sommaPunteggi = 0;
    for (int r = 0; r < kRighe; ++r) {
        const auto i = static_cast<std::size_t>(prima + r);
        const float v = i < velocita.size() ? velocita[i] : 0.0F;
        RigaLivello& riga = livello.righe[static_cast<std::size_t>(r)];
        riga = {v, punteggioRiga(v, fattore)};
        sommaVelocita += v;
        sommaPunteggi += riga.punteggio;
    }
    livello.mediaVelocita = sommaVelocita / kRighe;
    livello.mediaPunteggio = mediaPunteggi(sommaPunteggi);
    return livello;
}

std::string velocitaAlMinuto(float velocita) {
    return formatoIntero(battuteAlMinuto(velocita));
}

TotaliRisultati calcolaTotali(float sommaVelocita, int sommaPunteggi, int livelli, int errori,
                              int battute, bool esperto, const ParoleValutazione& parole) {
    const int divisore = livelli >= 1 && livelli <= 3 ? livelli : 1;
    const int battuteContate = battute > 0 ? battute : 1;
    TotaliRisultati t;
    t.velocitaMedia = formatoIntero(sommaVelocita * 60.0 / divisore);
    t.punteggioMedio = static_cast<int>(std::floor(sommaPunteggi / static_cast<double>(divisore)));
    t.errori = errori;
    t.battute = battute;
    t.rapportoErrori = formatoPercento(errori / static_cast<double>(battuteContate));
    t.valutazione = Valutazione(battuteContate, errori, esperto, parole);
    return t;
}

} // namespace scrivolta
