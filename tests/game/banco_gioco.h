// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/gioco.h"
#include "support/cartella_temporanea.h"
#include "support/servizi_finti.h"

#include <memory>
#include <utility>
#include <vector>

namespace scrivolta::prova {

// A window that records what the rules ask of it.
class VistaGiocoFinta final : public VistaGioco {
public:
    void statoCambiato() override { ++disegni; }
    void timerLetters(bool attivo, int intervalloMs) override {
        lettere = attivo;
        if (attivo)
            intervallo = intervalloMs;
    }
    void timerScore(bool attivo) override { punti = attivo; }
    void attesa(int ms) override { attesaMs = ms; }
    void focusPersonalizzato() override { ++focus; }
    void chiudi() override { ++chiusure; }

    int disegni = 0;
    bool lettere = false;
    int intervallo = 0;
    bool punti = false;
    int attesaMs = 0;
    int focus = 0;
    int chiusure = 0;
};

// Keeps every finished run it hears of.
class CorseFinte final : public OsservatoreGioco {
public:
    void corsaFinita(const FineCorsa& fine) override { finite.push_back(fine); }

    std::vector<FineCorsa> finite;
};

// Keeps what the game says.
class AnnunciFinti final : public Annunciatore {
public:
    void annuncia(std::string testo, TipoAnnuncio tipo) override {
        detti.emplace_back(std::move(testo), tipo);
    }

    std::vector<std::pair<std::string, TipoAnnuncio>> detti;
};

// The game window's rules with scripted services and a records file in a
// fresh folder; a field of 460 pixels and characters 30 wide.
struct BancoGioco {
    explicit BancoGioco(std::string utente = "Anna") {
        mod.UserName = std::move(utente);
        crea();
    }
    void crea() {
        gioco = std::make_unique<Gioco>(
            mod, s.servizi, testiGiocoPredefiniti(),
            ImpostazioniGioco{fileRecord(), 30, ".", osservatore, annunciatore}, vista);
    }
    std::string fileRecord() const { return cartella.file("ScrivoltaWinner.ini"); }
    const StatoGioco& stato() const { return gioco->stato(); }
    const Colonna& colonna(std::size_t i) const { return stato().colonne[i]; }

    // Lets the pending wait run out, moving the clock on as it goes.
    bool finisciAttesa() {
        if (vista.attesaMs <= 0)
            return false;
        const int ms = vista.attesaMs;
        vista.attesaMs = 0;
        s.orologio.avanza(std::chrono::milliseconds(ms));
        gioco->attesaFinita();
        return true;
    }
    void finisciAttese() {
        while (finisciAttesa()) {
        }
    }
    void avvia(int difficolta) {
        gioco->optDifficulty_Click(difficolta);
        gioco->cmdStart_Click();
        finisciAttese();
    }
    void tick() {
        s.orologio.avanza(std::chrono::milliseconds(vista.intervallo));
        gioco->timerLetters_Timer();
    }
    // Types every falling character once.
    void prendiTutte() {
        for (const Colonna& c : stato().colonne) {
            if (c.visibile)
                gioco->Form_KeyPress(static_cast<unsigned char>(c.lettera));
        }
    }
    // The tally to its end, then the next level's message.
    void contaEProsegui() {
        while (vista.punti) {
            s.orologio.avanza(std::chrono::milliseconds(kTickConteggioMs));
            gioco->timerScore_Timer();
        }
        finisciAttese();
    }

    ModTastiro mod;
    ServiziFinti s;
    CartellaTemporanea cartella;
    VistaGiocoFinta vista;
    CorseFinte corse;
    OsservatoreGioco* osservatore = &corse;
    Annunciatore* annunciatore = nullptr;
    std::unique_ptr<Gioco> gioco;
};

} // namespace scrivolta::prova
