// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the results window: scores, averages, bands, ratios and
// the totals its print and PDF show.

#include "reports/classifica.h"
#include "reports/formati.h"
#include "reports/risultati.h"

#include <gtest/gtest.h>

using namespace scrivolta;

namespace {

const ParoleValutazione kParole{"Ottimo", "Buono", "Sufficiente", "Insufficiente"};

std::array<float, 16> velocita(std::initializer_list<std::pair<int, float>> frasi) {
    std::array<float, 16> v{};
    for (const auto& [i, x] : frasi)
        v[static_cast<std::size_t>(i)] = x;
    return v;
}

} // namespace

// Both factors are single precision; their product is taken in double
// precision and floored, so the float rounding of 2.05 shows.
TEST(Risultati, RowScoreFloorsTheDoubleProductOfSingleFactors) {
    EXPECT_EQ(punteggioRiga(2.0F, 0.4F), 80);
    EXPECT_EQ(punteggioRiga(2.05F, 0.4F), 81);
    EXPECT_EQ(punteggioRiga(2.1F, 0.4F), 83);
    EXPECT_EQ(FasciaRisultato(punteggioRiga(2.0F, 0.4F)), 3);
    EXPECT_EQ(FasciaRisultato(punteggioRiga(2.05F, 0.4F)), 4);
}

TEST(Risultati, RowScoreIsCappedAtHundredAndZeroStaysZero) {
    EXPECT_EQ(punteggioRiga(5.0F, 0.2F), 100);
    EXPECT_EQ(punteggioRiga(6.0F, 0.2F), 100);
    EXPECT_EQ(punteggioRiga(100.0F, 0.4F), 100);
    EXPECT_EQ(punteggioRiga(0.0F, 0.4F), 0);
    EXPECT_EQ(punteggioRiga(0.01F, 0.2F), 0);
}

TEST(Risultati, LevelAverageDividesByFiveAndRoundsHalvesToEven) {
    EXPECT_EQ(mediaPunteggi(402), 80);
    EXPECT_EQ(mediaPunteggi(412), 82);
    EXPECT_EQ(mediaPunteggi(416), 83);
    // Speeds whose scores are 80, 81, 80, 81, 80.
    const auto v = velocita({{6, 2.0F}, {7, 2.05F}, {8, 2.0F}, {9, 2.05F}, {10, 2.0F}});
    const LivelloRisultati l = calcolaLivello(v, 6, 0.4F);
    EXPECT_EQ(l.righe[1].punteggio, 81);
    EXPECT_EQ(l.mediaPunteggio, 80);
    EXPECT_FLOAT_EQ(l.mediaVelocita, (2.0F * 3 + 2.05F * 2) / 5);
    // Phrases not typed count as zero: one phrase at 100 averages 20.
    const LivelloRisultati solo = calcolaLivello(velocita({{11, 3.0F}}), 11, 0.4F);
    EXPECT_EQ(solo.mediaPunteggio, 20);
    EXPECT_EQ(velocitaAlMinuto(solo.mediaVelocita), "36");
}

TEST(Risultati, BandsAreStepsOfTwenty) {
    const std::pair<int, int> casi[] = {{-5, 0}, {0, 0},  {20, 0}, {21, 1}, {40, 1},
                                        {41, 2}, {60, 2}, {61, 3}, {80, 3}, {81, 4}};
    for (const auto& [punteggio, fascia] : casi)
        EXPECT_EQ(FasciaRisultato(punteggio), fascia) << punteggio;
}

TEST(Risultati, ErrorRatioThresholdsOfBothModes) {
    // Beginner: 2 % is still Ottimo, a little more is Buono.
    EXPECT_EQ(Valutazione(100, 2, false, kParole), "Ottimo");
    EXPECT_EQ(Valutazione(10000, 201, false, kParole), "Buono");
    EXPECT_EQ(Valutazione(100, 3, false, kParole), "Buono");
    EXPECT_EQ(Valutazione(100, 4, false, kParole), "Sufficiente");
    EXPECT_EQ(Valutazione(10000, 401, false, kParole), "Insufficiente");
    // Expert: 1 % is Sufficiente, 1.01 % Insufficiente.
    EXPECT_EQ(Valutazione(200, 1, true, kParole), "Ottimo");
    EXPECT_EQ(Valutazione(400, 3, true, kParole), "Buono");
    EXPECT_EQ(Valutazione(100, 1, true, kParole), "Sufficiente");
    EXPECT_EQ(Valutazione(10000, 101, true, kParole), "Insufficiente");
    EXPECT_EQ(Valutazione(200, 3, false, kParole), "Ottimo");
    EXPECT_EQ(Valutazione(200, 3, true, kParole), "Insufficiente");
    EXPECT_EQ(Valutazione(0, 0, true, kParole), "Ottimo");
}

TEST(Risultati, NumberFormats) {
    EXPECT_EQ(formatoIntero(0.0), "0");
    EXPECT_EQ(formatoIntero(2.5), "3");
    EXPECT_EQ(formatoIntero(119.4), "119");
    EXPECT_EQ(formatoPercento(3.0 / 200), "1.5%");
    EXPECT_EQ(formatoPercento(1.0 / 400), "0.3%");
    EXPECT_EQ(formatoPercento(0.0), "0.0%");
    EXPECT_EQ(formatoPercento(649.0 / 660), "98.3%");
    EXPECT_EQ(formatoDecimale(120.0), "120.0");
}

TEST(Risultati, TotalsDivideByTheLevelsReached) {
    const TotaliRisultati t = calcolaTotali(4.0F, 163, 2, 3, 200, false, kParole);
    EXPECT_EQ(t.velocitaMedia, "120");
    EXPECT_EQ(t.punteggioMedio, 81);
    EXPECT_EQ(t.rapportoErrori, "1.5%");
    EXPECT_EQ(t.valutazione, "Ottimo");
    // A level count the window never draws counts as the one level drawn.
    EXPECT_EQ(calcolaTotali(2.0F, 80, 0, 0, 10, false, kParole).punteggioMedio, 80);
}

class ClassificaTest : public ::testing::Test {
protected:
    ClassificaTest() {
        mod.PhraseSpeed = velocita({{1, 2.0F},
                                    {2, 2.0F},
                                    {3, 2.0F},
                                    {4, 2.0F},
                                    {5, 2.0F},
                                    {6, 1.0F},
                                    {7, 1.0F},
                                    {8, 1.0F},
                                    {9, 1.0F},
                                    {10, 1.0F}});
        mod.SpeedFactor = 0.4F;
        mod.ModeName = "Principiante";
        mod.ResultsAnswer = 0;
    }
    ModTastiro mod;
};

TEST_F(ClassificaTest, TotalsCoverTheLevelsShownOnly) {
    mod.CurrentLevel = 1;
    Classifica c(mod, testiClassifica(mod.ModeName));
    EXPECT_EQ(mod.ResultsAnswer, -1);
    EXPECT_EQ(c.livelliMostrati(), 1);
    EXPECT_EQ(c.livello(1).mediaPunteggio, 40);
    EXPECT_EQ(c.totali().punteggioMedio, 80);

    mod.CurrentLevel = 2;
    Classifica due(mod, testiClassifica(mod.ModeName));
    const TotaliRisultati t = due.totali();
    EXPECT_EQ(t.punteggioMedio, 60);
    EXPECT_EQ(t.velocitaMedia, "90");
    // Asking again gives the same totals: nothing is summed twice.
    EXPECT_EQ(due.totali().punteggioMedio, 60);
}

TEST_F(ClassificaTest, NoKeystrokesCountAsOneAndTheOneIsKept) {
    mod.TotalCorrect = 0;
    mod.TotalErrors = 0;
    Classifica c(mod, testiClassifica(mod.ModeName));
    const TotaliRisultati t = c.totali();
    EXPECT_EQ(t.battute, 0);
    EXPECT_EQ(t.rapportoErrori, "0.0%");
    EXPECT_EQ(t.valutazione, "Ottimo");
    EXPECT_EQ(mod.TotalCorrect, 1);
    EXPECT_EQ(c.totali().battute, 1);
}

TEST_F(ClassificaTest, ClosingMessagesAndSourceLine) {
    mod.CurrentLevel = 2;
    mod.ResultsKind = TipoRisultati::Livello;
    Classifica livello(mod, testiClassifica(mod.ModeName));
    EXPECT_EQ(livello.messaggioFinale().substr(0, 54),
              "Molto bene! Hai terminato l'esercizio di livello  2.\r\n");
    mod.ResultsKind = TipoRisultati::Ciclo;
    EXPECT_EQ(Classifica(mod, testiClassifica("")).messaggioFinale().find("Complimenti!"), 0U);
    mod.ResultsKind = TipoRisultati::Nessuno;
    EXPECT_EQ(Classifica(mod, testiClassifica("")).messaggioFinale(), "");

    EXPECT_EQ(livello.rigaFonte().substr(0, 13), "L'esercizio c");
    mod.ExerciseFile = "/home/anna/Esercizi/Prova.ftd";
    EXPECT_EQ(Classifica(mod, testiClassifica("")).rigaFonte(),
              "L'esercizio corrente \xE8 stato eseguito utilizzando il file  Prova.ftd");
    // The name on disk is UTF-8; the print and the PDF write Windows-1252.
    mod.ExerciseFile = "/home/anna/Esercizi/Le\xC3\xA7on d'\xC3\xA9t\xC3\xA9.ftd";
    EXPECT_EQ(Classifica(mod, testiClassifica("")).rigaFonte(),
              "L'esercizio corrente \xE8 stato eseguito utilizzando il file  Le\xE7on "
              "d'\xE9t\xE9.ftd");
}

TEST_F(ClassificaTest, NoNameBecomesTheProductNameForGood) {
    Classifica c(mod, testiClassifica(mod.ModeName));
    EXPECT_EQ(c.nomeUtente(), "");
    c.nomePerPdf();
    EXPECT_EQ(c.nomeUtente(), "Scrivolta");
    c.rispondi(RispostaRisultati::Termina);
    EXPECT_EQ(mod.ResultsAnswer, 1);
}

// Each level at a pace of its own, the last one uneven, none at the cap.
TEST_F(ClassificaTest, AWholeCycleAveragesItsThreeLevels) {
    mod.PhraseSpeed = velocita({{1, 1.5F},
                                {2, 1.5F},
                                {3, 1.5F},
                                {4, 1.5F},
                                {5, 1.5F},
                                {6, 1.0F},
                                {7, 1.0F},
                                {8, 1.0F},
                                {9, 1.0F},
                                {10, 1.0F},
                                {11, 0.5F},
                                {12, 0.75F},
                                {13, 1.0F},
                                {14, 1.25F},
                                {15, 2.25F}});
    mod.CurrentLevel = 3;
    Classifica c(mod, testiClassifica(mod.ModeName));
    EXPECT_EQ(c.livelliMostrati(), 3);
    EXPECT_EQ(c.livello(2).primaFrase, 11);
    const int punteggi[] = {20, 30, 40, 50, 90};
    for (std::size_t r = 0; r < 5; ++r)
        EXPECT_EQ(c.livello(2).righe[r].punteggio, punteggi[r]) << r;
    EXPECT_EQ(c.livello(0).mediaPunteggio, 60);
    EXPECT_EQ(c.livello(2).mediaPunteggio, 46);
    const TotaliRisultati t = c.totali();
    EXPECT_EQ(t.punteggioMedio, 48);  // (60 + 40 + 46) / 3, floored
    EXPECT_EQ(t.velocitaMedia, "73"); // (1.5 + 1.0 + 1.15) * 60 / 3
}

TEST(Risultati, ErrorGradesJustAboveEachThreshold) {
    const struct {
        int battute, errori;
        bool esperto;
        const char* parola;
    } casi[] = {{1000, 21, false, "Buono"},   {1000, 31, false, "Sufficiente"},
                {10000, 51, true, "Buono"},   {10000, 76, true, "Sufficiente"},
                {10000, 50, true, "Ottimo"},  {10000, 75, true, "Buono"},
                {10000, 300, false, "Buono"}, {10000, 400, false, "Sufficiente"}};
    for (const auto& c : casi)
        EXPECT_EQ(Valutazione(c.battute, c.errori, c.esperto, kParole), c.parola)
            << c.errori << "/" << c.battute << " " << c.esperto;
}
