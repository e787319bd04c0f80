// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/tastideboli.h"

#include "app/dominio.h"
#include "content/frasi.h"
#include "keyboard/mappatasti.h"

#include <algorithm>
#include <set>

namespace scrivolta::storico {

namespace {

// The home row of the Belgian-French keyboard, where the fingers rest.
constexpr std::string_view kRigaBase = "qsdfjklm";
constexpr std::size_t kLunghezzaFrase = 50;
// The code page's broken bar: twice in a row it splits a phrase of the
// file into two lines.
constexpr unsigned char kBarraSpezzata = 0xA6;

bool esercitabile(unsigned char c) {
    return c > ' ' && c != kBarraSpezzata && cercaCarattere(c).has_value();
}

std::optional<int> piuFrequente(unsigned char c, const std::vector<Sostituzione>& s) {
    const Sostituzione* migliore = nullptr;
    for (const Sostituzione& x : s) {
        if (x.atteso == c && (!migliore || x.volte > migliore->volte))
            migliore = &x;
    }
    return migliore ? std::optional<int>(migliore->digitato) : std::nullopt;
}

bool peggiore(const TastoDebole& a, const TastoDebole& b) {
    if (a.tasso != b.tasso)
        return a.tasso > b.tasso;
    if (a.sbagliati != b.sbagliati)
        return a.sbagliati > b.sbagliati;
    return a.carattere < b.carattere;
}

// Groups of characters joined by blanks until the phrase is long enough.
template <typename Gruppo> std::string componi(Gruppo gruppo) {
    std::string frase;
    for (std::size_t i = 0; frase.size() < kLunghezzaFrase; ++i) {
        if (!frase.empty())
            frase += ' ';
        frase += gruppo(i);
    }
    return frase;
}

std::string drill(char c, int indice) {
    return componi([c, indice](std::size_t i) {
        const char base = kRigaBase[(i / 2 + static_cast<std::size_t>(indice)) % kRigaBase.size()];
        return i % 2 == 0 ? std::string{c, base, c} : std::string{base, c, c};
    });
}

std::string misto(const std::string& deboli, int indice) {
    const std::size_t n = deboli.size();
    return componi([&deboli, n, indice](std::size_t i) {
        const auto k = i + static_cast<std::size_t>(indice);
        return std::string{deboli[k % n], kRigaBase[k % kRigaBase.size()], deboli[(k + 1) % n]};
    });
}

// The words of the built-in sentences that hold one of `deboli`, each once,
// in the order they come.
std::vector<std::string> paroleCon(const std::string& deboli) {
    std::vector<std::string> parole;
    std::set<std::string> viste;
    for (int n = 1; n <= kNumeroFrasiInterne; ++n) {
        std::string_view f = FraseInterna(n);
        while (!f.empty()) {
            const auto fine = std::min(f.find_first_of(" \r\n"), f.size());
            const std::string parola(f.substr(0, fine));
            f.remove_prefix(std::min(fine + 1, f.size()));
            const bool tutteConTasto = std::all_of(parola.begin(), parola.end(), [](char c) {
                return esercitabile(static_cast<unsigned char>(c));
            });
            if (tutteConTasto && parola.find_first_of(deboli) != std::string::npos &&
                viste.insert(parola).second)
                parole.push_back(parola);
        }
    }
    return parole;
}

std::string conParole(const std::vector<std::string>& parole, int indice) {
    const std::size_t inizio = static_cast<std::size_t>(indice) * 4;
    return componi(
        [&parole, inizio](std::size_t i) { return parole[(inizio + i) % parole.size()]; });
}

void livello(std::string& out, int numero, const std::vector<std::string>& frasi) {
    out += "[" + std::to_string(numero) + "Livello]\r\n";
    for (std::size_t i = 0; i < frasi.size(); ++i)
        out += std::to_string(i + 1) + "=" + frasi[i] + "\r\n";
}

} // namespace

std::vector<TastoDebole> tastiDeboli(const std::vector<ConteggioTasto>& conteggi,
                                     const std::vector<Sostituzione>& sostituzioni,
                                     std::size_t quanti) {
    std::vector<TastoDebole> deboli;
    for (const ConteggioTasto& c : conteggi) {
        // A negative count (a damaged or foreign file) counts as none: the
        // rate would leave 0-100 %.
        const int giusti = std::max(c.giusti, 0);
        const long long totale = static_cast<long long>(giusti) + c.sbagliati;
        if (!esercitabile(c.carattere) || c.sbagliati <= 0 || totale < kMinimoTentativi)
            continue;
        deboli.push_back({c.carattere, giusti, c.sbagliati,
                          static_cast<double>(c.sbagliati) / static_cast<double>(totale),
                          piuFrequente(c.carattere, sostituzioni)});
    }
    std::sort(deboli.begin(), deboli.end(), peggiore);
    if (deboli.size() > quanti)
        deboli.resize(quanti);
    return deboli;
}

std::array<std::optional<double>, kNumeroTasti>
tassiPerTasto(const std::vector<ConteggioTasto>& conteggi) {
    std::array<long long, kNumeroTasti> giusti{};
    std::array<long long, kNumeroTasti> sbagliati{};
    for (const ConteggioTasto& c : conteggi) {
        const auto voce = cercaCarattere(c.carattere);
        if (!voce)
            continue;
        const auto tasto =
            static_cast<std::size_t>(mappaTasti[static_cast<std::size_t>(*voce)].tasto);
        giusti[tasto] += std::max(c.giusti, 0);
        sbagliati[tasto] += std::max(c.sbagliati, 0);
    }
    std::array<std::optional<double>, kNumeroTasti> tassi;
    for (std::size_t t = 0; t < tassi.size(); ++t) {
        const long long totale = giusti[t] + sbagliati[t];
        if (totale > 0)
            tassi[t] = static_cast<double>(sbagliati[t]) / static_cast<double>(totale);
    }
    return tassi;
}

std::string esercizioTastiDeboli(const std::vector<unsigned char>& deboli) {
    std::string caratteri;
    for (const unsigned char c : deboli) {
        if (esercitabile(c) && caratteri.find(static_cast<char>(c)) == std::string::npos)
            caratteri += static_cast<char>(c);
    }
    if (caratteri.empty())
        return {};
    const auto parole = paroleCon(caratteri);
    std::vector<std::string> primo, secondo, terzo;
    for (int i = 0; i < kFrasiPerLivello; ++i) {
        primo.push_back(drill(caratteri[static_cast<std::size_t>(i) % caratteri.size()], i));
        secondo.push_back(misto(caratteri, i));
        terzo.push_back(parole.empty() ? misto(caratteri, i + kFrasiPerLivello)
                                       : conParole(parole, i));
    }
    std::string out = "; Scrivolta\r\n";
    livello(out, 1, primo);
    livello(out, 2, secondo);
    livello(out, 3, terzo);
    return out;
}

} // namespace scrivolta::storico
