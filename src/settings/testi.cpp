// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/testi.h"

#include "settings/lingua.h"

namespace scrivolta {

namespace {

// One text of the main window: its id, its built-in Italian text and where it
// goes. `prima` and `dopo` frame the text read from a language file: they put
// back the blanks and line breaks that the program joins these texts by and
// that the file's trimmed values lose (message 23 is followed directly by
// the product name).
struct VoceTesto {
    std::string_view id;
    std::string_view italiano;
    std::string& (*campo)(TestiPrincipali&);
    std::string_view prima = {};
    std::string_view dopo = {};
};

template <auto Membro> std::string& campo(TestiPrincipali& t) {
    return t.*Membro;
}

template <auto Membro, auto Indice> std::string& elemento(TestiPrincipali& t) {
    return (t.*Membro)[Indice];
}

// The message table, the praise lists and the single texts.
constexpr auto kMessaggi = std::to_array<VoceTesto>({
    {"0001", "- Frasi interne ", elemento<&TestiPrincipali::messaggi, Messaggio::FrasiInterne>},
    {"0002", "-  Primo livello: frase",
     elemento<&TestiPrincipali::messaggi, Messaggio::PrimoLivello>},
    {"0003", "-  Secondo livello: frase ",
     elemento<&TestiPrincipali::messaggi, Messaggio::SecondoLivello>},
    {"0004", "-  Terzo livello: frase ",
     elemento<&TestiPrincipali::messaggi, Messaggio::TerzoLivello>},
    {"0005", "Con questo esercizio questo pulsante non \xE8 disponibile.",
     elemento<&TestiPrincipali::messaggi, Messaggio::PulsanteNonDisponibile>},
    {"0006", "Vuoi iniziare da capo le esercitazioni?",
     elemento<&TestiPrincipali::messaggi, Messaggio::RicominciareDaCapo>},
    {"0007", "Hai totalizzato ", elemento<&TestiPrincipali::messaggi, Messaggio::HaiTotalizzato>},
    {"0008", "punti e, digitando alla media di",
     elemento<&TestiPrincipali::messaggi, Messaggio::PuntiEAllaMediaDi>},
    {"0009", "battute", elemento<&TestiPrincipali::messaggi, Messaggio::Battute>},
    {"0010", "hai anche superato il tuo record precedente.",
     elemento<&TestiPrincipali::messaggi, Messaggio::RecordSuperato>},
    {"0011",
     "Premi il tasto Entr\xE9"
     "e per continuare.",
     elemento<&TestiPrincipali::messaggi, Messaggio::PremiInvioPerContinuare>},
    {"0137", "Ciao", elemento<&TestiPrincipali::messaggi, Messaggio::Ciao>},
    {"0013",
     "Per iniziare gli esercizi scegli il livello di difficolt\xE0 e premi il pulsante < Entr\xE9"
     "e> ",
     elemento<&TestiPrincipali::messaggi, Messaggio::ScegliLivelloEPremiInvio>, "",
     " <Entr\xE9"
     "e>"},
    {"0014", "\r\nSeleziona dalla lista il file con cui esercitarti",
     elemento<&TestiPrincipali::messaggi, Messaggio::ScegliFileDallaLista>, "\r\n", ""},
    {"0019", "La tastiera in uso non \xE8 impostata per la lingua",
     elemento<&TestiPrincipali::messaggi, Messaggio::TastieraNonImpostata>},
    {"0020", "Il programma, quindi, potrebbe non funzionare correttamente.",
     elemento<&TestiPrincipali::messaggi, Messaggio::PotrebbeNonFunzionare>},
    {"1031", "francese", elemento<&TestiPrincipali::messaggi, Messaggio::Francese>},
    {"0021", "Vuoi salvare il nome dell'esercizio che hai appena terminato?",
     elemento<&TestiPrincipali::messaggi, Messaggio::SalvareNomeEsercizio>},
    {"0022", "Se rispondi  S\xEC  la prossima volta che sceglierai di esercitarti con il corso di",
     elemento<&TestiPrincipali::messaggi, Messaggio::SeRispondiSi>},
    {"0023", "dattilografia  sar\xE0  selezionato   automaticamente   l'esercizio   successivo.",
     elemento<&TestiPrincipali::messaggi, Messaggio::SaraSelezionatoIlSuccessivo>},
    {"0024", "Se scegli No sar\xE0 cancellato l'eventuale riferimento al precedente esercizio",
     elemento<&TestiPrincipali::messaggi, Messaggio::SeScegliNo>},
    {"0025", "e la prossima volta deciderai tu da dove iniziare.",
     elemento<&TestiPrincipali::messaggi, Messaggio::DeciderTuDaDove>},
    {"0026", "Se, invece, scegli Annulla non sar\xE0 fatta alcuna modifica.",
     elemento<&TestiPrincipali::messaggi, Messaggio::SeScegliAnnulla>},
    {"0029", "Vuoi stampare la tastiera di ",
     elemento<&TestiPrincipali::messaggi, Messaggio::StampareTastieraDi>, "", " "},
    {"0030", "(la tastiera verr\xE0 stampata esattamente come la vedi in questo momento)",
     elemento<&TestiPrincipali::messaggi, Messaggio::StampataComeLaVedi>},
    {"0015", "Vuoi chiudere il programma?",
     elemento<&TestiPrincipali::messaggi, Messaggio::ChiudereProgramma>},
    {"0016", "(Se chiudi il programma adesso, tutti i dati verranno persi)",
     elemento<&TestiPrincipali::messaggi, Messaggio::DatiPersi>},
    {"0017", "Il tasto Blocca Maiuscole non deve essere premuto.",
     elemento<&TestiPrincipali::messaggi, Messaggio::BloccaMaiuscoleVietato>},
    {"0018", "Il pulsante destro del mouse non deve essere premuto!",
     elemento<&TestiPrincipali::messaggi, Messaggio::PulsanteDestroVietato>},
    {"0027", "Principiante", elemento<&TestiPrincipali::messaggi, Messaggio::Principiante>},
    {"0028", "Esperto", elemento<&TestiPrincipali::messaggi, Messaggio::Esperto>},
    {"1010", "Tastiera francese",
     elemento<&TestiPrincipali::messaggi, Messaggio::TastieraFrancese>},
    {"0117", "Controllate le impostazioni della lingua nella guida in linea",
     elemento<&TestiPrincipali::messaggi, Messaggio::ControllaLinguaNellaGuida>},
    {"0118", "punti, digitando alla media di",
     elemento<&TestiPrincipali::messaggi, Messaggio::PuntiAllaMediaDi>},
    {"", "", elemento<&TestiPrincipali::messaggi, Messaggio::Vuoto>},
    {"0137", "Ciao", elemento<&TestiPrincipali::messaggi, Messaggio::CiaoDiNuovo>},
    {"0120", "minuti", elemento<&TestiPrincipali::messaggi, Messaggio::Minuti>},
    {"0121", "Errore nell'apertura del file:",
     elemento<&TestiPrincipali::messaggi, Messaggio::ErroreApertura>},
    {"0122", "Premi OK per proseguire.",
     elemento<&TestiPrincipali::messaggi, Messaggio::PremiOkPerProseguire>},
    {"0123", "Tempo stimato per terminare l'esercizio:",
     elemento<&TestiPrincipali::messaggi, Messaggio::TempoStimato>},
    {"0124", "File di testo troppo lungo, scegliere un file di minori dimensioni e riprovare.",
     elemento<&TestiPrincipali::messaggi, Messaggio::TestoTroppoLungo>},
    {"0125", "File Scrivolta", elemento<&TestiPrincipali::messaggi, Messaggio::FileScrivolta>},
    {"0126", "File di testo", elemento<&TestiPrincipali::messaggi, Messaggio::FileDiTesto>},
    {"2001", "Il programma non pu\xF2 disattivarlo su questo desktop: premi di nuovo il tasto.",
     elemento<&TestiPrincipali::messaggi, Messaggio::BloccaMaiuscoleDaSpegnere>},
    {"2560", "Il gioco non \xE8 disponibile in questa versione del programma.",
     elemento<&TestiPrincipali::messaggi, Messaggio::GiocoNonDisponibile>},
    {"0048", "Magnifico!", elemento<&TestiPrincipali::lodiOttime, 0>},
    {"0049", "Eccezionale!", elemento<&TestiPrincipali::lodiOttime, 1>},
    {"0050", "Sei grande!", elemento<&TestiPrincipali::lodiOttime, 2>},
    {"0051", "Fantastico!", elemento<&TestiPrincipali::lodiOttime, 3>},
    {"0052", "Eccellente!", elemento<&TestiPrincipali::lodiOttime, 4>},
    {"0053", "Insuperabile!", elemento<&TestiPrincipali::lodiOttime, 5>},
    {"0054", "Sensazionale!", elemento<&TestiPrincipali::lodiOttime, 6>},
    {"0055", "Bene!", elemento<&TestiPrincipali::lodiBuone, 0>},
    {"0056", "Molto bene!", elemento<&TestiPrincipali::lodiBuone, 1>},
    {"0057", "Ottimo!", elemento<&TestiPrincipali::lodiBuone, 2>},
    {"0058", "Perfetto!", elemento<&TestiPrincipali::lodiBuone, 3>},
    {"0059", "Benissimo!", elemento<&TestiPrincipali::lodiBuone, 4>},
    {"0060", "Splendido!", elemento<&TestiPrincipali::lodiBuone, 5>},
    {"0061", "Buon risultato!", elemento<&TestiPrincipali::lodiBuone, 6>},
    {"0116", "al minuto", campo<&TestiPrincipali::MsgPerMinute>},
    {"0062", "Attenzione!", campo<&TestiPrincipali::titoloAvviso>},
    {"0065", "Impossibile trovare il file della guida", campo<&TestiPrincipali::guidaMancante>},
});

// Captions and tooltips of the main window's controls. The menu's last entry
// has no tooltip of its own; with a language file it reads "NUOVO".
constexpr auto kControlli = std::to_array<VoceTesto>({
    {"0031", "Doppio click per nascondere l'immagine", campo<&TestiPrincipali::tooltipMapDita>},
    {"0032", "Doppio click per riposizionare la mappa sulla tastiera",
     campo<&TestiPrincipali::tooltipMappaTastiEsterna>},
    {"0027", "Principiante", elemento<&TestiPrincipali::optLevel, 0>},
    {"0028", "Esperto", elemento<&TestiPrincipali::optLevel, 1>},
    {"0001", "Frasi interne", elemento<&TestiPrincipali::optMenu, 0>},
    {"0064", "Corso dattilo", elemento<&TestiPrincipali::optMenu, 1>},
    {"0063", "Esercizi", elemento<&TestiPrincipali::optMenu, 2>},
    {"0126", "File di testo", elemento<&TestiPrincipali::optMenu, 3>},
    {"0306", "Gioco && Allenamento", elemento<&TestiPrincipali::optMenu, 4>},
    {"0035", "Chiude il programma", elemento<&TestiPrincipali::tooltipMenu, 0>},
    {"0036", "Ricomincia da capo", elemento<&TestiPrincipali::tooltipMenu, 1>},
    {"0037", "Informazioni e guida", elemento<&TestiPrincipali::tooltipMenu, 2>},
    {"0038", "Abilita o disabilita i suoni", elemento<&TestiPrincipali::tooltipMenu, 3>},
    {"0039", "Visualizza o nasconde la mappa \"tasto/dito\"",
     elemento<&TestiPrincipali::tooltipMenu, 4>},
    {"0040", "Evidenzia o nasconde i tasti da premere", elemento<&TestiPrincipali::tooltipMenu, 5>},
    {"0041", "Cambia il colore dello sfondo", elemento<&TestiPrincipali::tooltipMenu, 6>},
    {"", "", elemento<&TestiPrincipali::tooltipMenu, 7>, "", "NUOVO"},
    {"0042", "digitazioni esatte  correnti / totali",
     elemento<&TestiPrincipali::tooltipNumBatt, 0>},
    {"0043", "digitazioni errate  correnti / totali",
     elemento<&TestiPrincipali::tooltipNumBatt, 1>},
    {"0208", "Rapporto errori/battute", campo<&TestiPrincipali::tooltipSmile>},
    {"0151", "Doppio click per tastiera 2D/3D", campo<&TestiPrincipali::tooltipTastoMenu>},
    {"0044", "Frase livello corrente", campo<&TestiPrincipali::tooltipNumFrase>},
    {"0045", "Media punteggi 1\xB0 livello", elemento<&TestiPrincipali::tooltipMediaLevel, 0>},
    {"0046", "Media punteggi 2\xB0 livello", elemento<&TestiPrincipali::tooltipMediaLevel, 1>},
    {"0047", "Media punteggi 3\xB0 livello", elemento<&TestiPrincipali::tooltipMediaLevel, 2>},
});

constexpr auto kBalloon = std::to_array<VoceTesto>({
    {"0034", "Livello di difficolt\xE0", elemento<&TestiPrincipali::balloon, 0>},
    {"0170", "Imposta il programma in modalit\xE0 principiante",
     elemento<&TestiPrincipali::balloon, 1>},
    {"0171", "Imposta il programma in modalit\xE0 esperto", elemento<&TestiPrincipali::balloon, 2>},
    {"0172", "Esercitazioni e corsi", elemento<&TestiPrincipali::balloon, 3>},
    {"0173", "Consente di esercitarsi utilizzando le frasi interne",
     elemento<&TestiPrincipali::balloon, 4>},
    {"0174", "Consente di esercitarsi utilizzando un corso di dattilografia",
     elemento<&TestiPrincipali::balloon, 5>},
    {"0176", "Consente di esercitarsi utilizzando degli esercizi personalizzati",
     elemento<&TestiPrincipali::balloon, 6>},
    {"0175", "Consente di esercitarsi utilizzando dei comuni file di testo",
     elemento<&TestiPrincipali::balloon, 7>},
    {"0177", "Consente di accedere alla sezione allenamento e gioco",
     elemento<&TestiPrincipali::balloon, 8>},
});

template <std::size_t N>
void predefiniti(TestiPrincipali& testi, const std::array<VoceTesto, N>& tabella) {
    for (const auto& voce : tabella)
        voce.campo(testi) = voce.italiano;
}

template <std::size_t N>
void dalFile(TestiPrincipali& testi, const std::array<VoceTesto, N>& tabella,
             const FileLingua& lingua) {
    for (const auto& voce : tabella) {
        std::string testo(voce.prima);
        testo += lingua.TestoLingua(voce.id);
        testo += voce.dopo;
        voce.campo(testi) = std::move(testo);
    }
}

template <std::size_t N>
void aggiungiId(std::vector<std::string_view>& ids, const std::array<VoceTesto, N>& tabella) {
    for (const auto& voce : tabella) {
        if (!voce.id.empty())
            ids.push_back(voce.id);
    }
}

} // namespace

void TestiPredefiniti(TestiPrincipali& testi) {
    predefiniti(testi, kMessaggi);
    predefiniti(testi, kControlli);
}

void ApplicaLingua(TestiPrincipali& testi, const FileLingua& lingua) {
    dalFile(testi, kControlli, lingua);
    dalFile(testi, kMessaggi, lingua);
}

void CreaBalloon(TestiPrincipali& testi, bool usaFile, const FileLingua& lingua) {
    if (usaFile)
        dalFile(testi, kBalloon, lingua);
    else
        predefiniti(testi, kBalloon);
}

std::vector<std::string_view> idTestiPrincipali() {
    std::vector<std::string_view> ids;
    aggiungiId(ids, kMessaggi);
    aggiungiId(ids, kControlli);
    aggiungiId(ids, kBalloon);
    return ids;
}

} // namespace scrivolta
