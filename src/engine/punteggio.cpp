// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/punteggio.h"

#include "app/velocita.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace scrivolta {

namespace {

constexpr int kLodeDa = 41;
constexpr double kBattuteAlMinuto = 260.0;

int interoDi(float x) {
    return static_cast<int>(std::floor(x));
}

// Rounding of the program's integer conversions: halves to even.
long long arrotondaPari(double x) {
    return static_cast<long long>(std::nearbyint(x));
}

} // namespace

// A phrase always earns something on screen: 0 is shown as 1.
int punteggioFrase(float velocita, float fattore) {
    return std::max(punteggioVelocita(velocita, fattore), 1);
}

int calcolaMediaLevel(const std::array<float, 16>& velocita, int prima, float fattore) {
    if (prima < 1 || prima + 4 >= static_cast<int>(velocita.size()) || fattore <= 0.0F)
        return 0;
    const float tetto = 1.0F / fattore;
    float somma = 0.0F;
    for (int i = prima; i < prima + 5; ++i)
        somma += std::min(velocita[static_cast<std::size_t>(i)], tetto);
    return interoDi(fattore * (somma / 5.0F) * 100.0F);
}

int FasciaPunteggio(int punteggio, bool esperto) {
    int fascia = 0;
    if (punteggio > 80)
        fascia = 4;
    else if (punteggio > 60)
        fascia = 3;
    else if (punteggio > 40)
        fascia = 2;
    else if (punteggio > 20)
        fascia = 1;
    return esperto ? fascia + 5 : fascia;
}

int larghezzaBarraVelocita(int secondi, int caratteri, int larghezzaBarra, float fattore) {
    if (caratteri <= 0)
        return 0;
    const double perTasto = static_cast<double>(secondi) / caratteri;
    // The factor is a decimal held in single precision: 0.4 widened to
    // double is a hair above 0.4, which would turn the half of 390 / 4 into
    // 97 instead of the even 98. Its hundredths are exact.
    const long long centesimi = std::lround(static_cast<double>(fattore) * 100.0);
    if (centesimi <= 0)
        return 0;
    const long long passo =
        arrotondaPari(static_cast<double>(larghezzaBarra) * 10.0 / static_cast<double>(centesimi));
    const long long w = arrotondaPari(static_cast<double>(passo) * perTasto);
    return static_cast<int>(std::min<long long>(w, larghezzaBarra));
}

std::string messaggioFineFrase(const TestiPrincipali& testi, int punteggio, float velocita,
                               bool record, const std::string& lode) {
    const auto& m = testi.messaggi;
    const std::string n = std::to_string(punteggio);
    const std::string v = std::to_string(static_cast<long long>(battuteAlMinuto(velocita)));
    std::string testo;
    if (punteggio >= kLodeDa)
        testo = lode + " ";
    testo += m[Messaggio::HaiTotalizzato] + " " + n + " " +
             (record ? m[Messaggio::PuntiEAllaMediaDi] : m[Messaggio::PuntiAllaMediaDi]) + " " + v +
             " " + m[Messaggio::Battute] + " " + testi.MsgPerMinute + "\r\n";
    testo += record ? m[Messaggio::RecordSuperato] + " " + m[Messaggio::PremiInvioPerContinuare]
                    : " " + m[Messaggio::PremiInvioPerContinuare];
    return testo;
}

std::string minutiRimanenti(long long caratteriRimanenti) {
    const long long minuti =
        arrotondaPari(static_cast<double>(caratteriRimanenti) / kBattuteAlMinuto);
    return minuti < 1 ? "< 1" : std::to_string(minuti);
}

std::string orologio(long long secondi) {
    const long long s = std::max(secondi, 0LL);
    char testo[8];
    std::snprintf(testo, sizeof testo, "%02lld:%02lld", (s / 60) % 60, s % 60);
    return testo;
}

} // namespace scrivolta
