// SPDX-License-Identifier: GPL-3.0-or-later
#include "../game/banco_gioco.h"
#include "history/registrogioco.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>

using namespace scrivolta;
using namespace scrivolta::storico;
using namespace std::chrono_literals;

namespace {

// The game's rules reporting into a real history file, on the game's own
// scripted clock.
struct BancoStorico {
    BancoStorico() {
        gioco.osservatore = &partite;
        gioco.crea();
    }
    std::vector<Riga> storia() { return Storico(file).storia("Anna"); }

    prova::BancoGioco gioco;
    std::string file = gioco.cartella.file("dati/Scrivolta.sqlite");
    RegistroStorico registro{file, gioco.cartella.file("CorsoDattilo/"), gioco.s.orologio, {}};
    RegistroGioco partite{registro};
};

} // namespace

TEST(RegistroGioco, AGameOverIsOneRunWithItsLevelScoreAndDuration) {
    BancoStorico b;
    const auto inizio = b.gioco.s.orologio.now();
    b.gioco.avvia(opzioneGioco::Facile);
    while (b.gioco.stato().fase != FaseGioco::Finito) {
        b.gioco.prendiTutte();
        b.gioco.contaEProsegui();
    }
    b.gioco.gioco->cmdExit_Click();
    const auto st = b.storia();
    ASSERT_EQ(st.size(), 1U);
    EXPECT_EQ(st[0].tipo, TipoRiga::Gioco);
    EXPECT_EQ(st[0].livello, kLivelliGioco);
    EXPECT_EQ(st[0].punteggio, b.gioco.gioco->punteggio());
    EXPECT_GT(st[0].secondi, 0);
    EXPECT_LE(st[0].secondi,
              std::chrono::duration_cast<std::chrono::seconds>(b.gioco.s.orologio.now() - inizio)
                  .count());
}

TEST(RegistroGioco, ATrainingToItsLimitIsOneRunWithItsSetAndScore) {
    BancoStorico b;
    b.gioco.gioco->optDifficulty_Click(opzioneGioco::UltimaSerie);
    b.gioco.gioco->cmdStart_Click();
    b.gioco.finisciAttese();
    b.gioco.gioco->Form_KeyPress('#');
    b.gioco.s.orologio.avanza(durataAllenamento(b.gioco.stato().hsTime) + 1s);
    b.gioco.finisciAttese();
    b.gioco.tick();
    ASSERT_EQ(b.gioco.stato().fase, FaseGioco::Finito);
    b.gioco.gioco->cmdNuovo_Click();
    const auto st = b.storia();
    ASSERT_EQ(st.size(), 1U);
    EXPECT_EQ(st[0].tipo, TipoRiga::Allenamento);
    EXPECT_EQ(st[0].livello, opzioneGioco::UltimaSerie);
    EXPECT_EQ(std::to_string(st[0].punteggio) + " %", b.gioco.stato().lblScoreTraining);
    EXPECT_GE(st[0].secondi, durataAllenamento(b.gioco.stato().hsTime).count());
}

TEST(RegistroGioco, AHistoryThatCannotBeWrittenLeavesTheGameAlone) {
    prova::BancoGioco b;
    // A folder where the file should be: nothing can be written there.
    const std::string file = b.cartella.file("dati");
    std::filesystem::create_directories(file);
    std::vector<Problema> segnalati;
    RegistroStorico registro{file, b.cartella.file("CorsoDattilo/"), b.s.orologio,
                             [&](const Problema& p) { segnalati.push_back(p); }};
    RegistroGioco partite{registro};
    b.osservatore = &partite;
    b.crea();
    b.avvia(opzioneGioco::Facile);
    while (b.stato().fase != FaseGioco::Finito) {
        b.prendiTutte();
        b.contaEProsegui();
    }
    EXPECT_EQ(LeggiRecord(b.fileRecord(), "Anna")[0], b.gioco->punteggio());
    EXPECT_EQ(registro.recordNonScritti(), 1U);
    EXPECT_TRUE(segnalati.empty());
    registro.inAttesa();
    EXPECT_EQ(segnalati.size(), 1U);
}

TEST(RegistroGioco, ScoresBeyondTheColumnAreClamped) {
    FineCorsa f;
    f.punti = 1LL << 40;
    EXPECT_EQ(RegistroGioco::partita(f).punti, INT_MAX);
    f.punti = -(1LL << 40);
    EXPECT_EQ(RegistroGioco::partita(f).punti, INT_MIN);
}
