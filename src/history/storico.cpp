// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/storico.h"

#include "app/cp1252.h"
#include "history/schema.h"

#include <ctime>
#include <filesystem>
#include <sqlite3.h>

namespace scrivolta::storico {

namespace fs = std::filesystem;

namespace {

// Another instance writing at the same moment holds the file for a few
// milliseconds; waiting longer than this would be felt at the end of a
// phrase, and the work is kept for the next attempt anyway.
constexpr int kAttesaMassimaMs = 1000;

std::int64_t secondi(Ora ora) {
    return std::chrono::duration_cast<std::chrono::seconds>(ora.time_since_epoch()).count();
}

std::int64_t codice(Categoria c) {
    return static_cast<std::int64_t>(c);
}

void prepara(sql::Database& db) {
    db.esegui("PRAGMA busy_timeout = " + std::to_string(kAttesaMassimaMs));
    // Reading the journal mode is the first read of the file: a file that
    // is no database fails here.
    if (db.testo("PRAGMA journal_mode = WAL") != "wal")
        throw sql::Errore(SQLITE_ERROR, "the history file cannot use a write-ahead log");
    // A commit survives a crash of the program; only a power cut may lose
    // the last phrases, never the file.
    db.esegui("PRAGMA synchronous = NORMAL");
    if (db.testo("PRAGMA quick_check") != "ok")
        throw sql::Errore(SQLITE_CORRUPT, "the history file is damaged");
    migra(db);
}

std::string dataOra(Ora ora) {
    const std::time_t t = std::chrono::system_clock::to_time_t(ora);
    std::tm tm{};
    localtime_r(&t, &tm);
    char testo[32];
    std::strftime(testo, sizeof testo, "%Y%m%d-%H%M%S", &tm);
    return testo;
}

} // namespace

std::string chiaveStudente(const std::string& studente) {
    return studente.empty() ? std::string("anonymous") : cp1252::toUtf8(studente);
}

struct Storico::Scritture {
    explicit Scritture(sql::Database& db)
        : frase(db, "INSERT INTO frasi VALUES(?,?,?,?,?,?,?,?,?,?,?)"),
          livello(db, "INSERT INTO livelli VALUES(?,?,?,?,?,?,?)"),
          ciclo(db, "INSERT INTO cicli VALUES(?,?,?,?,?,?,?)"),
          testo(db, "INSERT INTO testi VALUES(?,?,?,?,?,?,?,?)"),
          partita(db, "INSERT INTO partite VALUES(?,?,?,?,?,?)"),
          tasto(db, "INSERT INTO tasti VALUES(?,?,?,?) ON CONFLICT(studente, carattere) DO UPDATE "
                    "SET giusti = giusti + excluded.giusti, "
                    "sbagliati = sbagliati + excluded.sbagliati"),
          sostituzione(db, "INSERT INTO sostituzioni VALUES(?,?,?,?) "
                           "ON CONFLICT(studente, atteso, digitato) DO UPDATE "
                           "SET volte = volte + excluded.volte") {}
    sql::Istruzione frase;
    sql::Istruzione livello;
    sql::Istruzione ciclo;
    sql::Istruzione testo;
    sql::Istruzione partita;
    sql::Istruzione tasto;
    sql::Istruzione sostituzione;
};

Storico::Storico(const std::string& percorso) : db_(percorso) {
    prepara(db_);
    scritture_ = std::make_unique<Scritture>(db_);
}

Storico::~Storico() = default;

void Storico::registra(const Lotto& lotto) {
    if (lotto.vuoto())
        return;
    sql::Transazione t(db_);
    scrivi(lotto);
    t.commit();
}

void Storico::scrivi(const Lotto& lotto) {
    Scritture& s = *scritture_;
    for (const Frase& f : lotto.frasi) {
        s.frase.lega(1, chiaveStudente(f.studente)).lega(2, secondi(f.ora));
        s.frase.lega(3, codice(f.categoria)).lega(4, f.file).lega(5, std::int64_t{f.livello});
        s.frase.lega(6, std::int64_t{f.modo}).lega(7, std::int64_t{f.caratteri});
        s.frase.lega(8, std::int64_t{f.errori}).lega(9, f.secondi).lega(10, f.velocita);
        s.frase.lega(11, std::int64_t{f.punteggio}).esegui();
    }
    for (const Livello& l : lotto.livelli) {
        s.livello.lega(1, chiaveStudente(l.studente)).lega(2, secondi(l.ora));
        s.livello.lega(3, codice(l.categoria)).lega(4, l.file).lega(5, std::int64_t{l.livello});
        s.livello.lega(6, std::int64_t{l.modo}).lega(7, std::int64_t{l.media}).esegui();
    }
    for (const Ciclo& c : lotto.cicli) {
        s.ciclo.lega(1, chiaveStudente(c.studente)).lega(2, secondi(c.ora));
        s.ciclo.lega(3, codice(c.categoria)).lega(4, c.file).lega(5, std::int64_t{c.modo});
        s.ciclo.lega(6, std::int64_t{c.caratteri}).lega(7, std::int64_t{c.errori}).esegui();
    }
    for (const Testo& t : lotto.testi) {
        s.testo.lega(1, chiaveStudente(t.studente)).lega(2, secondi(t.ora)).lega(3, t.file);
        s.testo.lega(4, std::int64_t{t.modo}).lega(5, std::int64_t{t.caratteri});
        s.testo.lega(6, std::int64_t{t.errori}).lega(7, t.secondi);
        s.testo.lega(8, std::int64_t{t.parole}).esegui();
    }
    for (const Partita& p : lotto.partite) {
        s.partita.lega(1, chiaveStudente(p.studente)).lega(2, secondi(p.ora));
        s.partita.lega(3, std::int64_t{p.allenamento}).lega(4, std::int64_t{p.livello});
        s.partita.lega(5, std::int64_t{p.punti}).lega(6, p.secondi).esegui();
    }
    for (const ConteggioTasto& k : lotto.tasti) {
        s.tasto.lega(1, chiaveStudente(k.studente)).lega(2, std::int64_t{k.carattere});
        s.tasto.lega(3, std::int64_t{k.giusti}).lega(4, std::int64_t{k.sbagliati}).esegui();
    }
    for (const Sostituzione& k : lotto.sostituzioni) {
        s.sostituzione.lega(1, chiaveStudente(k.studente)).lega(2, std::int64_t{k.atteso});
        s.sostituzione.lega(3, std::int64_t{k.digitato}).lega(4, std::int64_t{k.volte}).esegui();
    }
}

std::string spostaDaParte(const std::string& percorso, Ora ora) {
    const std::string base = percorso + ".damaged-" + dataOra(ora);
    std::string nuovo = base;
    std::error_code ec;
    for (int n = 2; fs::exists(nuovo, ec) && n < 1000; ++n)
        nuovo = base + "-" + std::to_string(n);
    fs::rename(percorso, nuovo, ec);
    if (ec)
        return {};
    // The log holds the last commits of the damaged file: it goes with it.
    fs::rename(percorso + "-wal", nuovo + "-wal", ec);
    fs::remove(percorso + "-shm", ec);
    return nuovo;
}

Apertura apriStorico(const std::string& percorso, Ora ora) {
    Apertura a;
    // The learner's data folder of an installed program may not exist yet.
    std::error_code ec;
    fs::create_directories(fs::path(percorso).parent_path(), ec);
    try {
        a.storico = std::make_unique<Storico>(percorso);
        return a;
    } catch (const sql::Errore& e) {
        a.errore = e.what();
        if (!e.fileRovinato())
            return a;
    }
    a.spostatoIn = spostaDaParte(percorso, ora);
    if (a.spostatoIn.empty())
        return a;
    try {
        a.storico = std::make_unique<Storico>(percorso);
        a.errore.clear();
    } catch (const sql::Errore& e) {
        a.errore = e.what();
    }
    return a;
}

} // namespace scrivolta::storico
