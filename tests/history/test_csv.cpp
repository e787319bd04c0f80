// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "history/csv.h"

#include <gtest/gtest.h>
#include <random>

using namespace scrivolta;
using namespace scrivolta::storico;

namespace {

// A reader of the format as a spreadsheet program reads it, written apart
// from the writer: quoted fields may hold anything, "" is one quote.
std::vector<std::vector<std::string>> leggiCsv(std::string_view t) {
    std::vector<std::vector<std::string>> righe(1);
    std::string campo;
    bool virgolette = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (virgolette) {
            if (c == '"' && i + 1 < t.size() && t[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                virgolette = false;
            } else {
                campo += c;
            }
        } else if (c == '"') {
            virgolette = true;
        } else if (c == ';') {
            righe.back().push_back(std::exchange(campo, {}));
        } else if (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') {
            righe.back().push_back(std::exchange(campo, {}));
            righe.emplace_back();
            ++i;
        } else {
            campo += c;
        }
    }
    righe.pop_back();
    return righe;
}

TestiCsv testi() {
    TestiCsv t;
    for (std::size_t i = 0; i < t.colonne.size(); ++i)
        t.colonne[i] = "c" + std::to_string(i);
    t.tipi = {"Frase", "Livello", "Ciclo", "Testo", "Gioco", "Allenamento"};
    t.categorie = {"Frasi interne", "Corso", "Esercizi", "File di testo", "Gioco"};
    t.modi = {"Principiante", "Esperto"};
    return t;
}

Riga riga(const std::string& file) {
    Riga r;
    r.ora = std::chrono::system_clock::from_time_t(1'700'000'000);
    r.file = file;
    r.categoria = 1;
    r.caratteri = 40;
    r.velocita = 149.6;
    r.punteggio = 100;
    return r;
}

} // namespace

TEST(Csv, HeaderAndOneLineAsASpreadsheetReadsThem) {
    const std::string csv = esportaCsv("Ren\xE9", {riga("LEZIONE1.ftd")}, testi());
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const auto r = leggiCsv(csv.substr(3));
    ASSERT_EQ(r.size(), 2U);
    EXPECT_EQ(r[0].size(), TestiCsv::kColonne);
    ASSERT_EQ(r[1].size(), TestiCsv::kColonne);
    EXPECT_EQ(r[1][0], "Ren\xC3\xA9");
    EXPECT_EQ(r[1][3], "Frase");
    EXPECT_EQ(r[1][4], "Corso");
    EXPECT_EQ(r[1][5], "LEZIONE1.ftd");
    EXPECT_EQ(r[1][7], "Principiante");
    EXPECT_EQ(r[1][11], "150");
    EXPECT_EQ(r[1][12], "100");
}

TEST(Csv, ValuesFromADamagedFileStayInsideTheirColumns) {
    Riga r = riga(std::string("\xFF\xFE;x"));
    r.categoria = 99;
    r.modo = -1;
    r.tipo = static_cast<TipoRiga>(42);
    const auto righe = leggiCsv(esportaCsv("", {r}, testi()).substr(3));
    ASSERT_EQ(righe.size(), 2U);
    ASSERT_EQ(righe[1].size(), TestiCsv::kColonne);
    EXPECT_EQ(righe[1][3], "42");
    EXPECT_EQ(righe[1][4], "99");
    EXPECT_EQ(righe[1][5], "??;x");
    EXPECT_EQ(righe[1][7], "-1");
}

// Any learner's name and file name, whatever separators, quotes, line
// breaks, blanks and accents it holds, reads back whole from its own field;
// one that starts like a formula reads back behind an apostrophe.
TEST(Csv, ThreeAndFourByteSequencesAtTheEdgesOfTheirRanges) {
    const std::pair<const char*, bool> casi[] = {
        {"\xE0\xA0\x80", true},     {"\xE0\x9F\xBF", false}, // overlong below
        {"\xED\x9F\xBF", true},     {"\xED\xA0\x80", false}, // surrogates
        {"\xF0\x90\x80\x80", true}, {"\xF0\x8F\xBF\xBF", false},
        {"\xF4\x8F\xBF\xBF", true}, {"\xF4\x90\x80\x80", false}, // past U+10FFFF
    };
    for (const auto& [testo, valido] : casi)
        EXPECT_EQ(utf8Ripulito(testo) == testo, valido) << testo;
}

TEST(Csv, AnyNameReadsBackWhole) {
    std::mt19937 caso(20231107);
    const std::string alfabeto = "ab ;,\"\r\n'=+-@\t\xE9\xE0\x80\x9C\xFF";
    for (int prova = 0; prova < 2000; ++prova) {
        std::string nome;
        std::string file;
        for (std::size_t n = caso() % 12; n > 0; --n)
            nome += alfabeto[caso() % alfabeto.size()];
        for (std::size_t n = caso() % 12; n > 0; --n)
            file += alfabeto[caso() % alfabeto.size()];
        const std::string fileUtf8 = utf8Ripulito(file);
        const auto righe = leggiCsv(esportaCsv(nome, {riga(file), riga(file)}, testi()).substr(3));
        ASSERT_EQ(righe.size(), 3U) << nome;
        for (std::size_t i = 1; i < 3; ++i) {
            ASSERT_EQ(righe[i].size(), TestiCsv::kColonne) << nome;
            const std::string atteso = cp1252::toUtf8(nome);
            const bool formula =
                !atteso.empty() && std::string("=+-@\t\r").find(atteso[0]) != std::string::npos;
            EXPECT_EQ(righe[i][0], formula ? "'" + atteso : atteso);
            const bool formulaFile =
                !fileUtf8.empty() && std::string("=+-@\t\r").find(fileUtf8[0]) != std::string::npos;
            EXPECT_EQ(righe[i][5], formulaFile ? "'" + fileUtf8 : fileUtf8);
        }
    }
}
