// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/registrogioco.h"

#include <algorithm>
#include <climits>
#include <exception>

namespace scrivolta::storico {

Partita RegistroGioco::partita(const FineCorsa& fine) {
    const long long punti = fine.allenamento ? fine.precisione : fine.punti;
    return {fine.studente,
            fine.ora,
            fine.allenamento,
            fine.allenamento ? fine.difficolta : fine.livello,
            static_cast<int>(std::clamp<long long>(punti, INT_MIN, INT_MAX)),
            fine.secondi};
}

// The history already keeps its own failures from the caller; anything
// else going wrong while keeping a run must not stop the game either.
void RegistroGioco::corsaFinita(const FineCorsa& fine) {
    try {
        registro_.partitaFinita(partita(fine));
    } catch (const std::exception&) {
        // The run is lost to the history, never to the learner.
    }
}

} // namespace scrivolta::storico
