// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "settings/ambiente.h"
#include "settings/percorsi.h"

#include <string>

namespace scrivolta {

// Where the options of "Scrivolta.ini" live while the program runs: each in
// its one owner (the shared state, or the on-screen keyboard for its own
// three). Loading writes into the owners and saving reads from them, so no
// copy can fall out of step.
struct OpzioniInUso {
    bool& SoundOn;
    bool& mappaColori;
    bool& evidenzia;
    bool& tastieraSemplice;
    int& coloreSfondo;
    int& ModeIndex;
    OpzioniVoce& voce;
    std::string& linguaCorrente;
    bool& linguaCaricata;
};

// The options of the file as a value, for whoever reads or writes the file
// without running the program. The defaults are those of a missing file.
struct Opzioni {
    bool SoundOn = true;           // [Options] Song
    bool mappaColori = true;       // [Options] KeyMap
    bool evidenzia = true;         // [Options] Highlight
    bool tastieraSemplice = false; // [Options] SimpleKeyb
    int coloreSfondo = 0;          // [Options] BackColor, scheme 0-10
    int ModeIndex = 0;             // [Options] Category: 0 beginner, 1 expert
    OpzioniVoce voce;              // [Speech] NextKey, ReadAgain, Results
    std::string linguaCorrente;    // [Language] CurrentLanguage
    bool linguaCaricata = false;   // the file of linguaCorrente exists

    OpzioniInUso inUso() {
        return {SoundOn,   mappaColori, evidenzia,      tastieraSemplice, coloreSfondo,
                ModeIndex, voce,        linguaCorrente, linguaCaricata};
    }
};

// `CaricaOpzioni`: reads the options file. An empty language comes from the
// desktop's language (LinguaInstallazione), named by nomeLinguaInstallazione.
void CaricaOpzioni(const Percorsi& percorsi, const OpzioniInUso& opzioni,
                   const Ambiente& ambiente = ambienteDiSistema());
Opzioni CaricaOpzioni(const Percorsi& percorsi, const Ambiente& ambiente = ambienteDiSistema());

// `SalvaOpzioni`: writes every option in one rewrite of the file; false when
// the file could not be written (the old one is then kept whole).
bool SalvaOpzioni(const Percorsi& percorsi, const OpzioniInUso& opzioni);
bool SalvaOpzioni(const Percorsi& percorsi, Opzioni opzioni);

} // namespace scrivolta
