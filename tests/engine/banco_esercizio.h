// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/esercizio.h"
#include "support/servizi_finti.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

// An exercise on a scripted window and scripted services, for tests that
// drive it key by key.
namespace scrivolta::prova {

using namespace std::chrono_literals;

// A window that records what the exercise asks of it. Every character is
// 10 pixels wide and 20 high.
class MisuraFinta final : public MisuraTesto {
public:
    int larghezzaTesto(std::string_view t) const override {
        return 10 * static_cast<int>(t.size());
    }
    int larghezzaRiga() const override { return 600; }
};

class VistaFinta final : public VistaEsercizio {
public:
    explicit VistaFinta(ModTastiro& mod) : mod_(mod) {}
    void statoCambiato() override { ++cambiamenti; }
    void ridisegnaOra() override { coloriInput.push_back(esercizio->stato().coloreInput); }
    int larghezzaTesto(std::string_view t) const override {
        return 10 * static_cast<int>(t.size());
    }
    int altezzaTesto(std::string_view) const override { return 20; }
    int larghezzaProgresso() const override { return 500; }
    const MisuraTesto& misuraFrase() const override { return misura; }
    void MostraGioco() override { ++giochi; }
    void timerOrologio(bool attivo) override { t1 = attivo; }
    void timerLampeggio(bool attivo) override { t2 = attivo; }
    void MostraFinestra(Finestra finestra) override {
        finestre.push_back(finestra);
        if (finestra == Finestra::Risultati)
            mod_.ResultsAnswer = rispostaRisultati;
    }
    void chiudiProgramma() override { ++chiusure; }
    void apriGuida() override { ++guide; }
    void mostraInformazioni() override {}
    void sfondoCambiato() override {}
    void MostraMappaTasti() override {}
    void scaricaMappaTasti() override {}

    Esercizio* esercizio = nullptr;
    std::vector<Colore> coloriInput;
    std::vector<Finestra> finestre;
    int rispostaRisultati = 0;
    int cambiamenti = 0;
    bool t1 = false;
    bool t2 = false;
    int chiusure = 0;
    int guide = 0;
    int giochi = 0;
    MisuraFinta misura;

private:
    ModTastiro& mod_;
};

class EsercizioTest : public ::testing::Test {
protected:
    EsercizioTest() {
        TestiPredefiniti(testi);
        vista.esercizio = &e;
        tastiera.RipristinaTastiera();
        tastiera.PreparaEvidenziaInvio();
        e.ImpostaModalita(0);
        e.MostraSaluto();
    }

    void premi(int codice) {
        if (!e.Form_KeyPress(codice))
            e.txtInput_KeyPress(codice);
    }
    void digita(std::string_view testo) {
        for (const char c : testo) {
            if (c == '\n')
                continue;
            s.orologio.avanza(300ms);
            premi(static_cast<unsigned char>(c));
        }
    }
    // Starts the next phrase with Enter, on built-in phrase `n`.
    void iniziaFrase(int n) {
        s.caso.scegliFrase(n);
        premi(codiceTasto::Invio);
    }
    // Types phrases until phrase `n` of the cycle is on display.
    void portaAllaFrase(int numero, int frase) {
        while (e.numeroFrase() < numero - 1) {
            iniziaFrase(e.numeroFrase() + 1);
            digita(e.testoCorrente());
        }
        iniziaFrase(frase);
    }
    void contaSuoni(int id, long atteso) {
        EXPECT_EQ(std::count(s.suoni.suonati.begin(), s.suoni.suonati.end(), id), atteso) << id;
    }

    ModTastiro mod;
    Tastiera tastiera;
    TestiPrincipali testi;
    prova::ServiziFinti s;
    VistaFinta vista{mod};
    Percorsi percorsi = Percorsi::portatile("/nonexistent/scrivolta/");
    SceltaTesto scelta{percorsi};
    Esercizio e{mod, tastiera, testi, s.servizi, vista, scelta};
};

} // namespace scrivolta::prova
