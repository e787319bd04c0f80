// SPDX-License-Identifier: GPL-3.0-or-later
#include "banco_gioco.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

std::vector<const Colonna*> visibili(const StatoGioco& s) {
    std::vector<const Colonna*> v;
    for (const Colonna& c : s.colonne) {
        if (c.visibile)
            v.push_back(&c);
    }
    return v;
}

// The first visible column, and a key that matches no falling character.
const Colonna& primaVisibile(const StatoGioco& s) {
    return *visibili(s).front();
}
constexpr int kTastoSbagliato = '#';

} // namespace

TEST(Partita, FacileDealsSixWhiteLowerCaseCharactersWithStepsByLevel) {
    prova::BancoGioco b;
    b.avvia(opzioneGioco::Facile);
    for (int livello = 1; livello <= kLivelliGioco; ++livello) {
        ASSERT_EQ(b.gioco->livello(), livello);
        const auto v = visibili(b.stato());
        ASSERT_EQ(v.size(), 6U);
        std::set<char> lettere;
        for (const Colonna* c : v) {
            EXPECT_GE(c->lettera, 'a');
            EXPECT_LE(c->lettera, 'z');
            EXPECT_EQ(c->colore, coloreGioco::Bianco);
            EXPECT_GE(c->passo, 2);
            EXPECT_LE(c->passo, livello + 2);
            lettere.insert(c->lettera);
        }
        EXPECT_EQ(lettere.size(), 6U);
        EXPECT_TRUE(b.vista.lettere);
        EXPECT_EQ(b.vista.intervallo, kTickGiocoMs);
        b.prendiTutte();
        b.contaEProsegui();
    }
    EXPECT_EQ(b.stato().fase, FaseGioco::Finito);
}

TEST(Partita, OneCharacterClassForTheWholeDeal) {
    prova::BancoGioco b;
    bool cifreViste = false;
    for (int prova = 0; prova < 40 && !cifreViste; ++prova) {
        b.avvia(opzioneGioco::Difficile);
        ASSERT_EQ(visibili(b.stato()).size(), 18U);
        const char prima = b.colonna(0).lettera;
        const auto stessaClasse = [prima](char c) {
            return (std::isdigit(c) != 0) == (std::isdigit(prima) != 0) &&
                   (std::isupper(c) != 0) == (std::isupper(prima) != 0);
        };
        std::string lettere;
        for (const Colonna& c : b.stato().colonne) {
            EXPECT_TRUE(stessaClasse(c.lettera)) << c.lettera << " with " << prima;
            lettere += c.lettera;
        }
        // Ten digits fill eighteen columns: each comes once before any repeats.
        if (std::isdigit(prima) != 0) {
            cifreViste = true;
            EXPECT_EQ(std::set<char>(lettere.begin(), lettere.begin() + 10).size(), 10U);
            EXPECT_EQ(b.colonna(0).colore, coloreGioco::Ciano);
        }
        b.gioco->cmdNuovo_Click();
    }
    EXPECT_TRUE(cifreViste);
}

TEST(Partita, WrongKeyCostsPointsAndPausesTheFall) {
    prova::BancoGioco b;
    b.avvia(opzioneGioco::Facile);
    b.gioco->Form_KeyPress(kTastoSbagliato);
    EXPECT_EQ(b.gioco->punteggio(), -25);
    EXPECT_EQ(b.stato().lblTotal, "-25");
    EXPECT_EQ(b.stato().coloreTotale, coloreGioco::Rosso);
    EXPECT_TRUE(b.stato().imgErrore);
    EXPECT_FALSE(b.vista.lettere);
    EXPECT_FALSE(b.gioco->tastiAttivi());

    // Keys typed during the pause are not judged.
    b.gioco->Form_KeyPress(kTastoSbagliato);
    EXPECT_EQ(b.gioco->punteggio(), -25);
    // The pause lasts until the clock's second moves on.
    b.vista.attesaMs = 0;
    b.gioco->attesaFinita();
    EXPECT_EQ(b.stato().fase, FaseGioco::Pausa);
    b.s.orologio.avanza(1s);
    b.gioco->attesaFinita();
    EXPECT_EQ(b.stato().fase, FaseGioco::InCorso);
    EXPECT_TRUE(b.vista.lettere);
    EXPECT_TRUE(b.gioco->tastiAttivi());
    EXPECT_FALSE(b.stato().imgErrore);
    EXPECT_EQ(b.stato().coloreTotale, coloreGioco::Blu);
}

TEST(Partita, DoubleQuoteNeverCostsPoints) {
    prova::BancoGioco b;
    b.avvia(opzioneGioco::Facile);
    b.gioco->Form_KeyPress('"');
    EXPECT_EQ(b.gioco->punteggio(), 0);
    EXPECT_EQ(b.stato().fase, FaseGioco::InCorso);
    EXPECT_TRUE(b.s.suoni.suonati.empty() || b.s.suoni.suonati.back() != suonoGioco::Errore);
}

TEST(Partita, LostCharactersCostTenEachAtTheTally) {
    prova::BancoGioco b;
    b.avvia(opzioneGioco::Facile);
    const int altezza = b.stato().campo.altezza;
    const Colonna& presa = primaVisibile(b.stato());
    b.gioco->Form_KeyPress(static_cast<unsigned char>(presa.lettera));
    const int puntiPresa = PuntiAltezza(presa.sorriso.top, altezza);
    while (!b.vista.punti)
        b.tick();
    int tristi = 0;
    for (const Colonna& c : b.stato().colonne) {
        if (c.tristezza.visibile) {
            ++tristi;
            EXPECT_EQ(c.tristezza.top, altezza - 40);
        }
    }
    EXPECT_EQ(tristi, 5);
    EXPECT_EQ(b.gioco->punteggio(), 0);
    EXPECT_FALSE(b.vista.lettere);
    EXPECT_FALSE(b.gioco->tastiAttivi());

    // One step per tick: the hit first, then each loss.
    std::vector<int> mostrati;
    while (b.vista.punti) {
        b.gioco->timerScore_Timer();
        for (const Colonna& c : b.stato().colonne) {
            if (c.punti.visibile &&
                std::find(mostrati.begin(), mostrati.end(), c.left) == mostrati.end())
                mostrati.push_back(c.left);
        }
    }
    EXPECT_EQ(mostrati.size(), 6U);
    EXPECT_EQ(b.gioco->livello(), 2);
    EXPECT_EQ(b.gioco->punteggio(), puntiPresa - 5 * kPenalitaPersa);
}

TEST(Partita, TallyAddsHeightPointsAndSubtractsLosses) {
    prova::BancoGioco b;
    b.avvia(opzioneGioco::Facile);
    // Caught at once, still above the field: 100 points.
    const Colonna& alta = *std::min_element(
        b.stato().colonne.begin(), b.stato().colonne.end(), [](const Colonna& x, const Colonna& y) {
            return (x.visibile ? x.top : 1000) < (y.visibile ? y.top : 1000);
        });
    ASSERT_LT(alta.top, 0);
    b.gioco->Form_KeyPress(static_cast<unsigned char>(alta.lettera));
    while (!b.vista.punti)
        b.tick();
    while (b.vista.punti)
        b.gioco->timerScore_Timer();
    EXPECT_EQ(b.gioco->punteggio(), 100 - 5 * 10);
    EXPECT_EQ(b.stato().lblTotal, "50");
}

TEST(Partita, RecordReplacedOnlyByAStrictlyHigherScore) {
    const auto gioca = [](prova::BancoGioco& b) {
        b.avvia(opzioneGioco::Facile);
        while (b.stato().fase != FaseGioco::Finito) {
            b.prendiTutte();
            b.contaEProsegui();
        }
        return b.gioco->punteggio();
    };
    prova::BancoGioco primo;
    const long long punti = gioca(primo);
    ASSERT_GT(punti, 1000);
    EXPECT_EQ(LeggiRecord(primo.fileRecord(), "Anna")[0], punti);

    // The same game again (same draws, same keys) only equals the record.
    prova::BancoGioco pari;
    ScriviRecord(pari.fileRecord(), "Anna", 0, static_cast<int>(punti));
    pari.crea();
    EXPECT_EQ(gioca(pari), punti);
    EXPECT_EQ(
        std::count(pari.s.suoni.suonati.begin(), pari.s.suoni.suonati.end(), suonoGioco::Record),
        0);

    prova::BancoGioco battuto;
    ScriviRecord(battuto.fileRecord(), "Anna", 0, static_cast<int>(punti - 1));
    battuto.crea();
    gioca(battuto);
    EXPECT_EQ(LeggiRecord(battuto.fileRecord(), "Anna")[0], punti);
    EXPECT_EQ(battuto.gioco->record()[0], punti);
    EXPECT_EQ(battuto.stato().lblWinner, formatoPunti(punti, "."));
    // The flourish: white and red, then black, fourteen times 200 ms apart.
    EXPECT_EQ(battuto.stato().coloreTrofeo, coloreGioco::Nero);
    EXPECT_EQ(std::count(battuto.s.suoni.suonati.begin(), battuto.s.suoni.suonati.end(),
                         suonoGioco::Record),
              1);
}

TEST(Partita, ARecordThatCannotBeWrittenIsReportedAndTheOldOneStays) {
    prova::BancoGioco b;
    ASSERT_TRUE(std::filesystem::create_directory(b.fileRecord()))
        << "a file there cannot be replaced";
    b.avvia(opzioneGioco::Facile);
    const std::string recordPrima = b.stato().lblWinner;
    while (b.stato().fase != FaseGioco::Finito) {
        b.prendiTutte();
        b.contaEProsegui();
    }
    ASSERT_GT(b.gioco->punteggio(), 0);
    ASSERT_EQ(b.s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(b.s.messaggi.mostrati[0].testo, "Impossibile scrivere il file:\r\n" + b.fileRecord());
    EXPECT_EQ(b.s.messaggi.mostrati[0].icona, Icona::Avviso);
    EXPECT_EQ(b.stato().lblWinner, recordPrima);
    EXPECT_EQ(b.gioco->record()[0], 0);
    EXPECT_EQ(std::count(b.s.suoni.suonati.begin(), b.s.suoni.suonati.end(), suonoGioco::Record),
              0);
}

TEST(Partita, WithoutANameNoRecordIsShownOrWritten) {
    prova::BancoGioco b("");
    EXPECT_FALSE(b.stato().recordVisibili);
    b.avvia(opzioneGioco::Facile);
    while (b.stato().fase != FaseGioco::Finito) {
        b.prendiTutte();
        b.contaEProsegui();
    }
    EXPECT_FALSE(std::filesystem::exists(b.fileRecord()));
}

TEST(Partita, RestartDuringAPauseLeavesEverythingStopped) {
    prova::BancoGioco b;
    b.avvia(opzioneGioco::Facile);
    b.gioco->Form_KeyPress(kTastoSbagliato);
    b.gioco->cmdNuovo_Click();
    EXPECT_EQ(b.vista.attesaMs, 0);
    b.s.orologio.avanza(2s);
    b.gioco->attesaFinita();
    EXPECT_EQ(b.stato().fase, FaseGioco::Scelta);
    EXPECT_FALSE(b.vista.lettere);
    EXPECT_FALSE(b.vista.punti);
    EXPECT_FALSE(b.gioco->tastiAttivi());
    EXPECT_FALSE(b.stato().imgErrore);
    EXPECT_TRUE(b.stato().pannelloScelta);
}

TEST(Partita, ButtonsWaitForTheLevelMessage) {
    prova::BancoGioco b;
    b.gioco->cmdStart_Click();
    EXPECT_EQ(b.stato().messaggio, "Gioco 1/6");
    EXPECT_FALSE(b.stato().cmdNuovo);
    EXPECT_FALSE(b.stato().cmdExit);
    b.gioco->cmdExit_Click();
    EXPECT_EQ(b.vista.chiusure, 0);
    b.finisciAttese();
    EXPECT_FALSE(b.stato().messaggioVisibile);
    EXPECT_TRUE(b.stato().cmdExit);
    b.gioco->cmdExit_Click();
    EXPECT_EQ(b.vista.chiusure, 1);
    EXPECT_FALSE(b.vista.lettere);
}

TEST(Partita, CapsLockIsSwitchedOffWithAWarning) {
    prova::BancoGioco b;
    b.gioco->Form_KeyUp(20);
    EXPECT_TRUE(b.s.messaggi.mostrati.empty());
    b.s.tastiera.maiuscole = true;
    b.gioco->Form_KeyUp(20);
    ASSERT_EQ(b.s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(b.s.messaggi.mostrati[0].icona, Icona::Avviso);
    EXPECT_FALSE(b.s.tastiera.maiuscole);
}
