// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/ambiente.h"

#include <string>
#include <string_view>
#include <vector>

namespace scrivolta {

// Where the program's files are. A portable installation (the build tree, a
// folder copied anywhere) keeps everything beside the executable, as the
// program always has. An installed one (executable in <prefix>/bin, data in
// <prefix>/share/scrivolta) cannot write there: its options, bookmarks and
// records go to the learner's own folders of the desktop's conventions
// ($XDG_CONFIG_HOME/scrivolta for the options, $XDG_DATA_HOME/scrivolta for
// the rest), and the practice texts and language files are read from the
// data folder.
//
// Folder paths end with "/", so that a file name can be appended directly.
// Paths are the file system's own bytes (UTF-8 on a normal desktop).
class Percorsi {
public:
    // Everything in one folder: the portable layout.
    static Percorsi portatile(const std::string& cartella);

    // Decides the layout for an executable in `cartellaProgramma`: portable
    // when that folder holds the data folders (or there is no installed data
    // folder) and is writable; installed otherwise.
    static Percorsi perCartella(const std::string& cartellaProgramma, const Ambiente& ambiente);

    // perCartella() for the running executable.
    static Percorsi perEseguibile(const Ambiente& ambiente = ambienteDiSistema());

    bool isPortatile() const { return portatile_; }
    const std::string& cartellaProgramma() const { return programma_; }
    // The read-only data: "Esercizi", "CorsoDattilo", "Lang", the help file.
    const std::string& cartellaDati() const { return dati_; }

    std::string cartellaEsercizi() const { return dati_ + "Esercizi/"; }
    std::string cartellaCorso() const { return dati_ + "CorsoDattilo/"; }
    std::string cartellaLingue() const { return dati_ + "Lang/"; }

    // "Scrivolta.ini".
    std::string fileOpzioni() const { return configurazione_ + "Scrivolta.ini"; }
    // The options preset beside the program of an installation the learner
    // cannot write to (a school's shared folder): read until the learner has
    // options of their own. "" for a portable installation, whose options
    // are beside the program already.
    std::string fileOpzioniPreimpostate() const {
        return portatile_ ? std::string() : programma_ + "Scrivolta.ini";
    }
    // "CorsoDattilo/Scrivolta.bmk".
    std::string fileSegnalibro() const { return scrivibile_ + "CorsoDattilo/Scrivolta.bmk"; }
    // "ScrivoltaWinner.ini".
    std::string fileRecord() const { return scrivibile_ + "ScrivoltaWinner.ini"; }
    // The learners' history of work, "ScrivoltaStorico.sqlite".
    std::string fileStorico() const { return scrivibile_ + "ScrivoltaStorico.sqlite"; }
    // The history an installation kept beside the program before it lost the
    // right to write there: "" for a portable installation.
    std::string fileStoricoAccanto() const {
        return portatile_ ? std::string() : programma_ + "ScrivoltaStorico.sqlite";
    }
    // Where the program writes files of its own making for the learner.
    const std::string& cartellaUtente() const { return scrivibile_; }

    // "Lang/<nome>.lng" for a language name in Windows-1252; "" for a name
    // that would lead out of the folder.
    std::string fileLingua(std::string_view nome) const;

    // The names (Windows-1252) of the language files, "*.lng" in any letter
    // case, without the extension, sorted without regard to case.
    std::vector<std::string> lingueDisponibili() const;

private:
    bool portatile_ = true;
    std::string programma_;
    std::string dati_;
    std::string configurazione_;
    std::string scrivibile_;
};

} // namespace scrivolta
