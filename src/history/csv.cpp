// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/csv.h"

#include "app/cp1252.h"
#include "app/utf8.h"

#include <cmath>
#include <ctime>

namespace scrivolta::storico {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr char kSeparatore = ';';

bool daVirgolettare(std::string_view c) {
    return c.find_first_of(";,\"\r\n") != std::string_view::npos ||
           (!c.empty() &&
            (c.front() == ' ' || c.back() == ' ' || c.front() == '\t' || c.back() == '\t'));
}

bool sembraFormula(std::string_view c) {
    return !c.empty() && std::string_view("=+-@\t\r").find(c.front()) != std::string_view::npos;
}

std::string testoCsv(const std::string& cp1252Testo) {
    return campoCsv(cp1252::toUtf8(cp1252Testo));
}

template <std::size_t N> std::string voce(const std::array<std::string, N>& voci, int indice) {
    if (indice < 0 || static_cast<std::size_t>(indice) >= N)
        return std::to_string(indice);
    return testoCsv(voci[static_cast<std::size_t>(indice)]);
}

std::string data(Ora ora, const char* formato) {
    const std::time_t t = std::chrono::system_clock::to_time_t(ora);
    std::tm tm{};
    localtime_r(&t, &tm);
    char testo[32];
    std::strftime(testo, sizeof testo, formato, &tm);
    return testo;
}

std::string riga(const std::string& studente, const Riga& r, const TestiCsv& testi) {
    const std::string s(1, kSeparatore);
    return studente + s + data(r.ora, "%Y-%m-%d") + s + data(r.ora, "%H:%M:%S") + s +
           voce(testi.tipi, static_cast<int>(r.tipo)) + s + voce(testi.categorie, r.categoria) + s +
           campoCsv(utf8Ripulito(r.file)) + s + std::to_string(r.livello) + s +
           voce(testi.modi, r.modo) + s + std::to_string(r.caratteri) + s +
           std::to_string(r.errori) + s + std::to_string(r.secondi) + s +
           std::to_string(std::llround(r.velocita)) + s + std::to_string(r.punteggio) + "\r\n";
}

} // namespace

std::string utf8Ripulito(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) {
        const auto sequenza = utf8::sequenza(testo, i);
        const std::size_t n = sequenza ? sequenza->lunghezza : 0;
        out.append(n == 0 ? std::string_view("?") : testo.substr(i, n));
        i += n == 0 ? 1 : n;
    }
    return out;
}

std::string campoCsv(std::string_view utf8) {
    std::string c = sembraFormula(utf8) ? "'" + std::string(utf8) : std::string(utf8);
    if (!daVirgolettare(c))
        return c;
    std::string out = "\"";
    for (const char ch : c) {
        out += ch;
        if (ch == '"')
            out += '"';
    }
    return out + '"';
}

std::string esportaCsv(const std::string& studente, const std::vector<Riga>& righe,
                       const TestiCsv& testi) {
    std::string out(kBom);
    for (std::size_t i = 0; i < testi.colonne.size(); ++i) {
        if (i > 0)
            out += kSeparatore;
        out += testoCsv(testi.colonne[i]);
    }
    out += "\r\n";
    const std::string nome = testoCsv(studente);
    for (const Riga& r : righe)
        out += riga(nome, r, testi);
    return out;
}

} // namespace scrivolta::storico
