// SPDX-License-Identifier: GPL-3.0-or-later
// Whole cycles of the built-in phrases: the numbering within each level, the
// learner's answers to the results, what a cycle records and what "go on"
// clears.
#include "banco_esercizio.h"

#include <gtest/gtest.h>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

class Registrato final : public OsservatoreEsercizio {
public:
    void tastoGiusto(unsigned char) override {}
    void tastoSbagliato(unsigned char, int) override {}
    void fraseFinita(const EsitoFrase&) override {}
    void livelloFinito(const EsitoLivello& e) override { livelli.push_back(e); }
    void cicloFinito(const EsitoCiclo& e) override { cicli.push_back(e); }
    void testoFinito(const EsitoTesto&) override {}
    void inAttesa() override {}
    std::vector<EsitoLivello> livelli;
    std::vector<EsitoCiclo> cicli;
};

class CicloTest : public prova::EsercizioTest {
protected:
    CicloTest() { e.impostaOsservatore(&registro); }

    // Types the phrase on display, each phrase at a speed of its own, with
    // `errori` wrong keys after its first letter.
    void battiFrase(int errori) {
        const auto passo = std::chrono::milliseconds(350 + 45 * e.numeroFrase());
        bool primo = true;
        for (const char c : e.testoCorrente()) {
            if (c == '\n')
                continue;
            s.orologio.avanza(passo);
            premi(static_cast<unsigned char>(c));
            for (int k = 0; primo && k < errori; ++k)
                premi(c == 'z' ? 'y' : 'z');
            primo = false;
        }
    }
    // Types phrases 1 to `ultima` of the cycle, going on after each level;
    // phrase 7 gets two wrong keys.
    void battiFino(int ultima) {
        for (int n = 1; n <= ultima; ++n) {
            iniziaFrase(n);
            battiFrase(n == 7 ? 2 : 0);
        }
    }

    Registrato registro;
};

TEST_F(CicloTest, PhrasesAreNumberedWithinTheirLevel) {
    const struct {
        int frase;
        int livello;
        const char* numero;
    } casi[] = {{1, 1, "1"}, {5, 1, "5"}, {6, 2, "1"}, {9, 2, "4"}, {11, 3, "1"}, {15, 3, "5"}};
    for (const auto& c : casi) {
        while (e.numeroFrase() < c.frase - 1) {
            iniziaFrase(e.numeroFrase() + 1);
            battiFrase(0);
        }
        iniziaFrase(c.frase);
        EXPECT_EQ(mod.CurrentLevel, c.livello) << c.frase;
        EXPECT_EQ(e.stato().numeroFrase, c.numero) << c.frase;
        EXPECT_NE(e.stato().titolo.find(std::string(" ") + c.numero), std::string::npos)
            << e.stato().titolo;
        battiFrase(0);
    }
}

// The results' answer: −1 when the window was closed without a choice, 0
// to go on, 1 to end.
class RispostaTest : public CicloTest, public ::testing::WithParamInterface<int> {};

TEST_P(RispostaTest, EveryAnswerButGoOnEndsTheProgramAfterALevel) {
    battiFino(5);
    vista.rispostaRisultati = GetParam();
    iniziaFrase(6);
    EXPECT_EQ(vista.finestre.back(), Finestra::Risultati);
    EXPECT_EQ(vista.chiusure, GetParam() == 0 ? 0 : 1);
}

TEST_F(CicloTest, ACycleRecordsItsTotalsAndTheLevelsTheirShownAverages) {
    battiFino(15);
    ASSERT_EQ(registro.cicli.size(), 1U);
    EXPECT_EQ(registro.cicli[0].caratteri, mod.TotalCorrect);
    EXPECT_EQ(registro.cicli[0].errori, mod.TotalErrors);
    EXPECT_EQ(mod.TotalErrors, 2);
    ASSERT_EQ(registro.livelli.size(), 3U);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(registro.livelli[k].livello, static_cast<int>(k) + 1);
        EXPECT_EQ(std::to_string(registro.livelli[k].media), e.stato().medie[k]) << k;
    }
    EXPECT_NE(registro.livelli[0].media, registro.livelli[2].media);
}

TEST_P(RispostaTest, AfterACycleGoOnStartsAfreshAndAnyOtherAnswerEnds) {
    battiFino(15);
    vista.rispostaRisultati = GetParam();
    premi(codiceTasto::Invio);
    EXPECT_EQ(vista.finestre.back(), Finestra::Risultati);
    EXPECT_EQ(vista.chiusure, GetParam() == 0 ? 0 : 1);
    if (GetParam() != 0)
        return;
    for (const float v : mod.PhraseSpeed)
        EXPECT_EQ(v, 0.0F);
    for (const std::string& media : e.stato().medie)
        EXPECT_EQ(media, "");
    EXPECT_EQ(mod.TotalCorrect, 0);
    EXPECT_EQ(mod.TotalErrors, 0);
    EXPECT_EQ(mod.CurrentLevel, 1);
}

INSTANTIATE_TEST_SUITE_P(Risposte, RispostaTest, ::testing::Values(-1, 0, 1));

// The progress window's weak-key file starts at once, with the built-in
// phrases' category chosen so that Start keeps it.
TEST_F(CicloTest, AFileStartedDirectlyIsKeptByStart) {
    scelta.optMenu_Click(Categoria::Esercizi, "Anna");
    e.avviaFile("/nonexistent/TastiDeboli.ftd");
    EXPECT_EQ(scelta.categoria(), Categoria::FrasiInterne);
    EXPECT_EQ(mod.ExerciseFile, "/nonexistent/TastiDeboli.ftd");
    EXPECT_EQ(e.numeroFrase(), 1);
    EXPECT_FALSE(e.testoCorrente().empty());
}

} // namespace
