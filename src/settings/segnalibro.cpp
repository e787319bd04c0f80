#include "settings/segnalibro.h"

#include "settings/inimanager.h"

namespace scrivolta {

namespace {

constexpr int kPrimaRigaDomanda = 17;
constexpr int kUltimaRigaDomanda = 22;

IniManager fileSegnalibro(const Percorsi& percorsi, const std::string& userName) {
    IniManager ini;
    ini.setNome(percorsi.fileSegnalibro());
    ini.setSezione(userName);
    return ini;
}

std::string domanda(const TestiPrincipali& testi) {
    std::string testo;
    for (int i = kPrimaRigaDomanda; i <= kUltimaRigaDomanda; ++i) {
        if (i > kPrimaRigaDomanda)
            testo += "\r\n";
        testo += testi.messaggi[static_cast<std::size_t>(i)];
    }
    return testo;
}

EsitoSegnalibro esito(bool riuscito, EsitoSegnalibro fatto) {
    return riuscito ? fatto : EsitoSegnalibro::NonScritto;
}

} // namespace

std::string LeggiSegnalibro(const Percorsi& percorsi, const std::string& userName) {
    if (userName.empty())
        return {};
    return fileSegnalibro(percorsi, userName).Leggi("Bookmark", "");
}

EsitoSegnalibro SalvaSegnalibro(const Percorsi& percorsi, MessageBoxes& messaggi,
                                const TestiPrincipali& testi, const std::string& userName,
                                const std::string& exerciseFile, bool ultimoDellaLista) {
    if (userName.empty())
        return EsitoSegnalibro::Nessuno;
    IniManager ini = fileSegnalibro(percorsi, userName);
    if (ultimoDellaLista)
        return esito(ini.CancellaSezione(), EsitoSegnalibro::Cancellato);
    switch (messaggi.mostra(domanda(testi), "Scrivolta", Icona::Domanda, Pulsanti::SiNoAnnulla)) {
    case Risposta::Si:
        return esito(ini.Scrivi("Bookmark", NomeSenzaEstensione(exerciseFile)),
                     EsitoSegnalibro::Salvato);
    case Risposta::No:
        return esito(ini.CancellaSezione(), EsitoSegnalibro::Cancellato);
    default:
        return EsitoSegnalibro::Invariato;
    }
}

std::string NomeFile(std::string_view percorso) {
    const auto barra = percorso.find_last_of("/\\");
    if (barra == std::string_view::npos)
        return {};
    return std::string(percorso.substr(barra + 1));
}

std::string NomeSenzaEstensione(std::string_view percorso) {
    const std::string nome = NomeFile(percorso);
    return nome.substr(0, nome.find('.'));
}

} // namespace scrivolta
