// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary command lines to `ApriDaRigaDiComando` over a folder of
// practice files, as Windows-1252 and as UTF-8 arguments, and checks that
// whatever it accepts lies inside that folder and is a file the program can
// practise on, and that accented names on disk are found.
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
        std::ofstream(base / "Esercizi" / "\xC3\x89t\xC3\xA9.txt") << "abc";
        std::ofstream(base / "Esercizi" /
                      "\xC3\x87"
                      "a \xE2\x82\xAC.ftd")
            << "x";
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

void verificaEsito(const std::string& riga, const RigaDiComando& esito) {
    if (esito.ExerciseFile.empty()) {
        verifica(!esito.TextFileMode && !esito.troppoLungo && esito.rigaComando.empty());
        return;
    }
    verifica(esito.ExerciseFile.rfind(cartella(), 0) == 0);
    const std::string nome = esito.ExerciseFile.substr(cartella().size());
    verifica(nome.find('/') == std::string::npos && nome.find('\\') == std::string::npos);
    verifica(std::filesystem::is_regular_file(esito.ExerciseFile));
    verifica(!(esito.TextFileMode && esito.troppoLungo));
    verifica(esito.rigaComando == riga);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string riga(reinterpret_cast<const char*>(data), size);
    verificaEsito(riga, ApriDaRigaDiComando(riga, cartella()));
    const std::string argomento = rigaDaArgomenti({"scrivolta", riga});
    const RigaDiComando esito = ApriDaRigaDiComando(argomento, cartella());
    verificaEsito(argomento, esito);
    // The accented names on disk are found whatever surrounds them.
    for (const char* nome : {"\xC3\x89t\xC3\xA9.txt", "\xC3\x87"
                                                      "a \xE2\x82\xAC.ftd"}) {
        if (riga == std::string("/") + nome)
            verifica(esito.ExerciseFile == cartella() + nome);
    }
    return 0;
}
