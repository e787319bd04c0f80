// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary command lines to `ApriDaRigaDiComando` over a folder of
// practice files and checks that whatever it accepts lies inside that
// folder and is a file the program can practise on.
#include "content/filetesto.h"
#include "content/rigacomando.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace scrivolta;

namespace {

void verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

// A folder with a short text, a long one and a course file, made once.
const std::string& cartella() {
    static const std::string percorso = [] {
        const auto base = std::filesystem::temp_directory_path() /
                          ("scrivolta-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(base / "Esercizi" / "sotto");
        std::ofstream(base / "Esercizi" / "Breve.txt") << "abc";
        std::ofstream(base / "Esercizi" / "lungo.TXT") << std::string(kLunghezzaMassimaTesto, 'a');
        std::ofstream(base / "Esercizi" / "Corso.ftd") << "x";
        std::ofstream(base / "Fuori.txt") << "abc";
        static const std::filesystem::path daTogliere = base;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(daTogliere, ec);
        });
        return (base / "Esercizi").string() + "/";
    }();
    return percorso;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string riga(reinterpret_cast<const char*>(data), size);
    const RigaDiComando esito = ApriDaRigaDiComando(riga, cartella());
    if (esito.ExerciseFile.empty()) {
        verifica(!esito.TextFileMode && !esito.troppoLungo && esito.rigaComando.empty());
        return 0;
    }
    verifica(esito.ExerciseFile.rfind(cartella(), 0) == 0);
    const std::string nome = esito.ExerciseFile.substr(cartella().size());
    verifica(nome.find('/') == std::string::npos && nome.find('\\') == std::string::npos);
    verifica(std::filesystem::is_regular_file(esito.ExerciseFile));
    verifica(!(esito.TextFileMode && esito.troppoLungo));
    verifica(esito.rigaComando == riga);
    return 0;
}
