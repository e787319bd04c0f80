// SPDX-License-Identifier: GPL-3.0-or-later
#include "banco_gioco.h"

#include <gtest/gtest.h>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

int bersaglio(const StatoGioco& s) {
    for (int i = 0; i < kColonne; ++i) {
        if (s.colonne[static_cast<std::size_t>(i)].colore == coloreGioco::Rosso)
            return i;
    }
    return -1;
}

// Draws that put every training character at the top of the field, the
// set's characters into columns 0, 1, 2...
void tuttiInAlto(prova::CasoFinto& caso, std::size_t lunghezzaSerie) {
    for (int i = 0; i < kColonne; ++i)
        caso.valori.push_back(0.0); // the reset before the message
    for (int i = 0; i < kColonne; ++i)
        caso.valori.push_back(0.0); // the training tops
    for (std::size_t i = 0; i < lunghezzaSerie; ++i)
        caso.valori.push_back((static_cast<double>(i) + 0.5) / kColonne);
}

} // namespace

TEST(Allenamento, TargetIsTheLowestCharacterAndTheRightmostAtEqualHeights) {
    prova::BancoGioco b;
    tuttiInAlto(b.s.caso, 10);
    b.avvia(opzioneGioco::PrimaSerie);
    EXPECT_EQ(b.gioco->serieLettere(), "qsdfjklmei");
    EXPECT_EQ(b.colonna(0).lettera, 'q');
    EXPECT_EQ(bersaglio(b.stato()), 9);
    EXPECT_EQ(b.stato().lblWinner, "ND");
    EXPECT_TRUE(b.stato().pannelloAllenamento);
    EXPECT_FALSE(b.stato().pannelloGioco);
}

TEST(Allenamento, ARightLetterThatIsNotTheTargetIsAMiss) {
    prova::BancoGioco b;
    tuttiInAlto(b.s.caso, 10);
    b.avvia(opzioneGioco::PrimaSerie);
    b.gioco->Form_KeyPress('q'); // on screen, but column 9 ('i') is the target
    EXPECT_EQ(b.gioco->errate(), 1);
    EXPECT_EQ(b.gioco->esatte(), 0);
    EXPECT_EQ(b.stato().lblDigKO, "1");
    EXPECT_EQ(b.stato().lblTotDigit, "1");
    EXPECT_EQ(b.stato().lblScoreTraining, "0 %");
    EXPECT_EQ(b.stato().fase, FaseGioco::Pausa);
    b.s.orologio.avanza(1s);
    b.finisciAttesa();
    EXPECT_EQ(b.stato().fase, FaseGioco::InCorso);
}

TEST(Allenamento, AHitScoresByHeightAndBringsANewLetter) {
    prova::BancoGioco b;
    tuttiInAlto(b.s.caso, 10);
    b.avvia(opzioneGioco::PrimaSerie);
    for (int i = 0; i < 10; ++i)
        b.tick();
    ASSERT_EQ(b.colonna(9).top, 10);
    b.s.caso.valori = {(12 + 0.5) / kColonne, 0.0}; // column 12 gets 'q'
    b.gioco->Form_KeyPress('i');
    EXPECT_EQ(b.gioco->esatte(), 1);
    EXPECT_EQ(b.gioco->punteggio(), PuntiAltezza(10 - 5, 460));
    EXPECT_EQ(b.stato().lblScoreTraining, "100 %");
    EXPECT_FALSE(b.colonna(9).visibile);
    EXPECT_EQ(b.colonna(9).lettera, 0);
    EXPECT_TRUE(b.colonna(12).visibile);
    EXPECT_EQ(b.colonna(12).lettera, 'q');
    EXPECT_EQ(bersaglio(b.stato()), 8);
}

TEST(Allenamento, ALetterReachingTheBottomIsAMissAndStartsAgain) {
    prova::BancoGioco b;
    tuttiInAlto(b.s.caso, 10);
    b.gioco->hsSpeed_Change(1);
    b.avvia(opzioneGioco::PrimaSerie);
    EXPECT_EQ(b.vista.intervallo, 25);
    while (b.gioco->errate() == 0)
        b.tick();
    EXPECT_EQ(b.gioco->errate(), 10); // all fell together
    EXPECT_EQ(b.colonna(0).top, -5);
    EXPECT_EQ(bersaglio(b.stato()), 0); // none in the field yet
}

TEST(Allenamento, EndsAtItsTimeLimit) {
    prova::BancoGioco b;
    b.gioco->optDifficulty_Click(opzioneGioco::UltimaSerie);
    b.gioco->hsTime_Change(4);
    EXPECT_EQ(b.stato().lblTime, "10,0 min");
    b.gioco->cmdStart_Click();
    b.finisciAttese();
    b.gioco->timerLetters_Timer();
    b.s.orologio.avanza(599s);
    b.tick();
    EXPECT_EQ(b.stato().fase, FaseGioco::InCorso);
    b.s.orologio.avanza(1s);
    b.tick();
    EXPECT_EQ(b.stato().fase, FaseGioco::Finito);
    EXPECT_FALSE(b.vista.lettere);
    EXPECT_FALSE(b.gioco->tastiAttivi());
    EXPECT_EQ(b.stato().messaggio, " Allenamento terminato");
    // The disc drew a line for every second it saw.
    EXPECT_EQ(b.stato().disco.front(), 600);
    EXPECT_LE(b.stato().disco.back(), 0);
}

TEST(Allenamento, CustomSetTooShortOnceCleanedIsRefused) {
    prova::BancoGioco b;
    b.gioco->optDifficulty_Click(opzioneGioco::Personalizzato);
    EXPECT_EQ(b.vista.focus, 1);
    EXPECT_TRUE(b.stato().cursoriAttivi);
    b.gioco->txtCustom_Change("abc");
    b.gioco->cmdStart_Click();
    EXPECT_EQ(b.stato().txtCustom, "abc");
    b.gioco->txtCustom_Change("abAB");
    b.gioco->cmdStart_Click();
    EXPECT_EQ(b.stato().txtCustom, "");
    ASSERT_EQ(b.s.messaggi.mostrati.size(), 2U);
    EXPECT_EQ(b.s.messaggi.mostrati[1].testo, "Inserire almeno quattro caratteri alfanumerici");
    EXPECT_EQ(b.s.messaggi.mostrati[1].icona, Icona::Informazione);
    EXPECT_EQ(b.vista.focus, 3);
    EXPECT_TRUE(b.stato().pannelloScelta);

    b.gioco->txtCustom_Change("aAbBcDd");
    b.gioco->cmdStart_Click();
    EXPECT_EQ(b.stato().txtCustom, "abcD");
    EXPECT_EQ(b.gioco->serieLettere(), "abcD");
    EXPECT_FALSE(b.stato().pannelloScelta);
}
