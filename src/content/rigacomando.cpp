#include "content/rigacomando.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace scrivolta {

namespace {

std::string maiuscolo(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string senzaSpaziAiLati(const std::string& s) {
    const auto inizio = s.find_first_not_of(' ');
    if (inizio == std::string::npos)
        return {};
    return s.substr(inizio, s.find_last_not_of(' ') - inizio + 1);
}

} // namespace

RigaDiComando ApriDaRigaDiComando(const std::string& riga, const std::string& cartellaEsercizi) {
    RigaDiComando esito;
    const auto barra = riga.find('/');
    if (barra == std::string::npos)
        return esito;
    const std::string nome = senzaSpaziAiLati(riga.substr(barra + 1));
    const std::string estensione =
        nome.size() >= 4 ? maiuscolo(nome.substr(nome.size() - 4)) : std::string();
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
