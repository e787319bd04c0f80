// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/regole.h"

#include "app/testo.h"

#include <algorithm>
#include <cmath>

namespace scrivolta {

int Casuale(RandomSource& caso, int a, int b) {
    return static_cast<int>(std::floor((b - a + 1) * caso.next() + a));
}

int PuntiAltezza(int y, int altezzaCampo) {
    if (altezzaCampo <= 0)
        return 0;
    const double punti = std::floor(static_cast<double>(altezzaCampo - y) / altezzaCampo * 115.0);
    return static_cast<int>(std::min(punti, 100.0));
}

std::string formatoPunti(long long valore, std::string_view separatore) {
    if (valore == 0)
        return {};
    const std::string cifre = std::to_string(valore < 0 ? -valore : valore);
    std::string testo = valore < 0 ? "-" : "";
    for (std::size_t i = 0; i < cifre.size(); ++i) {
        if (i > 0 && (cifre.size() - i) % 3 == 0)
            testo += separatore;
        testo += cifre[i];
    }
    return testo;
}

std::chrono::seconds durataAllenamento(int hsTime) {
    return std::chrono::seconds(hsTime * 150);
}

std::string testoDurata(int hsTime) {
    const int decimi = hsTime * 25;
    return std::to_string(decimi / 10) + "," + std::to_string(decimi % 10) + " min";
}

int intervalloAllenamento(int hsSpeed) {
    return hsSpeed * 25;
}

namespace {

constexpr unsigned char kSpazio = 0x20;
constexpr unsigned char kCanc = 0x7F;
constexpr unsigned char kSpazioUnificatore = 0xA0;

// Any character the learner can type may fall, punctuation included (most
// of the Belgian top row is): only blanks, which could not be seen falling,
// and control characters, which no key types, are left out.
bool ammessoInSerie(unsigned char c) {
    return c > kSpazio && c != kCanc && c != kSpazioUnificatore;
}

} // namespace

bool serieAmmessa(std::string_view testo) {
    if (testo.size() > kLunghezzaSerie)
        return false;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const auto c = static_cast<unsigned char>(testo[i]);
        if (!ammessoInSerie(c) || testo.find(testo[i], i + 1) != std::string_view::npos)
            return false;
    }
    return true;
}

std::string pulisciSerie(std::string_view testo) {
    std::string serie;
    std::string maiuscole;
    for (const char c : testo) {
        const char chiave = testo::maiuscola(c);
        if (!ammessoInSerie(static_cast<unsigned char>(c)) ||
            maiuscole.find(chiave) != std::string::npos)
            continue;
        serie += c;
        maiuscole += chiave;
    }
    if (serie.size() < kMinimoSerie)
        return {};
    return serie.substr(0, kLunghezzaSerie);
}

} // namespace scrivolta
