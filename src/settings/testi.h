// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scrivolta {

// The messages of the main window's table, by what they say. The values are
// the table's indices, which language files and other windows rely on.
enum class Messaggio : std::size_t {
    FrasiInterne = 0,             // "- Frasi interne "
    PrimoLivello = 1,             // "-  Primo livello: frase"
    SecondoLivello = 2,           // "-  Secondo livello: frase "
    TerzoLivello = 3,             // "-  Terzo livello: frase "
    PulsanteNonDisponibile = 4,   // "Con questo esercizio questo pulsante non è disponibile."
    RicominciareDaCapo = 5,       // "Vuoi iniziare da capo le esercitazioni?"
    HaiTotalizzato = 6,           // "Hai totalizzato "
    PuntiEAllaMediaDi = 7,        // "punti e, digitando alla media di"
    Battute = 8,                  // "battute"
    RecordSuperato = 9,           // "hai anche superato il tuo record precedente."
    PremiInvioPerContinuare = 10, // "Premi il tasto Entrée per continuare."
    Ciao = 11,                    // "Ciao"
    ScegliLivelloEPremiInvio = 12,
    ScegliFileDallaLista = 13,
    TastieraNonImpostata = 14, // "La tastiera in uso non è impostata per la lingua"
    PotrebbeNonFunzionare = 15,
    Francese = 16,             // "francese"
    SalvareNomeEsercizio = 17, // the bookmark question, lines 17-22
    SeRispondiSi = 18,
    SaraSelezionatoIlSuccessivo = 19,
    SeScegliNo = 20,
    DeciderTuDaDove = 21,
    SeScegliAnnulla = 22,
    StampareTastieraDi = 23, // "Vuoi stampare la tastiera di "
    StampataComeLaVedi = 24,
    ChiudereProgramma = 25, // "Vuoi chiudere il programma?"
    DatiPersi = 26,
    BloccaMaiuscoleVietato = 27, // "Il tasto Blocca Maiuscole non deve essere premuto."
    PulsanteDestroVietato = 28,  // "Il pulsante destro del mouse non deve essere premuto!"
    Principiante = 29,
    Esperto = 30,
    TastieraFrancese = 31,
    ControllaLinguaNellaGuida = 32,
    PuntiAllaMediaDi = 33,     // "punti, digitando alla media di"
    Vuoto = 34,                // always ""
    CiaoDiNuovo = 35,          // "Ciao", a second copy
    Minuti = 36,               // "minuti"
    ErroreApertura = 37,       // "Errore nell'apertura del file:"
    PremiOkPerProseguire = 38, // "Premi OK per proseguire."
    TempoStimato = 39,         // "Tempo stimato per terminare l'esercizio:"
    TestoTroppoLungo = 40,     // "File di testo troppo lungo, ..."
    FileScrivolta = 41,        // "File Scrivolta"
    FileDiTesto = 42,          // "File di testo"
    // After `BloccaMaiuscoleVietato` where the program cannot switch Caps
    // Lock off itself.
    BloccaMaiuscoleDaSpegnere = 43,
    // A build without the game window.
    GiocoNonDisponibile = 44,
};

inline constexpr std::size_t kNumeroMessaggi = 45;

// "-  Primo livello: frase" and the next two, for levels 1-3.
constexpr Messaggio messaggioLivello(int livello) {
    return static_cast<Messaggio>(static_cast<std::size_t>(Messaggio::FrasiInterne) +
                                  static_cast<std::size_t>(livello));
}

// `messaggi`, indexed by name only.
class TabellaMessaggi {
public:
    std::string& operator[](Messaggio m) { return testi_[static_cast<std::size_t>(m)]; }
    const std::string& operator[](Messaggio m) const { return testi_[static_cast<std::size_t>(m)]; }

private:
    std::array<std::string, kNumeroMessaggi> testi_;
};

// The main window's texts: the built-in Italian ones, or those of a language
// file by their four-digit ids. All Windows-1252.
struct TestiPrincipali {
    // `messaggi`: message boxes and labels.
    TabellaMessaggi messaggi;
    std::array<std::string, 7> lodiOttime;
    std::array<std::string, 7> lodiBuone;
    std::string MsgPerMinute;
    std::string titoloAvviso;
    // Shown when the help file is missing.
    std::string guidaMancante;

    // Captions and tooltips of the main window's controls.
    std::string tooltipMapDita;
    std::string tooltipMappaTastiEsterna;
    std::array<std::string, 2> optLevel;
    std::array<std::string, 5> optMenu;
    std::array<std::string, 8> tooltipMenu;
    std::array<std::string, 2> tooltipNumBatt;
    std::string tooltipSmile;
    std::string tooltipTastoMenu;
    std::string tooltipNumFrase;
    std::array<std::string, 3> tooltipMediaLevel;

    // Balloon tooltips of the mode and category buttons, slots 0-8.
    std::array<std::string, 9> balloon;

    // `ModeName` for a mode.
    const std::string& nomeModalita(bool esperto) const {
        return messaggi[esperto ? Messaggio::Esperto : Messaggio::Principiante];
    }
};

class FileLingua;

// `TestiPredefiniti`: the built-in Italian texts of the table (messages,
// praise, single texts, captions and tooltips; not the balloons).
void TestiPredefiniti(TestiPrincipali& testi);

// `ApplicaLingua`: every text of the table from the language file. Nothing
// falls back to Italian: an id the file lacks gives "", as does message 34.
void ApplicaLingua(TestiPrincipali& testi, const FileLingua& lingua);

// `CreaBalloon`: the nine balloon texts, from the file when `usaFile`, else
// the built-in ones. Attaching them to the buttons is the window's part.
void CreaBalloon(TestiPrincipali& testi, bool usaFile, const FileLingua& lingua);

// Every id the main window's table reads from a language file.
std::vector<std::string_view> idTestiPrincipali();

} // namespace scrivolta
