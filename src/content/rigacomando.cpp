#include "content/rigacomando.h"

#include "app/testo.h"

#include <filesystem>

namespace scrivolta {

RigaDiComando ApriDaRigaDiComando(const std::string& riga, const std::string& cartellaEsercizi) {
    RigaDiComando esito;
    const auto barra = riga.find('/');
    if (barra == std::string::npos)
        return esito;
    const std::string nome(testo::senzaBlank(std::string_view(riga).substr(barra + 1)));
    const std::string estensione =
        nome.size() >= 4 ? testo::maiuscolo(nome.substr(nome.size() - 4)) : std::string();
    if (estensione != ".FTD" && estensione != ".TXT")
        return esito;
    // A name that climbs out of the folder names nothing in it.
    if (nome.find('/') != std::string::npos || nome.find('\\') != std::string::npos)
        return esito;
    const std::string percorso = cartellaEsercizi + nome;
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore))
        return esito;
    esito.rigaComando = riga;
    esito.ExerciseFile = percorso;
    if (estensione == ".TXT") {
        const auto dimensione = std::filesystem::file_size(percorso, errore);
        if (errore || static_cast<long long>(dimensione) >= kLunghezzaMassimaTesto) {
            esito.troppoLungo = true;
            return esito;
        }
        esito.TextFileMode = true;
        esito.testoDaRigaComando = true;
    }
    return esito;
}

} // namespace scrivolta
