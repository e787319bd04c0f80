// SPDX-License-Identifier: GPL-3.0-or-later
#include "banco_gioco.h"

#include <gtest/gtest.h>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

void giocaFinoAllaFine(prova::BancoGioco& b) {
    while (b.stato().fase != FaseGioco::Finito) {
        b.prendiTutte();
        b.contaEProsegui();
    }
}

// A training on the first set: one hit on the target, one wrong key, then
// the clock runs to the time limit.
void alleniFinoAlLimite(prova::BancoGioco& b) {
    b.gioco->optDifficulty_Click(opzioneGioco::PrimaSerie);
    b.gioco->cmdStart_Click();
    b.finisciAttese();
    for (const Colonna& c : b.stato().colonne) {
        if (c.visibile && c.colore == coloreGioco::Rosso) {
            b.gioco->Form_KeyPress(static_cast<unsigned char>(c.lettera));
            break;
        }
    }
    b.gioco->Form_KeyPress('#');
    b.s.orologio.avanza(1s);
    b.finisciAttese();
    b.s.orologio.avanza(durataAllenamento(b.stato().hsTime));
    b.tick();
}

} // namespace

TEST(Corse, AGameOverIsReportedOnceWithItsResults) {
    prova::BancoGioco b;
    const auto inizio = b.s.orologio.now();
    b.avvia(opzioneGioco::Medio);
    giocaFinoAllaFine(b);
    ASSERT_EQ(b.corse.finite.size(), 1U);
    const FineCorsa& f = b.corse.finite[0];
    EXPECT_EQ(f.studente, "Anna");
    EXPECT_FALSE(f.allenamento);
    EXPECT_EQ(f.difficolta, opzioneGioco::Medio);
    EXPECT_EQ(f.livello, kLivelliGioco);
    EXPECT_EQ(f.punti, b.gioco->punteggio());
    EXPECT_GT(f.punti, 0);
    // The record's flourish follows the end; the run ended before it.
    EXPECT_LE(f.ora, b.s.orologio.now());
    EXPECT_EQ(f.secondi, std::chrono::duration_cast<std::chrono::seconds>(f.ora - inizio).count());
    EXPECT_GT(f.secondi, 0);

    // Leaving the finished game tells nothing more.
    b.gioco->cmdNuovo_Click();
    b.gioco->cmdExit_Click();
    EXPECT_EQ(b.corse.finite.size(), 1U);
}

TEST(Corse, AGameLeftCountsOnlyAfterAFinishedLevel) {
    prova::BancoGioco b;
    b.avvia(opzioneGioco::Facile);
    b.gioco->cmdNuovo_Click();
    EXPECT_TRUE(b.corse.finite.empty());

    b.avvia(opzioneGioco::Facile);
    b.prendiTutte();
    b.contaEProsegui();
    const long long punti = b.gioco->punteggio();
    b.gioco->cmdExit_Click();
    ASSERT_EQ(b.corse.finite.size(), 1U);
    EXPECT_EQ(b.corse.finite[0].livello, 2);
    EXPECT_EQ(b.corse.finite[0].punti, punti);
    EXPECT_EQ(b.vista.chiusure, 1);
}

TEST(Corse, ATrainingToItsTimeLimitIsReportedOnce) {
    prova::BancoGioco b;
    const auto inizio = b.s.orologio.now();
    alleniFinoAlLimite(b);
    ASSERT_EQ(b.stato().fase, FaseGioco::Finito);
    ASSERT_EQ(b.corse.finite.size(), 1U);
    const FineCorsa& f = b.corse.finite[0];
    EXPECT_TRUE(f.allenamento);
    EXPECT_EQ(f.difficolta, opzioneGioco::PrimaSerie);
    EXPECT_EQ(f.livello, 0);
    EXPECT_EQ(f.esatte, b.gioco->esatte());
    EXPECT_EQ(f.errate, b.gioco->errate());
    EXPECT_EQ(f.esatte, 1);
    EXPECT_GE(f.errate, 1);
    EXPECT_EQ(std::to_string(f.precisione) + " %", b.stato().lblScoreTraining);
    EXPECT_EQ(f.secondi, std::chrono::duration_cast<std::chrono::seconds>(f.ora - inizio).count());
    b.gioco->cmdNuovo_Click();
    EXPECT_EQ(b.corse.finite.size(), 1U);
}

TEST(Corse, AStoppedTrainingIsReportedAndNobodyListeningIsFine) {
    prova::BancoGioco b;
    b.gioco->optDifficulty_Click(opzioneGioco::PrimaSerie);
    const auto inizio = b.s.orologio.now();
    b.gioco->cmdStart_Click();
    b.finisciAttese();
    b.s.orologio.avanza(5s);
    b.gioco->cmdNuovo_Click();
    ASSERT_EQ(b.corse.finite.size(), 1U);
    EXPECT_EQ(b.corse.finite[0].ora, b.s.orologio.now());
    EXPECT_EQ(
        b.corse.finite[0].secondi,
        std::chrono::duration_cast<std::chrono::seconds>(b.s.orologio.now() - inizio).count());
    EXPECT_GE(b.corse.finite[0].secondi, 5);

    prova::BancoGioco senza;
    senza.osservatore = nullptr;
    senza.crea();
    alleniFinoAlLimite(senza);
    EXPECT_EQ(senza.stato().fase, FaseGioco::Finito);
    EXPECT_TRUE(senza.corse.finite.empty());
}
