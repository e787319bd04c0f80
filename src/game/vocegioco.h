// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "engine/voce.h"

namespace scrivolta {

// What the game says to a learner who does not see the field: the
// characters lost, then the character to type each time it changes. The
// announcer only queues, so a tick or a key never waits for the speech.
class VoceGioco {
public:
    // `annunciatore` null: the game is silent.
    VoceGioco(Annunciatore* annunciatore, const TestiVoce& testi)
        : annunciatore_(annunciatore), testi_(testi) {}

    // A level or a training begins: its first target is said even if the
    // last run ended on the same character.
    void nuovaCorsa();
    // Kept until `parla`: characters lost in one tick are said together,
    // none dropping another still waiting in the queue.
    void persa(char lettera);
    // The moment is settled: says the characters lost, then `bersaglio` if
    // it is new. `bersaglio` 0: nothing to type now; the last target stays
    // known, so a pause does not make the same character be said again.
    void parla(char bersaglio);

private:
    Annunciatore* annunciatore_;
    const TestiVoce& testi_;
    char detto_ = 0;
    std::string perse_;
};

} // namespace scrivolta
