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

// Text files from 26000 bytes on are too long to practise on.
inline constexpr long long kLunghezzaMassimaTesto = 26000;

// `ApriDaRigaDiComando`: "/" followed by the name of a ".txt" or ".ftd" file
// (any letter case) in `cartellaEsercizi` (ending with "/").
RigaDiComando ApriDaRigaDiComando(const std::string& riga, const std::string& cartellaEsercizi);

} // namespace scrivolta
