// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "history/storico.h"

#include <algorithm>

namespace scrivolta::storico {

namespace {

// A time the clock's finer unit cannot hold (a file written by another
// program, or damaged) is taken as the nearest one it can: the conversion
// would overflow.
Ora daSecondi(std::int64_t s) {
    constexpr std::int64_t kLimite =
        std::chrono::duration_cast<std::chrono::seconds>(Ora::duration::max()).count();
    return Ora(std::chrono::seconds(std::clamp(s, -kLimite, kLimite)));
}

int intero(const sql::Istruzione& st, int colonna) {
    return static_cast<int>(st.intero(colonna));
}

// Text files count as their own category; their speed comes from their
// length and time. Rows of no known category or mode (a damaged or foreign
// file) are left out: read as numbers they would fall on the series of
// another and give it two points for one day.
constexpr const char* kAndamento = R"(
SELECT categoria, modo, giorno, avg(v), 100.0 * sum(e) / max(sum(c), 1) FROM (
  SELECT categoria, modo, date(ora, 'unixepoch', 'localtime') AS giorno,
         velocita * 60 AS v, errori AS e, caratteri AS c
    FROM frasi WHERE studente = ?1 AND categoria IN (0, 1, 2) AND modo IN (0, 1)
  UNION ALL
  SELECT 3, modo, date(ora, 'unixepoch', 'localtime'),
         CASE WHEN secondi > 0 THEN caratteri * 60.0 / secondi ELSE 0 END, errori, caratteri
    FROM testi WHERE studente = ?1 AND modo IN (0, 1))
GROUP BY 1, 2, 3 ORDER BY 1, 2, 3)";

constexpr const char* kStoria = R"(
SELECT ora, 0, categoria, file, livello, modo, caratteri, errori, secondi,
       velocita * 60, punteggio FROM frasi WHERE studente = ?1
UNION ALL
SELECT ora, 1, categoria, file, livello, modo, 0, 0, 0, 0, media
  FROM livelli WHERE studente = ?1
UNION ALL
SELECT ora, 2, categoria, file, 0, modo, caratteri, errori, 0, 0, 0
  FROM cicli WHERE studente = ?1
UNION ALL
SELECT ora, 3, 3, file, 0, modo, caratteri, errori, secondi,
       CASE WHEN secondi > 0 THEN caratteri * 60.0 / secondi ELSE 0 END, 0
  FROM testi WHERE studente = ?1
UNION ALL
SELECT ora, 4 + allenamento, 4, '', livello, 0, 0,
       0, secondi, 0, punti FROM partite WHERE studente = ?1
ORDER BY 1)";

} // namespace

std::vector<std::string> Storico::studenti() {
    sql::Istruzione st(db_, "SELECT studente FROM frasi UNION SELECT studente FROM testi "
                            "UNION SELECT studente FROM partite UNION SELECT studente FROM tasti "
                            "ORDER BY 1");
    std::vector<std::string> nomi;
    while (st.passo())
        nomi.push_back(cp1252::fromUtf8(st.testo(0)));
    return nomi;
}

std::vector<PuntoAndamento> Storico::andamento(const std::string& studente) {
    sql::Istruzione st(db_, kAndamento);
    st.lega(1, chiaveStudente(studente));
    std::vector<PuntoAndamento> punti;
    while (st.passo())
        punti.push_back({static_cast<Categoria>(intero(st, 0)), intero(st, 1), st.testo(2),
                         st.reale(3), st.reale(4)});
    return punti;
}

std::vector<Lezione> Storico::lezioni(const std::string& studente) {
    sql::Istruzione st(db_, "SELECT categoria, file, count(*), max(punteggio), avg(punteggio) "
                            "FROM frasi WHERE studente = ?1 AND categoria IN (1, 2) "
                            "GROUP BY categoria, file ORDER BY categoria, file");
    st.lega(1, chiaveStudente(studente));
    std::vector<Lezione> lezioni;
    while (st.passo())
        lezioni.push_back({static_cast<Categoria>(intero(st, 0)), st.testo(1), intero(st, 2),
                           intero(st, 3), st.reale(4)});
    return lezioni;
}

std::vector<ConteggioTasto> Storico::tasti(const std::string& studente) {
    sql::Istruzione st(db_, "SELECT carattere, giusti, sbagliati FROM tasti WHERE studente = ?1 "
                            "ORDER BY carattere");
    st.lega(1, chiaveStudente(studente));
    std::vector<ConteggioTasto> tasti;
    while (st.passo())
        tasti.push_back(
            {studente, static_cast<unsigned char>(st.intero(0)), intero(st, 1), intero(st, 2)});
    return tasti;
}

std::vector<Sostituzione> Storico::sostituzioni(const std::string& studente) {
    sql::Istruzione st(db_, "SELECT atteso, digitato, volte FROM sostituzioni "
                            "WHERE studente = ?1 ORDER BY atteso, volte DESC, digitato");
    st.lega(1, chiaveStudente(studente));
    std::vector<Sostituzione> s;
    while (st.passo())
        s.push_back(
            {studente, static_cast<unsigned char>(st.intero(0)), intero(st, 1), intero(st, 2)});
    return s;
}

std::vector<Riga> Storico::storia(const std::string& studente) {
    sql::Istruzione st(db_, kStoria);
    st.lega(1, chiaveStudente(studente));
    std::vector<Riga> righe;
    while (st.passo())
        righe.push_back({daSecondi(st.intero(0)), static_cast<TipoRiga>(intero(st, 1)),
                         intero(st, 2), st.testo(3), intero(st, 4), intero(st, 5), intero(st, 6),
                         intero(st, 7), st.intero(8), st.reale(9), intero(st, 10)});
    return righe;
}

} // namespace scrivolta::storico
