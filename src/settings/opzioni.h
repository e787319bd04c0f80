#pragma once

#include "settings/ambiente.h"
#include "settings/percorsi.h"

#include <string>

namespace scrivolta {

// The options of "Scrivolta.ini" as the main window holds them between the
// start and the end of a run. The defaults are those of a missing file.
struct Opzioni {
    bool SoundOn = true;           // [Options] Song
    bool mappaColori = true;       // [Options] KeyMap
    bool evidenzia = true;         // [Options] Highlight
    bool tastieraSemplice = false; // [Options] SimpleKeyb
    int coloreSfondo = 0;          // [Options] BackColor, scheme 0-10
    int ModeIndex = 0;             // [Options] Category: 0 beginner, 1 expert
    std::string linguaCorrente;    // [Language] CurrentLanguage
    bool linguaCaricata = false;   // the file of linguaCorrente exists
};

// `CaricaOpzioni`: reads the options file. An empty language comes from the
// desktop's language (LinguaInstallazione), named by nomeLinguaInstallazione.
Opzioni CaricaOpzioni(const Percorsi& percorsi, const Ambiente& ambiente = ambienteDiSistema());

// `SalvaOpzioni`: writes every option in one rewrite of the file; false when
// the file could not be written (the old one is then kept whole).
bool SalvaOpzioni(const Percorsi& percorsi, const Opzioni& opzioni);

} // namespace scrivolta
