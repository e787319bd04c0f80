// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/segnalibro.h"

#include "app/dominio.h"
#include "app/testo.h"
#include "settings/inimanager.h"

#include <array>

namespace scrivolta {

namespace {

constexpr std::array kRigheDomanda = {
    Messaggio::SalvareNomeEsercizio,
    Messaggio::SeRispondiSi,
    Messaggio::SaraSelezionatoIlSuccessivo,
    Messaggio::SeScegliNo,
    Messaggio::DeciderTuDaDove,
    Messaggio::SeScegliAnnulla,
};

IniManager fileSegnalibro(const Percorsi& percorsi, const std::string& userName) {
    IniManager ini;
    ini.setNome(percorsi.fileSegnalibro());
    ini.setSezione(userName);
    return ini;
}

std::string domanda(const TestiPrincipali& testi) {
    std::string testo;
    for (const Messaggio riga : kRigheDomanda) {
        if (riga != kRigheDomanda.front())
            testo += "\r\n";
        testo += testi.messaggi[riga];
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
    switch (
        messaggi.mostra(domanda(testi), kNomeProgramma, Icona::Domanda, Pulsanti::SiNoAnnulla)) {
    case Risposta::Si:
        return esito(ini.Scrivi("Bookmark", NomeSenzaEstensione(exerciseFile)),
                     EsitoSegnalibro::Salvato);
    case Risposta::No:
        return esito(ini.CancellaSezione(), EsitoSegnalibro::Cancellato);
    default:
        return EsitoSegnalibro::Invariato;
    }
}

std::string NomeSenzaEstensione(std::string_view percorso) {
    const std::string nome(testo::NomeFile(percorso));
    return nome.substr(0, nome.find('.'));
}

} // namespace scrivolta
