// SPDX-License-Identifier: GPL-3.0-or-later
// Every practice file the program ships: its structure, and that the learner
// can type every character of it on the keyboard it teaches.
#include "app/utf8.h"
#include "content/cartelle.h"
#include "content/categorie.h"
#include "content/codifica.h"
#include "content/fileesercizio.h"
#include "content/filetesto.h"
#include "keyboard/mappatasti.h"
#include "pdf/metrichefont.h"
#include "settings/fileatomico.h"
#include "settings/ini.h"

#include <gtest/gtest.h>
#include <set>

using namespace scrivolta;

namespace {

const std::string kCorso = SCRIVOLTA_SOURCE_DATA "/CorsoDattilo/";
const std::string kEsercizi = SCRIVOLTA_SOURCE_DATA "/Esercizi/";

// The phrase font (Arial, 16 pixels) on the phrase line of the display.
class MisuraArial final : public MisuraTesto {
public:
    int larghezzaTesto(std::string_view testo) const override {
        const auto* arial = pdf::metricheFont(false, 0);
        int millesimi = 0;
        for (const char c : testo)
            millesimi += arial->width(static_cast<unsigned char>(c));
        return (millesimi * 16 + 999) / 1000;
    }
    int larghezzaRiga() const override { return 584; }
};

std::string contenuto(const std::string& percorso) {
    return testoDaFile(fileatomico::leggi(percorso).contenuto);
}

void verificaCaratteri(std::string_view testo, const std::string& dove) {
    for (const char c : testo) {
        EXPECT_TRUE(cercaCarattere(static_cast<unsigned char>(c)).has_value())
            << dove << ": no key types code " << static_cast<int>(static_cast<unsigned char>(c));
    }
}

// Returns how many phrases the level holds: 5 in order, or a pool of 15.
std::size_t verificaLivello(const std::string& percorso, int livello) {
    const std::string testo = contenuto(percorso);
    const auto voci = ini::vociSezione(testo, std::to_string(livello) + "Livello");
    const MisuraArial misura;
    for (std::size_t k = 1; k <= voci.size(); ++k) {
        const std::string dove = percorso + " " + std::to_string(livello) + "/" + std::to_string(k);
        EXPECT_EQ(voci[k - 1].chiave, std::to_string(k)) << dove;
        std::string atteso = voci[k - 1].valore;
        const auto doppia = atteso.find("\xA6\xA6");
        if (doppia != std::string::npos)
            atteso.replace(doppia, 2, "\r\n");
        // Read as the program reads it, nothing is cut or filtered away.
        EXPECT_EQ(LeggiFraseEsercizio(percorso, livello, static_cast<int>(k), misura), atteso)
            << dove;
        std::string righe = atteso;
        std::erase(righe, '\r');
        std::erase(righe, '\n');
        verificaCaratteri(righe, dove);
    }
    return voci.size();
}

void verificaFileEsercizio(const std::string& percorso) {
    for (int livello = 1; livello <= 3; ++livello) {
        const std::size_t frasi = verificaLivello(percorso, livello);
        EXPECT_TRUE(frasi == 5 || frasi >= 15) << percorso << " level " << livello << ": " << frasi;
    }
}

} // namespace

TEST(DatiSpediti, TheCourseHasItsLessonsInOrderEachWithThreeLevels) {
    const auto lezioni = elencoFile(kCorso, ".ftd");
    ASSERT_GE(lezioni.size(), 30U);
    const auto voci = vociCorso(lezioni);
    for (std::size_t i = 0; i < lezioni.size(); ++i) {
        const std::string numero = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
        const std::string nome = lezioni[i].substr(0, lezioni[i].size() - 4);
        EXPECT_EQ(nome.substr(0, 3), numero + " ") << lezioni[i];
        // The list shows the name up to its first full stop in capitals, the
        // bookmark keeps the file's name and captions show 30 characters:
        // all three must be the whole name.
        EXPECT_EQ(voci[i], nome);
        EXPECT_LE(nome.size(), 30U) << nome;
        verificaFileEsercizio(kCorso + lezioni[i]);
    }
}

TEST(DatiSpediti, ExerciseFilesHaveFiveOrFifteenPhrasesALevel) {
    const auto esercizi = elencoFile(kEsercizi, ".ftd");
    ASSERT_GE(esercizi.size(), 8U);
    bool estratte = false;
    for (const auto& nome : esercizi) {
        verificaFileEsercizio(kEsercizi + nome);
        estratte = estratte || !valoreFrase(contenuto(kEsercizi + nome), 1, 15).empty();
    }
    EXPECT_TRUE(estratte) << "one exercise draws its phrases from fifteen";
}

TEST(DatiSpediti, TextFilesAreShortEnoughAndTypeable) {
    const auto testi = elencoFile(kEsercizi, ".txt");
    ASSERT_GE(testi.size(), 8U);
    std::set<long long> lunghezze;
    bool utf8 = false;
    for (const auto& nome : testi) {
        const std::string percorso = kEsercizi + nome;
        const auto byte = leggiFileTesto(percorso).byte;
        ASSERT_TRUE(byte.has_value()) << nome;
        lunghezze.insert(static_cast<long long>(byte->size()));
        utf8 = utf8 || testoDaFile(*byte) != *byte;
        const std::string testo = CaricaFileTesto(percorso).testo;
        ASSERT_FALSE(testo.empty()) << nome;
        verificaCaratteri(testo, nome);
    }
    EXPECT_EQ(lunghezze.size(), testi.size()) << "texts of different lengths";
    EXPECT_TRUE(utf8) << "one text is stored in UTF-8";
    EXPECT_LT(*lunghezze.begin(), 600) << "a short text for a first try";
    EXPECT_GT(*lunghezze.rbegin(), 24000) << "a long text near the limit";
}

TEST(DatiSpediti, OneExerciseFileIsStoredInWindows1252TheOthersInUtf8) {
    const auto file = [] {
        auto nomi = elencoFile(kEsercizi, ".ftd");
        for (auto& n : elencoFile(kEsercizi, ".txt"))
            nomi.push_back(n);
        return nomi;
    }();
    EXPECT_GE(file.size(), 16U) << "eight exercises and eight texts";
    int cp1252 = 0;
    for (const auto& nome : file) {
        const std::string byte = fileatomico::leggi(kEsercizi + nome).contenuto;
        cp1252 += utf8::valido(byte) ? 0 : 1;
    }
    EXPECT_EQ(cp1252, 1);
}
