// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/categorie.h"
#include "engine/osservatore.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// What the history file keeps. Learner names are Windows-1252, like every
// text of the core; file names are the file system's bytes, without their
// folder.
namespace scrivolta::storico {

using Ora = std::chrono::system_clock::time_point;

// The categories of practice, numbered as the main window's buttons: the
// file keeps their numbers.
using scrivolta::Categoria;

// The exercise's own records, each with the category it was practised in;
// `file` holds the name only, without its folder.
struct Frase : EsitoFrase {
    Categoria categoria = Categoria::FrasiInterne;
};

struct Livello : EsitoLivello {
    Categoria categoria = Categoria::FrasiInterne;
};

struct Ciclo : EsitoCiclo {
    Categoria categoria = Categoria::FrasiInterne;
};

using Testo = EsitoTesto;

// A run of the falling-letters game or of its training.
struct Partita {
    std::string studente;
    Ora ora;
    bool allenamento = false;
    int livello = 0;
    int punti = 0;
    std::int64_t secondi = 0;
};

// How often a character was due and typed right or wrong.
struct ConteggioTasto {
    std::string studente;
    unsigned char carattere = 0;
    int giusti = 0;
    int sbagliati = 0;
};

// How often `digitato` came when `atteso` was due; `digitato` may be a code
// beyond the code page (a character it lacks).
struct Sostituzione {
    std::string studente;
    unsigned char atteso = 0;
    int digitato = 0;
    int volte = 0;
};

// Everything written in one transaction.
struct Lotto {
    std::vector<Frase> frasi;
    std::vector<Livello> livelli;
    std::vector<Ciclo> cicli;
    std::vector<Testo> testi;
    std::vector<Partita> partite;
    std::vector<ConteggioTasto> tasti;
    std::vector<Sostituzione> sostituzioni;

    bool vuoto() const {
        return frasi.empty() && livelli.empty() && cicli.empty() && testi.empty() &&
               partite.empty() && tasti.empty() && sostituzioni.empty();
    }
    std::size_t dimensione() const {
        return frasi.size() + livelli.size() + cicli.size() + testi.size() + partite.size() +
               tasti.size() + sostituzioni.size();
    }
};

// Read back for the progress window.

// One day's work in a category and mode.
struct PuntoAndamento {
    Categoria categoria = Categoria::FrasiInterne;
    int modo = 0;
    std::string giorno;  // "YYYY-MM-DD", local time
    double velocita = 0; // characters per minute, average of the day
    double errori = 0;   // wrong keystrokes per 100 typed
};

// A file of the course (or of the exercises) and how it went.
struct Lezione {
    Categoria categoria = Categoria::Corso;
    std::string file;
    int frasi = 0;
    int migliore = 0; // best phrase score
    double media = 0; // average phrase score
};

enum class TipoRiga : int { Frase, Livello, Ciclo, Testo, Gioco, Allenamento };
inline constexpr int kTipiRiga = 6;

// One line of a learner's history, as exported.
struct Riga {
    Ora ora;
    TipoRiga tipo = TipoRiga::Frase;
    int categoria = 0;
    std::string file;
    int livello = 0;
    int modo = 0;
    int caratteri = 0;
    int errori = 0;
    std::int64_t secondi = 0;
    double velocita = 0; // characters per minute
    int punteggio = 0;
};

} // namespace scrivolta::storico
