// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dominio.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

namespace scrivolta {

// How much the screen reader hears of a finished phrase.
enum class DettaglioRisultati : int {
    Punteggio = 0, // the score alone
    Messaggio = 1, // the message as shown: score, speed and praise
    Completo = 2,  // the message and the phrase's errors
};

// What a learner who does not see the screen chooses to hear.
struct OpzioniVoce {
    // The next key after every right one: a help for the first lessons
    // that would slow a fast typist.
    bool tastoSuccessivo = false;
    // F4 reads the phrase and the key due again.
    bool rileggi = true;
    DettaglioRisultati dettaglio = DettaglioRisultati::Messaggio;
};

// `ResultsAnswer` of the results window: the learner's choice, or none when
// the window was closed otherwise.
enum class RispostaRisultati { Nessuna = -1, Continua = 0, Termina = 1 };

// The answer before the learner gives one: a results window closed without
// a choice ends the program, while without a results window the learner
// simply goes on.
constexpr int rispostaIniziale(bool finestraRisultati) {
    return static_cast<int>(finestraRisultati ? RispostaRisultati::Nessuna
                                              : RispostaRisultati::Continua);
}

// Every answer but "go on" ends the program after the results.
constexpr bool terminaDopoRisultati(int risposta) {
    return risposta != static_cast<int>(RispostaRisultati::Continua);
}

// The state the windows share. The program owns one instance and hands it
// to each window by reference; windows exchange data only through it.
// Texts are Windows-1252. Counters are wider than 16 bits: a long text file
// cannot overflow them.
struct ModTastiro {
    // Exercise totals of the current cycle (or text file).
    int TotalCorrect = 0;
    int TotalErrors = 0;
    // Characters per second of phrases 1-15; index 0 is unused.
    std::array<float, 16> PhraseSpeed{};
    int CurrentLevel = 0;
    std::int32_t WordCount = 0;

    // Handed to and from the results and report windows.
    TipoRisultati ResultsKind = TipoRisultati::Nessuno;
    int ResultsAnswer = 0;
    Finestra DialogKind = Finestra::Nessuna;

    // What is being typed.
    std::string ExerciseFile;
    bool TextFileMode = false;
    std::chrono::seconds TextElapsed{0};
    // What the learner typed of a text file, for the report's counts of
    // characters by class.
    std::string ReportText;

    // Mode: 0 "Principiante", 1 "Esperto".
    int ModeIndex = 0;
    std::string ModeName;
    bool ExpertMode = false;
    float SpeedFactor = 0.4F;

    std::string UserName;
    bool SoundOn = true;
    bool ResizeOn = false;
    bool ShadowOn = false;
    bool KeyMapShown = false;
    std::string MsgPerMinute;
    int coloreSfondo = 0;
    OpzioniVoce voce;
    std::string linguaCorrente;
    bool linguaCaricata = false;
};

} // namespace scrivolta
