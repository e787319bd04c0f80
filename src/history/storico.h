// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/record.h"
#include "history/sqlite.h"

#include <memory>
#include <string>
#include <vector>

namespace scrivolta::storico {

// The name under which a learner's work is kept: "anonymous" for the
// learner who gave none.
std::string chiaveStudente(const std::string& studente);

// The learners the progress window offers (Windows-1252 names) and the one
// it shows first: the current learner, named as his work is kept, put
// ahead of those with work recorded when he has none yet, so that a new
// learner sees his own empty page rather than someone else's.
struct ElencoStudenti {
    std::vector<std::string> nomi;
    std::string attuale;
};
ElencoStudenti elencoStudenti(std::vector<std::string> registrati, const std::string& studente);

// The history file: every finished phrase, level, cycle, text file and game
// of every learner of the installation, and the per-key counts. SQLite in
// WAL mode, so that a second instance of the program reads and writes the
// same file safely. Every call may throw sql::Errore.
class Storico {
public:
    // Opens or creates the file and brings its layout up to date. A file
    // that is no database or a damaged one throws an sql::Errore whose
    // fileRovinato() is true: see apriStorico().
    explicit Storico(const std::string& percorso);
    ~Storico();
    Storico(const Storico&) = delete;
    Storico& operator=(const Storico&) = delete;

    // Writes the whole batch in one transaction, or nothing of it.
    void registra(const Lotto& lotto);
    // Adds the work kept in another history file (see scriviInAttesa), in
    // one transaction, unless work of the same `id` was added before; true
    // when it was added now.
    bool unisci(const std::string& altro, const std::string& id);

    // Learners with any work recorded, sorted.
    std::vector<std::string> studenti();
    std::vector<PuntoAndamento> andamento(const std::string& studente);
    std::vector<Lezione> lezioni(const std::string& studente);
    std::vector<ConteggioTasto> tasti(const std::string& studente);
    std::vector<Sostituzione> sostituzioni(const std::string& studente);
    // Everything of one learner, oldest first.
    std::vector<Riga> storia(const std::string& studente);

    sql::Database& database() { return db_; }

private:
    struct Scritture;
    void scrivi(const Lotto& lotto);

    sql::Database db_;
    std::unique_ptr<Scritture> scritture_;
};

// The outcome of opening the history file.
struct Apertura {
    std::unique_ptr<Storico> storico; // null when the file cannot be used
    std::string spostatoIn;           // where a damaged file was moved, if one was
    std::string errore;               // why the file cannot be used
    int codice = 0;                   // SQLite's result code of the failure
};

// Opens the history file; a damaged one is renamed beside itself (with the
// date and time `ora` in its name, never overwriting) and a new file started.
Apertura apriStorico(const std::string& percorso, Ora ora);

// Work that cannot reach the history file at exit waits beside it, in a
// small history file of its own named after it ("<file>.inattesa-<when>");
// the next opening of the history adds it in, once. Returns the side file's
// path, or "" when it cannot be written either.
std::string scriviInAttesa(const std::string& percorso, const Lotto& lotto, Ora ora);

// The side files waiting beside `percorso`, oldest first.
std::vector<std::string> fileInAttesa(const std::string& percorso);

// Adds every side file into `storico` (the file at `percorso`) and removes
// it; a side file that cannot be read stays for a later attempt.
void recuperaInAttesa(Storico& storico, const std::string& percorso);

// Renames a damaged file (and its write-ahead log) out of the way; returns
// the new name, or "" when it could not be moved.
std::string spostaDaParte(const std::string& percorso, Ora ora);

} // namespace scrivolta::storico
