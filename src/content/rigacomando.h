// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

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

// `ApriDaRigaDiComando`: "/" followed by the name of a ".txt" or ".ftd" file
// (any letter case) in `cartellaEsercizi` (ending with "/"). A name that
// could lead out of the folder is ignored like any other unusable one.
RigaDiComando ApriDaRigaDiComando(const std::string& riga, const std::string& cartellaEsercizi);

} // namespace scrivolta
