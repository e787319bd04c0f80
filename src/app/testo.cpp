// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/testo.h"

#include <limits>

namespace scrivolta::testo {

namespace {

std::string_view tagliaAiLati(std::string_view s, std::string_view scarti) {
    const auto inizio = s.find_first_not_of(scarti);
    if (inizio == std::string_view::npos)
        return {};
    const auto fine = s.find_last_not_of(scarti);
    return s.substr(inizio, fine - inizio + 1);
}

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

// Half to even on the decimal digits of a fraction, without going through
// floating point (whose parsing follows the locale's decimal separator).
bool arrotondaInSu(std::string_view frazione, bool interoDispari) {
    if (frazione.empty() || frazione.front() < '5')
        return false;
    if (frazione.front() > '5')
        return true;
    const bool oltreMeta = frazione.find_first_not_of('0', 1) != std::string_view::npos;
    return oltreMeta || interoDispari;
}

} // namespace

std::string_view senzaSpazi(std::string_view s) {
    return tagliaAiLati(s, " \t");
}

std::string_view senzaBlank(std::string_view s) {
    return tagliaAiLati(s, " ");
}

std::string togliBlank(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c != ' ')
            out += c;
    }
    return out;
}

char maiuscola(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 0x20);
    // à-þ except ÷ pair with À-Þ except ×; ß and ÿ have no partner at +0x20.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 0x20);
    switch (u) {
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
        return static_cast<char>(u - 0x10);
    case 0xFF: // ÿ
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

int maiuscola(int codice) {
    if (codice < 0 || codice > 0xFF)
        return codice;
    return static_cast<unsigned char>(maiuscola(static_cast<char>(codice)));
}

std::string maiuscolo(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = maiuscola(c);
    return out;
}

bool ugualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (maiuscola(a[i]) != maiuscola(b[i]))
            return false;
    }
    return true;
}

std::optional<int> leggiIntero(std::string_view s) {
    s = senzaSpazi(s);
    const bool negativo = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    const auto punto = s.find('.');
    const auto intera = s.substr(0, punto);
    const auto frazione =
        punto == std::string_view::npos ? std::string_view{} : s.substr(punto + 1);
    if (intera.empty() && frazione.empty())
        return std::nullopt;
    long long valore = 0;
    for (const char c : intera) {
        if (!cifra(c))
            return std::nullopt;
        valore = valore * 10 + (c - '0');
        if (valore > std::numeric_limits<int>::max() + 1LL)
            return std::nullopt;
    }
    for (const char c : frazione)
        if (!cifra(c))
            return std::nullopt;
    if (arrotondaInSu(frazione, valore % 2 != 0))
        ++valore;
    const long long firmato = negativo ? -valore : valore;
    if (firmato < std::numeric_limits<int>::min() || firmato > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(firmato);
}

std::string nomeFileSicuro(std::string_view nome) {
    constexpr std::string_view kVietati = "/\\:*?\"<>|";
    std::string out(nome);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127 || kVietati.find(c) != std::string_view::npos)
            c = '_';
    }
    return out;
}

std::string_view NomeFile(std::string_view percorso) {
    const auto barra = percorso.find_last_of("/\\");
    return barra == std::string_view::npos ? std::string_view() : percorso.substr(barra + 1);
}

} // namespace scrivolta::testo
