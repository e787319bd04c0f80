// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/rigacomando.h"

#include "app/cp1252.h"
#include "app/testo.h"
#include "content/cartelle.h"
#include "content/filetesto.h"

namespace scrivolta {

std::string rigaDaArgomenti(const std::vector<std::string>& argomenti) {
    std::string riga;
    for (std::size_t i = 1; i < argomenti.size(); ++i)
        riga += (i > 1 ? " " : "") + argomenti[i];
    return cp1252::fromUtf8(riga);
}

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
    if (!nomeNellaCartella(nome))
        return esito;
    const std::string percorso = trovaFile(cartellaEsercizi, nome);
    if (percorso.empty())
        return esito;
    esito.rigaComando = riga;
    esito.ExerciseFile = percorso;
    if (estensione == ".TXT") {
        const long long dimensione = dimensioneFile(percorso);
        if (dimensione < 0 || dimensione >= static_cast<long long>(kLunghezzaMassimaTesto)) {
            esito.troppoLungo = true;
            return esito;
        }
        esito.TextFileMode = true;
        esito.testoDaRigaComando = true;
    }
    return esito;
}

} // namespace scrivolta
