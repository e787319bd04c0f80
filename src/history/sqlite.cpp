// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/sqlite.h"

#include <sqlite3.h>

namespace scrivolta::sql {

bool Errore::fileRovinato() const {
    return codice_ == SQLITE_CORRUPT || codice_ == SQLITE_NOTADB;
}

Database::Database(const std::string& percorso) {
    const int esito = sqlite3_open_v2(percorso.c_str(), &db_,
                                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE |
                                          SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW,
                                      nullptr);
    if (esito != SQLITE_OK) {
        const std::string messaggio = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(esito);
        sqlite3_close(db_);
        db_ = nullptr;
        throw Errore(esito & 0xFF, messaggio);
    }
    sqlite3_extended_result_codes(db_, 0);
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

void Database::fallisci(int codice) const {
    throw Errore(codice & 0xFF, sqlite3_errmsg(db_));
}

void Database::esegui(std::string_view sql) {
    const std::string testo(sql);
    const int esito = sqlite3_exec(db_, testo.c_str(), nullptr, nullptr, nullptr);
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
    return sqlite3_last_insert_rowid(db_);
}

Istruzione::Istruzione(Database& db, std::string_view sql) : db_(db) {
    const int esito = sqlite3_prepare_v3(db.handle(), sql.data(), static_cast<int>(sql.size()),
                                         SQLITE_PREPARE_PERSISTENT, &st_, nullptr);
    if (esito != SQLITE_OK)
        db.fallisci(esito);
}

Istruzione::~Istruzione() {
    sqlite3_finalize(st_);
}

Istruzione& Istruzione::lega(int indice, std::int64_t valore) {
    const int esito = sqlite3_bind_int64(st_, indice, valore);
    if (esito != SQLITE_OK)
        db_.fallisci(esito);
    return *this;
}

Istruzione& Istruzione::lega(int indice, double valore) {
    const int esito = sqlite3_bind_double(st_, indice, valore);
    if (esito != SQLITE_OK)
        db_.fallisci(esito);
    return *this;
}

Istruzione& Istruzione::lega(int indice, std::string_view valore) {
    const int esito = sqlite3_bind_text(st_, indice, valore.data(), static_cast<int>(valore.size()),
                                        SQLITE_TRANSIENT);
    if (esito != SQLITE_OK)
        db_.fallisci(esito);
    return *this;
}

bool Istruzione::passo() {
    const int esito = sqlite3_step(st_);
    if (esito == SQLITE_ROW)
        return true;
    if (esito == SQLITE_DONE)
        return false;
    sqlite3_reset(st_);
    db_.fallisci(esito);
}

void Istruzione::esegui() {
    while (passo()) {
    }
    azzera();
}

void Istruzione::azzera() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

std::int64_t Istruzione::intero(int colonna) const {
    return sqlite3_column_int64(st_, colonna);
}

double Istruzione::reale(int colonna) const {
    return sqlite3_column_double(st_, colonna);
}

std::string Istruzione::testo(int colonna) const {
    const auto* t = sqlite3_column_text(st_, colonna);
    const int n = sqlite3_column_bytes(st_, colonna);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(n))
             : std::string();
}

Transazione::Transazione(Database& db) : db_(db) {
    db_.esegui("BEGIN IMMEDIATE");
}

Transazione::~Transazione() {
    if (!chiusa_)
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transazione::commit() {
    db_.esegui("COMMIT");
    chiusa_ = true;
}

} // namespace scrivolta::sql
