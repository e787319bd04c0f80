// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/storico.h"

#include "app/cp1252.h"
#include "history/schema.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <sqlite3.h>
#include <string_view>
#include <unistd.h>

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

ElencoStudenti elencoStudenti(std::vector<std::string> registrati, const std::string& studente) {
    ElencoStudenti e{std::move(registrati), cp1252::fromUtf8(chiaveStudente(studente))};
    if (std::find(e.nomi.begin(), e.nomi.end(), e.attuale) == e.nomi.end())
        e.nomi.insert(e.nomi.begin(), e.attuale);
    return e;
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

// The side file is attached outside the transaction (SQLite allows no
// ATTACH inside one); the id recorded in the same transaction as the rows
// makes a second merge of the same file, after a crash before its removal,
// add nothing.
bool Storico::unisci(const std::string& altro, const std::string& id) {
    sql::Istruzione(db_, "ATTACH DATABASE ? AS attesa").lega(1, altro).esegui();
    bool unito = false;
    try {
        sql::Transazione t(db_);
        db_.esegui("CREATE TABLE IF NOT EXISTS uniti(id TEXT PRIMARY KEY) WITHOUT ROWID");
        sql::Istruzione(db_, "INSERT OR IGNORE INTO uniti VALUES(?)").lega(1, id).esegui();
        const bool nuovo = db_.righeCambiate() > 0;
        // A side file whose writer was killed before its layout was made
        // holds nothing: it is done with like a merged one.
        const bool vuoto = db_.intero("SELECT count(*) FROM attesa.sqlite_master") == 0;
        if (nuovo && !vuoto) {
            db_.esegui("INSERT INTO frasi SELECT * FROM attesa.frasi;"
                       "INSERT INTO livelli SELECT * FROM attesa.livelli;"
                       "INSERT INTO cicli SELECT * FROM attesa.cicli;"
                       "INSERT INTO testi SELECT * FROM attesa.testi;"
                       "INSERT INTO partite SELECT * FROM attesa.partite;"
                       "INSERT INTO tasti SELECT * FROM attesa.tasti WHERE true "
                       "ON CONFLICT(studente, carattere) DO UPDATE "
                       "SET giusti = giusti + excluded.giusti, "
                       "sbagliati = sbagliati + excluded.sbagliati;"
                       "INSERT INTO sostituzioni SELECT * FROM attesa.sostituzioni WHERE true "
                       "ON CONFLICT(studente, atteso, digitato) DO UPDATE "
                       "SET volte = volte + excluded.volte;");
            unito = true;
        }
        t.commit();
    } catch (const sql::Errore&) {
        db_.esegui("DETACH DATABASE attesa");
        throw;
    }
    db_.esegui("DETACH DATABASE attesa");
    return unito;
}

void Storico::scrivi(const Lotto& lotto) {
    Scritture& s = *scritture_;
    for (const Frase& f : lotto.frasi) {
        s.frase.lega(1, chiaveStudente(f.studente)).lega(2, secondi(f.ora));
        s.frase.lega(3, codice(f.categoria)).lega(4, f.file).lega(5, std::int64_t{f.livello});
        s.frase.lega(6, std::int64_t{f.modo}).lega(7, std::int64_t{f.caratteri});
        s.frase.lega(8, std::int64_t{f.errori})
            .lega(9, std::int64_t{f.secondi})
            .lega(10, f.velocita);
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
        s.testo.lega(6, std::int64_t{t.errori}).lega(7, std::int64_t{t.secondi});
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

namespace {

constexpr std::string_view kInAttesa = ".inattesa-";

bool accessorio(const std::string& nome) {
    return nome.ends_with("-wal") || nome.ends_with("-shm") || nome.ends_with("-journal");
}

void rimuoviConAccessori(const std::string& file) {
    std::error_code ec;
    fs::remove(file + "-wal", ec);
    fs::remove(file + "-shm", ec);
    fs::remove(file + "-journal", ec);
    fs::remove(file, ec);
}

} // namespace

std::string scriviInAttesa(const std::string& percorso, const Lotto& lotto, Ora ora) {
    // The process id keeps two copies closing in the same second apart.
    const std::string base =
        percorso + std::string(kInAttesa) + dataOra(ora) + "-" + std::to_string(::getpid());
    std::string nuovo = base;
    std::error_code ec;
    for (int n = 2; fs::exists(fs::symlink_status(nuovo, ec)) && n < 1000; ++n)
        nuovo = base + "-" + std::to_string(n);
    try {
        Storico(nuovo).registra(lotto);
        return nuovo;
    } catch (const sql::Errore&) {
        rimuoviConAccessori(nuovo);
        return {};
    }
}

std::vector<std::string> fileInAttesa(const std::string& percorso) {
    const fs::path file(percorso);
    const std::string prefisso = file.filename().string() + std::string(kInAttesa);
    std::vector<std::string> trovati;
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), fine; !ec && it != fine;
         it.increment(ec)) {
        const std::string nome = it->path().filename().string();
        std::error_code ecFile;
        if (nome.starts_with(prefisso) && !accessorio(nome) && it->is_regular_file(ecFile))
            trovati.push_back(it->path().string());
    }
    std::sort(trovati.begin(), trovati.end());
    return trovati;
}

void recuperaInAttesa(Storico& storico, const std::string& percorso) {
    for (const std::string& file : fileInAttesa(percorso)) {
        try {
            storico.unisci(file, fs::path(file).filename().string());
        } catch (const sql::Errore&) {
            continue;
        }
        rimuoviConAccessori(file);
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
        a.codice = e.codice();
        if (!e.fileRovinato())
            return a;
    }
    a.spostatoIn = spostaDaParte(percorso, ora);
    if (a.spostatoIn.empty())
        return a;
    try {
        a.storico = std::make_unique<Storico>(percorso);
        a.errore.clear();
        a.codice = 0;
    } catch (const sql::Errore& e) {
        a.errore = e.what();
        a.codice = e.codice();
    }
    return a;
}

} // namespace scrivolta::storico
