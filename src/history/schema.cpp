// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/schema.h"

#include <array>
#include <sqlite3.h>
#include <string>

namespace scrivolta::storico {

namespace {

// Version 1: what was done and how fast.
constexpr const char* kVersione1 = R"(
CREATE TABLE frasi(
  studente TEXT NOT NULL, ora INTEGER NOT NULL, categoria INTEGER NOT NULL,
  file TEXT NOT NULL, livello INTEGER NOT NULL, modo INTEGER NOT NULL,
  caratteri INTEGER NOT NULL, errori INTEGER NOT NULL, secondi INTEGER NOT NULL,
  velocita REAL NOT NULL, punteggio INTEGER NOT NULL);
CREATE TABLE livelli(
  studente TEXT NOT NULL, ora INTEGER NOT NULL, categoria INTEGER NOT NULL,
  file TEXT NOT NULL, livello INTEGER NOT NULL, modo INTEGER NOT NULL,
  media INTEGER NOT NULL);
CREATE TABLE cicli(
  studente TEXT NOT NULL, ora INTEGER NOT NULL, categoria INTEGER NOT NULL,
  file TEXT NOT NULL, modo INTEGER NOT NULL, caratteri INTEGER NOT NULL,
  errori INTEGER NOT NULL);
CREATE TABLE testi(
  studente TEXT NOT NULL, ora INTEGER NOT NULL, file TEXT NOT NULL,
  modo INTEGER NOT NULL, caratteri INTEGER NOT NULL, errori INTEGER NOT NULL,
  secondi INTEGER NOT NULL, parole INTEGER NOT NULL);
CREATE TABLE partite(
  studente TEXT NOT NULL, ora INTEGER NOT NULL, allenamento INTEGER NOT NULL,
  livello INTEGER NOT NULL, punti INTEGER NOT NULL, secondi INTEGER NOT NULL);
)";

// Version 2: which keys go wrong, and the progress window's lookups by
// learner and time.
constexpr const char* kVersione2 = R"(
CREATE TABLE tasti(
  studente TEXT NOT NULL, carattere INTEGER NOT NULL,
  giusti INTEGER NOT NULL, sbagliati INTEGER NOT NULL,
  PRIMARY KEY(studente, carattere)) WITHOUT ROWID;
CREATE TABLE sostituzioni(
  studente TEXT NOT NULL, atteso INTEGER NOT NULL, digitato INTEGER NOT NULL,
  volte INTEGER NOT NULL,
  PRIMARY KEY(studente, atteso, digitato)) WITHOUT ROWID;
CREATE INDEX frasi_per_studente ON frasi(studente, ora);
CREATE INDEX frasi_per_lezione ON frasi(studente, categoria, file, punteggio);
CREATE INDEX testi_per_studente ON testi(studente, ora);
)";

constexpr std::array<const char*, kVersioneSchema> kPassi = {kVersione1, kVersione2};

} // namespace

void migra(sql::Database& db, int finoA) {
    const auto versione = static_cast<int>(db.intero("PRAGMA user_version"));
    if (versione > kVersioneSchema)
        throw sql::Errore(kCodiceVersioneNuova, "history file of a newer version");
    for (int v = versione; v < finoA; ++v) {
        sql::Transazione t(db);
        // Another instance may have upgraded the file meanwhile.
        if (db.intero("PRAGMA user_version") > v)
            continue;
        db.esegui(kPassi[static_cast<std::size_t>(v)]);
        db.esegui("PRAGMA user_version = " + std::to_string(v + 1));
        t.commit();
    }
}

} // namespace scrivolta::storico
