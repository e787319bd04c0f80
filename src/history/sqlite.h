// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A thin layer over SQLite's C interface: owned handles and errors as
// exceptions, so that the store's code reads as a list of statements and
// one catch decides what a failure means.
namespace scrivolta::sql {

class Errore : public std::runtime_error {
public:
    Errore(int codice, const std::string& messaggio)
        : std::runtime_error(messaggio), codice_(codice) {}
    // SQLite's primary result code (SQLITE_BUSY, SQLITE_CORRUPT...).
    int codice() const { return codice_; }
    // The file is not a database, or a damaged one.
    bool fileRovinato() const;

private:
    int codice_;
};

class Database {
public:
    // Opens or creates the file; throws when that is impossible.
    explicit Database(const std::string& percorso);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void esegui(std::string_view sql);
    // The first column of the first row of `sql`, as an integer.
    std::int64_t intero(std::string_view sql);
    std::string testo(std::string_view sql);
    std::int64_t ultimoId() const;
    // Rows the last INSERT, UPDATE or DELETE changed.
    int righeCambiate() const;
    sqlite3* handle() const { return db_; }
    [[noreturn]] void fallisci(int codice) const;

private:
    sqlite3* db_ = nullptr;
};

// A prepared statement; bind indices start at 1, columns at 0.
class Istruzione {
public:
    Istruzione(Database& db, std::string_view sql);
    ~Istruzione();
    Istruzione(const Istruzione&) = delete;
    Istruzione& operator=(const Istruzione&) = delete;

    Istruzione& lega(int indice, std::int64_t valore);
    Istruzione& lega(int indice, double valore);
    Istruzione& lega(int indice, std::string_view valore);
    // True while a row is there to read.
    bool passo();
    // Runs a statement that returns no rows, ready to run again.
    void esegui();
    void azzera();

    std::int64_t intero(int colonna) const;
    double reale(int colonna) const;
    std::string testo(int colonna) const;

private:
    Database& db_;
    sqlite3_stmt* st_ = nullptr;
};

// Commits at commit(), rolls back when left otherwise. BEGIN IMMEDIATE takes
// the write lock at once, so that two instances wait for each other rather
// than fail half-way.
class Transazione {
public:
    explicit Transazione(Database& db);
    ~Transazione();
    Transazione(const Transazione&) = delete;
    Transazione& operator=(const Transazione&) = delete;
    void commit();

private:
    Database& db_;
    bool chiusa_ = false;
};

} // namespace scrivolta::sql
