// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped French content read as a teacher reads it, by machine: the
// blank before high punctuation, the spelling, and a lesson that introduces
// and practises every key before later lessons use it.
#include "app/cp1252.h"
#include "content/cartelle.h"
#include "content/codifica.h"
#include "content/filetesto.h"
#include "keyboard/mappatasti.h"
#include "settings/fileatomico.h"
#include "settings/ini.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <unistd.h>

using namespace scrivolta;

namespace {

const std::string kCorso = SCRIVOLTA_SOURCE_DATA "/CorsoDattilo/";
const std::string kEsercizi = SCRIVOLTA_SOURCE_DATA "/Esercizi/";
const std::string kParoleAmmesse = SCRIVOLTA_TEST_DATA "/parole_ammesse.txt";
// The comment line of a lesson that names the keys it teaches.
constexpr std::string_view kTastiNuovi = "; Touches nouvelles :";

struct Frase {
    std::string dove;
    std::string testo; // Windows-1252, a two-line phrase joined by a blank
    // The first level of a lesson that brings new keys drills them alone and
    // in syllables: there are no words to spell in it.
    bool esercizioDiTasti = false;
};

std::string contenuto(const std::string& percorso) {
    return testoDaFile(fileatomico::leggi(percorso).contenuto);
}

std::set<unsigned char> tastiNuovi(const std::string& testo) {
    std::set<unsigned char> nuovi;
    std::istringstream righe(testo);
    for (std::string riga; std::getline(righe, riga);) {
        if (riga.rfind(kTastiNuovi, 0) != 0)
            continue;
        std::istringstream tasti(riga.substr(kTastiNuovi.size()));
        for (std::string t; tasti >> t;)
            nuovi.insert(static_cast<unsigned char>(t.front()));
    }
    return nuovi;
}

std::vector<Frase> frasiEsercizio(const std::string& percorso, const std::string& nome) {
    std::vector<Frase> frasi;
    const std::string testo = contenuto(percorso);
    const bool tastiDaEsercitare = !tastiNuovi(testo).empty();
    for (int livello = 1; livello <= 3; ++livello) {
        for (auto& voce : ini::vociSezione(testo, std::to_string(livello) + "Livello")) {
            std::string t = voce.valore;
            for (auto p = t.find("\xA6\xA6"); p != std::string::npos; p = t.find("\xA6\xA6"))
                t.replace(p, 2, " ");
            frasi.push_back({nome + " " + std::to_string(livello) + "/" + voce.chiave, t,
                             livello == 1 && tastiDaEsercitare});
        }
    }
    return frasi;
}

std::vector<Frase> tutteLeFrasi() {
    std::vector<Frase> frasi;
    for (const auto& nome : elencoFile(kCorso, ".ftd")) {
        for (auto& f : frasiEsercizio(kCorso + nome, nome))
            frasi.push_back(std::move(f));
    }
    for (const auto& nome : elencoFile(kEsercizi, ".ftd")) {
        for (auto& f : frasiEsercizio(kEsercizi + nome, nome))
            frasi.push_back(std::move(f));
    }
    for (const auto& nome : elencoFile(kEsercizi, ".txt"))
        frasi.push_back({nome, CaricaFileTesto(kEsercizi + nome).testo, false});
    return frasi;
}

// French typography: a blank before : ; ? and !, unless the mark follows
// another one (a drill of ::: or an "?!").
bool mancaSpazio(std::string_view testo) {
    static const std::regex kAttaccato("[^ :;?!][:;?!]");
    return std::regex_search(testo.begin(), testo.end(), kAttaccato);
}

bool haVocale(std::string_view utf8) {
    const std::string cp = cp1252::fromUtf8(utf8);
    return cp.find_first_of("aeiouyAEIOUY\xE0\xE2\xE4\xE9\xE8\xEA\xEB\xEE\xEF\xF4\xF6\xF9\xFB"
                            "\xFC\xE1\xED\xF3\xFA\xEC\xF2\xE3\xF5") != std::string::npos;
}

// One word a line: hunspell reads long lines in pieces and would cut words
// of a whole text file in two. Addresses, paths, file names and numbers are
// no words of the language.
void aggiungiParole(const std::string& testo, std::vector<std::string>& righe) {
    std::istringstream in(testo);
    for (std::string pezzo; in >> pezzo;) {
        if (pezzo.find_first_of("@/\\_0123456789") == std::string::npos)
            righe.push_back(pezzo);
    }
}

// Hunspell keeps the full stop of a word it does not know, and the elided
// article of a name it does not know ("d'Hergé."): the list holds the name.
std::string nomeProprio(std::string parola) {
    if (!parola.empty() && parola.back() == '.')
        parola.pop_back();
    const auto apostrofo = parola.find('\'');
    if (apostrofo != std::string::npos && apostrofo <= 2)
        parola.erase(0, apostrofo + 1);
    return parola;
}

struct Esito {
    bool riuscito = false;
    std::vector<std::string> righe;
};

Esito eseguiHunspell(const std::vector<std::string>& righeUtf8) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("scrivolta_ortografia_" + std::to_string(::getpid()) + ".txt");
    {
        std::ofstream out(file, std::ios::binary);
        for (const auto& r : righeUtf8)
            out << r << '\n';
    }
    Esito esito;
    const std::string comando = "hunspell -d fr_BE -i UTF-8 -l '" + file.string() + "' 2>&1";
    if (FILE* p = ::popen(comando.c_str(), "r")) {
        std::array<char, 512> buffer{};
        while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), p)) {
            std::string riga(buffer.data());
            while (!riga.empty() && (riga.back() == '\n' || riga.back() == '\r'))
                riga.pop_back();
            esito.righe.push_back(riga);
        }
        esito.riuscito = ::pclose(p) == 0;
    }
    std::filesystem::remove(file);
    return esito;
}

std::set<std::string> paroleAmmesse() {
    std::set<std::string> parole;
    std::ifstream in(kParoleAmmesse);
    for (std::string riga; std::getline(in, riga);) {
        if (!riga.empty() && riga.front() != '#')
            parole.insert(riga);
    }
    return parole;
}

struct Lezione {
    std::string nome;
    std::set<unsigned char> nuovi;
    std::vector<Frase> frasi;
};

std::vector<Lezione> lezioni() {
    std::vector<Lezione> out;
    for (const auto& nome : elencoFile(kCorso, ".ftd")) {
        out.push_back({nome.substr(0, nome.find('.')), tastiNuovi(contenuto(kCorso + nome)),
                       frasiEsercizio(kCorso + nome, nome)});
    }
    return out;
}

std::string mostra(unsigned char c) {
    return cp1252::toUtf8(std::string(1, static_cast<char>(c)));
}

} // namespace

TEST(Tipografia, TheRuleFindsAMarkWithoutItsBlank) {
    const std::pair<const char*, bool> casi[] = {
        {"Comment vas-tu ?", false}, {"Comment vas-tu?", true}, {"Note : lis ; bravo !", false},
        {"Note: lis", true},         {"::: ;;; ?!", false},     {"k ? k ! m", false},
    };
    for (const auto& [testo, fallo] : casi)
        EXPECT_EQ(mancaSpazio(testo), fallo) << testo;
}

TEST(Tipografia, EveryShippedPhraseHasABlankBeforeHighPunctuation) {
    for (const auto& f : tutteLeFrasi())
        EXPECT_FALSE(mancaSpazio(f.testo)) << f.dove << ": " << cp1252::toUtf8(f.testo);
}

TEST(Ortografia, EveryWordIsInTheFrenchDictionaryOrTheReviewedList) {
    // The dictionary must be there and must find a planted mistake, or an
    // empty answer would prove nothing.
    const Esito prova = eseguiHunspell({"la gare du Midi à Bruxeles"});
    ASSERT_TRUE(prova.riuscito) << "hunspell with the fr_BE dictionary is needed "
                                   "(scripts/setup-debian.sh installs it)";
    ASSERT_EQ(prova.righe, std::vector<std::string>{"Bruxeles"});

    const auto frasi = tutteLeFrasi();
    std::vector<std::string> righe;
    for (const auto& f : frasi) {
        if (!f.esercizioDiTasti)
            aggiungiParole(cp1252::toUtf8(f.testo), righe);
    }
    const Esito esito = eseguiHunspell(righe);
    ASSERT_TRUE(esito.riuscito);
    const auto ammesse = paroleAmmesse();
    std::set<std::string> sconosciute;
    for (const auto& riga : esito.righe) {
        const std::string parola = nomeProprio(riga);
        // Drill syllables such as "qsdf" or "fjf" hold no vowel.
        if (haVocale(parola) && !ammesse.contains(parola))
            sconosciute.insert(parola);
    }
    for (const auto& parola : sconosciute) {
        const auto dove = std::find_if(frasi.begin(), frasi.end(), [&](const Frase& f) {
            return cp1252::toUtf8(f.testo).find(parola) != std::string::npos;
        });
        ADD_FAILURE() << "unknown word \"" << parola << "\" in "
                      << (dove == frasi.end() ? std::string("?") : dove->dove);
    }
}

TEST(Copertura, EveryKeyIsIntroducedByALessonBeforeItIsUsed) {
    const auto corso = lezioni();
    std::map<unsigned char, std::string> introdotto;
    for (const auto& lezione : corso) {
        for (const unsigned char c : lezione.nuovi) {
            EXPECT_FALSE(introdotto.contains(c)) << mostra(c) << " introduced twice";
            introdotto.emplace(c, lezione.nome);
        }
        std::set<unsigned char> praticati;
        for (const auto& f : lezione.frasi) {
            for (const char ch : f.testo) {
                const auto c = static_cast<unsigned char>(ch);
                praticati.insert(c);
                EXPECT_TRUE(c == ' ' || introdotto.contains(c))
                    << f.dove << " uses " << mostra(c) << " before a lesson introduces it";
            }
        }
        for (const unsigned char c : lezione.nuovi)
            EXPECT_TRUE(praticati.contains(c)) << lezione.nome << " never practises " << mostra(c);
    }
    // The blank and Enter are pressed in every lesson; every other key that
    // types a character needs a lesson of its own.
    std::cout << "key  lesson that introduces it\n";
    for (const auto& voce : mappaTasti) {
        const auto c = static_cast<unsigned char>(voce.carattere);
        if (c == 0 || c == ' ' || c == '\r')
            continue;
        const auto it = introdotto.find(c);
        std::cout << mostra(c) << "    " << (it == introdotto.end() ? "(none)" : it->second)
                  << '\n';
        EXPECT_NE(it, introdotto.end()) << "no lesson introduces " << mostra(c);
    }
}
