// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/sqlite.h"

#include "app/librerie.h"

#include <dlfcn.h>
#include <sqlite3.h>

namespace scrivolta::sql {

namespace {

// SQLite is loaded when the history is first opened, at the end of the
// first phrase or with the progress window, not at start: a learner who
// only looks at the first screen does not pay for it.
constexpr const char* kLibreria = "libsqlite3.so.0";

struct Api {
    decltype(&sqlite3_open_v2) open_v2 = nullptr;
    decltype(&sqlite3_errmsg) errmsg = nullptr;
    decltype(&sqlite3_errstr) errstr = nullptr;
    decltype(&sqlite3_close) close = nullptr;
    decltype(&sqlite3_close_v2) close_v2 = nullptr;
    decltype(&sqlite3_extended_result_codes) extended_result_codes = nullptr;
    decltype(&sqlite3_exec) exec = nullptr;
    decltype(&sqlite3_last_insert_rowid) last_insert_rowid = nullptr;
    decltype(&sqlite3_changes) changes = nullptr;
    decltype(&sqlite3_prepare_v3) prepare_v3 = nullptr;
    decltype(&sqlite3_finalize) finalize = nullptr;
    decltype(&sqlite3_bind_int64) bind_int64 = nullptr;
    decltype(&sqlite3_bind_double) bind_double = nullptr;
    decltype(&sqlite3_bind_text) bind_text = nullptr;
    decltype(&sqlite3_step) step = nullptr;
    decltype(&sqlite3_reset) reset = nullptr;
    decltype(&sqlite3_clear_bindings) clear_bindings = nullptr;
    decltype(&sqlite3_column_int64) column_int64 = nullptr;
    decltype(&sqlite3_column_double) column_double = nullptr;
    decltype(&sqlite3_column_text) column_text = nullptr;
    decltype(&sqlite3_column_bytes) column_bytes = nullptr;
};

// Null when the library or one of its functions is missing.
const Api* carica() {
    void* libreria = dlopen(kLibreria, RTLD_NOW | RTLD_LOCAL);
    if (libreria == nullptr)
        return nullptr;
    static Api api;
    const bool tutte =
        risolvi(libreria, "sqlite3_open_v2", api.open_v2) &&
        risolvi(libreria, "sqlite3_errmsg", api.errmsg) &&
        risolvi(libreria, "sqlite3_errstr", api.errstr) &&
        risolvi(libreria, "sqlite3_close", api.close) &&
        risolvi(libreria, "sqlite3_close_v2", api.close_v2) &&
        risolvi(libreria, "sqlite3_extended_result_codes", api.extended_result_codes) &&
        risolvi(libreria, "sqlite3_exec", api.exec) &&
        risolvi(libreria, "sqlite3_last_insert_rowid", api.last_insert_rowid) &&
        risolvi(libreria, "sqlite3_changes", api.changes) &&
        risolvi(libreria, "sqlite3_prepare_v3", api.prepare_v3) &&
        risolvi(libreria, "sqlite3_finalize", api.finalize) &&
        risolvi(libreria, "sqlite3_bind_int64", api.bind_int64) &&
        risolvi(libreria, "sqlite3_bind_double", api.bind_double) &&
        risolvi(libreria, "sqlite3_bind_text", api.bind_text) &&
        risolvi(libreria, "sqlite3_step", api.step) &&
        risolvi(libreria, "sqlite3_reset", api.reset) &&
        risolvi(libreria, "sqlite3_clear_bindings", api.clear_bindings) &&
        risolvi(libreria, "sqlite3_column_int64", api.column_int64) &&
        risolvi(libreria, "sqlite3_column_double", api.column_double) &&
        risolvi(libreria, "sqlite3_column_text", api.column_text) &&
        risolvi(libreria, "sqlite3_column_bytes", api.column_bytes);
    if (tutte)
        return &api;
    dlclose(libreria);
    return nullptr;
}

const Api* libreriaSqlite() {
    static const Api* const api = carica();
    return api;
}

// Every handle comes from a Database that got the library: past its
// constructor the table is there.
const Api& sqlite() {
    return *libreriaSqlite();
}

} // namespace

bool Errore::fileRovinato() const {
    return codice_ == SQLITE_CORRUPT || codice_ == SQLITE_NOTADB;
}

Database::Database(const std::string& percorso) {
    if (libreriaSqlite() == nullptr)
        throw Errore(SQLITE_CANTOPEN, std::string(kLibreria) + " cannot be loaded");
    const int esito = sqlite().open_v2(percorso.c_str(), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE |
                                           SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW,
                                       nullptr);
    if (esito != SQLITE_OK) {
        const std::string messaggio = db_ ? sqlite().errmsg(db_) : sqlite().errstr(esito);
        sqlite().close(db_);
        db_ = nullptr;
        throw Errore(esito & 0xFF, messaggio);
    }
    sqlite().extended_result_codes(db_, 0);
}

Database::~Database() {
    sqlite().close_v2(db_);
}

void Database::fallisci(int codice) const {
    throw Errore(codice & 0xFF, sqlite().errmsg(db_));
}

void Database::esegui(std::string_view sql) {
    const std::string testo(sql);
    const int esito = sqlite().exec(db_, testo.c_str(), nullptr, nullptr, nullptr);
    if (esito != SQLITE_OK)
        fallisci(esito);
}

std::int64_t Database::intero(std::string_view sql) {
    Istruzione st(*this, sql);
    return st.passo() ? st.intero(0) : 0;
}

std::string Database::testo(std::string_view sql) {
    Istruzione st(*this, sql);
    return st.passo() ? st.testo(0) : std::string();
}

std::int64_t Database::ultimoId() const {
    return sqlite().last_insert_rowid(db_);
}

int Database::righeCambiate() const {
    return sqlite().changes(db_);
}

Istruzione::Istruzione(Database& db, std::string_view sql) : db_(db) {
    const int esito = sqlite().prepare_v3(db.handle(), sql.data(), static_cast<int>(sql.size()),
                                          SQLITE_PREPARE_PERSISTENT, &st_, nullptr);
    if (esito != SQLITE_OK)
        db.fallisci(esito);
}

Istruzione::~Istruzione() {
    sqlite().finalize(st_);
}

Istruzione& Istruzione::lega(int indice, std::int64_t valore) {
    const int esito = sqlite().bind_int64(st_, indice, valore);
    if (esito != SQLITE_OK)
        db_.fallisci(esito);
    return *this;
}

Istruzione& Istruzione::lega(int indice, double valore) {
    const int esito = sqlite().bind_double(st_, indice, valore);
    if (esito != SQLITE_OK)
        db_.fallisci(esito);
    return *this;
}

Istruzione& Istruzione::lega(int indice, std::string_view valore) {
    const int esito = sqlite().bind_text(st_, indice, valore.data(),
                                         static_cast<int>(valore.size()), SQLITE_TRANSIENT);
    if (esito != SQLITE_OK)
        db_.fallisci(esito);
    return *this;
}

bool Istruzione::passo() {
    const int esito = sqlite().step(st_);
    if (esito == SQLITE_ROW)
        return true;
    if (esito == SQLITE_DONE)
        return false;
    sqlite().reset(st_);
    db_.fallisci(esito);
}

void Istruzione::esegui() {
    while (passo()) {
    }
    azzera();
}

void Istruzione::azzera() {
    sqlite().reset(st_);
    sqlite().clear_bindings(st_);
}

std::int64_t Istruzione::intero(int colonna) const {
    return sqlite().column_int64(st_, colonna);
}

double Istruzione::reale(int colonna) const {
    return sqlite().column_double(st_, colonna);
}

std::string Istruzione::testo(int colonna) const {
    const auto* t = sqlite().column_text(st_, colonna);
    const int n = sqlite().column_bytes(st_, colonna);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(n))
             : std::string();
}

Transazione::Transazione(Database& db) : db_(db) {
    db_.esegui("BEGIN IMMEDIATE");
}

Transazione::~Transazione() {
    if (!chiusa_)
        sqlite().exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transazione::commit() {
    db_.esegui("COMMIT");
    chiusa_ = true;
}

} // namespace scrivolta::sql
