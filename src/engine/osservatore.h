// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

namespace scrivolta {

// What the exercise tells about the learner's work, for whoever keeps a
// record of it. Texts are Windows-1252; `file` is the practice file's path,
// "" for the built-in phrases.
struct EsitoFrase {
    std::chrono::system_clock::time_point ora;
    std::string studente;
    std::string file;
    int livello = 0;
    int modo = 0;
    int caratteri = 0;
    int errori = 0;
    long long secondi = 0;
    float velocita = 0; // characters per second
    int punteggio = 0;
};

struct EsitoLivello {
    std::chrono::system_clock::time_point ora;
    std::string studente;
    std::string file;
    int livello = 0;
    int modo = 0;
    int media = 0; // the level's average score
};

struct EsitoCiclo {
    std::chrono::system_clock::time_point ora;
    std::string studente;
    std::string file;
    int modo = 0;
    int caratteri = 0;
    int errori = 0;
};

struct EsitoTesto {
    std::chrono::system_clock::time_point ora;
    std::string studente;
    std::string file;
    int modo = 0;
    int caratteri = 0;
    int errori = 0;
    long long secondi = 0;
    int parole = 0;
};

// Told by the exercise as the learner works. The keystroke calls come on
// the keystroke path: they must only note, never write or wait.
class OsservatoreEsercizio {
public:
    virtual ~OsservatoreEsercizio() = default;
    // A counted keystroke: `atteso` is the character that was due.
    virtual void tastoGiusto(unsigned char atteso) = 0;
    virtual void tastoSbagliato(unsigned char atteso, int digitato) = 0;
    virtual void fraseFinita(const EsitoFrase& esito) = 0;
    virtual void livelloFinito(const EsitoLivello& esito) = 0;
    virtual void cicloFinito(const EsitoCiclo& esito) = 0;
    virtual void testoFinito(const EsitoTesto& esito) = 0;
    // The greeting is on screen and nothing is being typed: the moment to
    // tell the learner something that is not about the exercise.
    virtual void inAttesa() = 0;
};

} // namespace scrivolta
