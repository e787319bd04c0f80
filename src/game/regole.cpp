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

// Letters, accented ones of the code page included, and digits: what the
// learner is asked for when the set is too short.
bool ammessoInSerie(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    if (c >= 0xC0)
        return c != 0xD7 && c != 0xF7;
    switch (c) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
    case 0x9F: // Ÿ
        return true;
    default:
        return false;
    }
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
