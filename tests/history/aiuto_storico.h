// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/record.h"

#include <chrono>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace scrivolta::prova {

// Noon of a day of November 2023 (day 1 is the 1st), local time, so that
// the day a record falls on does not depend on the machine's time zone.
inline storico::Ora mezzogiorno(int giorno, int minuti = 0) {
    std::tm tm{};
    tm.tm_year = 123;
    tm.tm_mon = 10;
    tm.tm_mday = giorno;
    tm.tm_hour = 12;
    tm.tm_min = minuti;
    tm.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

inline storico::Frase frase(const std::string& studente, storico::Ora ora, int caratteri,
                            int errori, double velocita, int punteggio) {
    storico::Frase f;
    f.studente = studente;
    f.ora = ora;
    f.livello = 1;
    f.caratteri = caratteri;
    f.errori = errori;
    f.secondi = 10;
    f.velocita = velocita;
    f.punteggio = punteggio;
    return f;
}

// The exit status of `azione` run in a child process.
template <typename F> int inFiglio(F&& azione) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(azione());
    int stato = 0;
    ::waitpid(pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

inline constexpr int kNonSiPuo = 77;

// Drops root's right to write anywhere; false when that is impossible.
inline bool comeUtenteComune() {
    return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}

} // namespace scrivolta::prova
