// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace scrivolta {

// What a command line such as "/Lettera.txt" asks for: a file of the
// "Esercizi" folder to practise on at once.
struct RigaDiComando {
    // The command line as kept: "" when it named nothing usable.
    std::string rigaComando;
    std::string ExerciseFile;
    bool TextFileMode = false;
    bool testoDaRigaComando = false;
    // A text file too long to practise on: the program tells so and ends.
    bool troppoLungo = false;
};

// The command line as the program reads it, in Windows-1252 like the file
// names it is compared with: the arguments after the program's name (UTF-8,
// as the system passes them) joined by blanks.
std::string rigaDaArgomenti(const std::vector<std::string>& argomenti);

// `ApriDaRigaDiComando`: "/" followed by the name of a ".txt" or ".ftd" file
// (any letter case) in `cartellaEsercizi` (ending with "/"). A name that
// could lead out of the folder is ignored like any other unusable one.
RigaDiComando ApriDaRigaDiComando(const std::string& riga, const std::string& cartellaEsercizi);

} // namespace scrivolta
