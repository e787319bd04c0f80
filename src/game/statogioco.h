// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"
#include "game/regole.h"

#include <array>
#include <string>
#include <vector>

namespace scrivolta {

// Where the window is: which keys count and which controls answer.
enum class FaseGioco {
    Scelta,    // the settings panel, before a start
    Messaggio, // the level or training message slides away
    InCorso,   // characters fall and keys are judged
    Pausa,     // after a wrong key
    Conteggio, // the points of a finished level are counted
    Finito,    // game over or training time up
};

// Level messages, lost characters and their points sit this far above the
// bottom of the field.
inline constexpr int kDalFondo = 40;

// A face or a points label placed in the field.
struct Segno {
    bool visibile = false;
    int left = 0;
    int top = 0;
};

// One of the 18 columns: its falling character (`lblLetter`), the faces of
// a hit and of a loss, and the points shown at the tally.
struct Colonna {
    char lettera = 0; // 0: none (a training column waiting for a character)
    bool visibile = false;
    int left = 0;
    int top = 0;
    int passo = 0; // `passoLettera`, pixels per tick
    Colore colore = coloreGioco::Bianco;
    Segno sorriso;   // `lblSmileOK`
    Segno tristezza; // `lblSmileNOT`
    Segno punti;     // `lblScore`
    int valorePunti = 0;
    Colore colorePunti = coloreGioco::VerdeChiaro;
};

// Everything of the game window the rules decide; the window draws it.
// Texts are Windows-1252; positions are pixels of the play field.
struct StatoGioco {
    FaseGioco fase = FaseGioco::Scelta;
    Campo campo = campoGioco(false);

    // The settings panel (`picLevel`).
    bool pannelloScelta = true;
    int difficolta = opzioneGioco::Facile;
    bool cursoriAttivi = false;
    bool personalizzatoAttivo = false;
    std::string txtCustom;
    int hsSpeed = 4;
    int hsTime = 1;
    std::string lblTime = testoDurata(1);

    std::array<Colonna, kColonne> colonne{};
    std::string messaggio; // `lblMessage`
    bool messaggioVisibile = false;
    int topMessaggio = 0;
    bool imgErrore = false;

    // The game results.
    bool pannelloGioco = false;
    std::string lblTotal = "0";
    Colore coloreTotale = coloreGioco::Blu;
    bool recordVisibili = false; // there is a learner's name
    std::string lblWinner;
    Colore coloreWinner = coloreGioco::Nero;
    Colore coloreTrofeo = coloreGioco::Nero;

    // The training results; `disco` holds the remaining seconds of every
    // line drawn into the countdown disc.
    bool pannelloAllenamento = false;
    std::string lblDigOK = "0";
    std::string lblDigKO = "0";
    std::string lblTotDigit;
    std::string lblScoreTraining = "0";
    std::vector<int> disco;
    double gradiAlSecondo = 0;

    bool cmdStart = true;
    bool cmdNuovo = false;
    bool cmdExit = true;
};

// What the rules ask of the window besides drawing their state.
class VistaGioco {
public:
    virtual ~VistaGioco() = default;
    virtual void statoCambiato() = 0;
    // `timerLetters`: the falling characters, at `intervalloMs`.
    virtual void timerLetters(bool attivo, int intervalloMs) = 0;
    // `timerScore`: the tally, every 400 ms.
    virtual void timerScore(bool attivo) = 0;
    // A single wait: `attesaFinita` comes back after `ms`; 0 cancels it.
    virtual void attesa(int ms) = 0;
    // The custom set box takes the focus.
    virtual void focusPersonalizzato() = 0;
    // The window closes.
    virtual void chiudi() = 0;
};

} // namespace scrivolta
