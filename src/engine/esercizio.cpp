// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/esercizio.h"

#include "app/dominio.h"
#include "app/testo.h"
#include "engine/giudizio.h"

#include <algorithm>

namespace scrivolta {

namespace {

constexpr Colore kColoreLampo = rgb(128, 255, 255);
constexpr int kPausaLampoMs = 5;
constexpr std::size_t kMassimoInputTestoFile = 28;
constexpr std::size_t kFinestraTestoFile = 100;
constexpr char kApostrofoTipografico = '\x92';
constexpr char kVirgoletteAperte = '\x93';
constexpr char kVirgoletteChiuse = '\x94';

int codiceDi(const std::string& carattere) {
    return carattere.empty() ? 0 : static_cast<unsigned char>(carattere.front());
}

} // namespace

Esercizio::Esercizio(ModTastiro& mod, Tastiera& tastiera, const TestiPrincipali& testi,
                     Servizi& servizi, VistaEsercizio& vista, SceltaTesto& scelta)
    : mod_(mod), tastiera_(tastiera), testi_(testi), servizi_(servizi), vista_(vista),
      scelta_(scelta) {}

void Esercizio::suona(int id) {
    if (mod_.SoundOn)
        servizi_.sound.suona(id);
}

bool Esercizio::Form_KeyPress(int codice) {
    if (occupato_)
        return true;
    if (codice == codiceTasto::Invio && avvioAbilitato_) {
        abilitaAvvio(false);
        cmdStart_Click();
    }
    return false;
}

void Esercizio::txtInput_KeyPress(int codice) {
    if (testoFinito_ || carattereAtteso_.empty() || codice == codiceTasto::Esc)
        return;
    const bool accettato = mod_.TextFileMode ? giudicaTestoFile(codice) : giudicaFrase(codice);
    if (accettato)
        accettaTasto(codice);
    vista_.statoCambiato();
}

bool Esercizio::giudicaTestoFile(int codice) {
    // The text cannot be corrected and has no line breaks.
    if (codice == codiceTasto::Invio || codice == codiceTasto::Backspace)
        return false;
    const auto atteso = static_cast<unsigned char>(codiceDi(carattereAtteso_));
    if (codice == atteso) {
        suona(suono::Giusto);
        if (osservatore_)
            osservatore_->tastoGiusto(atteso);
    } else {
        if (osservatore_)
            osservatore_->tastoSbagliato(atteso, codice);
        if (voce_)
            voce_->tastoSbagliato(codice, atteso);
        ++mod_.TotalErrors;
        stato_.contatori[1] = std::to_string(mod_.TotalErrors);
        suona(suono::Errore);
    }
    return true;
}

bool Esercizio::giudicaFrase(int codice) {
    const auto atteso = static_cast<unsigned char>(codiceDi(carattereAtteso_));
    if (codice == atteso) {
        suona(suono::Giusto);
        if (osservatore_)
            osservatore_->tastoGiusto(atteso);
        return true;
    }
    // The Enter that started the phrase arrives here too: before the first
    // right key it is neither signalled nor counted.
    if (codice != codiceTasto::Invio || cronometro_) {
        suona(suono::Errore);
        SegnalaErrore(codice);
        if (voce_)
            voce_->tastoSbagliato(codice, atteso);
    }
    if (!testoFinito_ && cronometro_) {
        contaErrore();
        if (osservatore_)
            osservatore_->tastoSbagliato(atteso, codice);
    }
    spegniMaiuscole();
    return false;
}

void Esercizio::contaErrore() {
    ++errateFrase_;
    ++mod_.TotalErrors;
    stato_.contatori[1] = contatore(errateFrase_, mod_.TotalErrors);
    AggiornaGiudizio();
}

void Esercizio::spegniMaiuscole() {
    if (servizi_.keyboard.capsLockOn())
        servizi_.keyboard.toggleCapsLock();
}

void Esercizio::accettaTasto(int codice) {
    if (mod_.TextFileMode) {
        registraPerRapporto(codice);
        scorriTestoFile();
    } else if (codice == codiceTasto::Invio) {
        // The second line of the phrase starts at the display's left edge.
        stato_.marcatore.top = vista_.altezzaTesto("M");
        stato_.marcatore.left = 0;
        stato_.marcatore.width = 0;
    }
    ++esatteFrase_;
    ++mod_.TotalCorrect;
    mostraContatori();
    AvanzaCarattere();
    AggiornaGiudizio();
    if (voce_ && !testoFinito_)
        voce_->tastoGiusto(static_cast<unsigned char>(codiceDi(carattereAtteso_)));
    if (testoFinito_)
        fineTesto();
    else
        inserisci(codice);
}

// The input line keeps only the last characters; the report counts the
// characters of all the learner typed.
void Esercizio::registraPerRapporto(int codice) {
    if (codice >= 0 && codice <= 255)
        mod_.ReportText += static_cast<char>(codice);
}

// Keeps the input line short and scrolls the display with it, so that the
// character to type stays in view.
void Esercizio::scorriTestoFile() {
    if (stato_.input.size() <= kMassimoInputTestoFile)
        return;
    stato_.input.erase(0, stato_.input.size() - kMassimoInputTestoFile);
    // The display starts where the input line does.
    inizioVisibile_ =
        std::min(static_cast<std::size_t>(std::max(esatteFrase_ - 28, 0)), testoCorrente_.size());
    stato_.frase = testoCorrente_.substr(inizioVisibile_, kFinestraTestoFile);
}

void Esercizio::inserisci(int codice) {
    // Control characters, Enter among them, show nothing in a one-line box.
    if (stato_.inputBloccato || codice < 32 || codice == 127)
        return;
    stato_.input += codice == codiceTasto::SenzaCodice ? '?' : static_cast<char>(codice);
}

void Esercizio::mostraContatori() {
    stato_.contatori[0] = mod_.TextFileMode ? std::to_string(mod_.TotalCorrect)
                                            : contatore(esatteFrase_, mod_.TotalCorrect);
}

std::string Esercizio::contatore(int frase, int totale) const {
    return std::to_string(frase) + separatore_ + std::to_string(totale);
}

void Esercizio::AvanzaCarattere(bool azzera) {
    if (azzera)
        posizione_ = 0;
    if (posizione_ == 1) {
        AvviaCronometro(true);
        oraInizio_ = servizi_.clock.now();
        stato_.indicatoriVelocita = !mod_.TextFileMode;
        stato_.menuInformazioni = false;
    }
    if (static_cast<int>(testoCorrente_.size()) == posizione_) {
        testoFinito_ = true;
        if (tastiera_.evidenzia)
            tastiera_.NascondiEvidenziazione();
        return;
    }
    ++posizione_;
    carattereAtteso_ = testoCorrente_.substr(static_cast<std::size_t>(posizione_ - 1), 1);
    if (mod_.TextFileMode) {
        // Typographic apostrophe and quotes have no key: the plain ones stand in.
        char& c = carattereAtteso_.front();
        if (c == kApostrofoTipografico)
            c = '\'';
        else if (c == kVirgoletteAperte || c == kVirgoletteChiuse)
            c = '"';
        if (c == ' ')
            ++mod_.WordCount;
    }
    rimarcaCarattereAtteso();
    aggiornaMarcatore();
    // A single Enter stands for the CR LF pair of a two-line phrase.
    if (codiceDi(carattereAtteso_) == codiceTasto::Invio)
        ++posizione_;
}

void Esercizio::rimarcaCarattereAtteso() {
    const bool haTasto =
        tastiera_.MostraTastoSuccessivo(static_cast<unsigned char>(codiceDi(carattereAtteso_)));
    if (!haTasto && !mod_.TextFileMode)
        stato_.voceSalto = true;
}

void Esercizio::aggiornaMarcatore() {
    if (mod_.TextFileMode) {
        // The shown text starts where the input line does: the marker covers
        // the part of it already typed, so it travels with the learner
        // until the text starts scrolling beneath it.
        const auto digitati = static_cast<std::size_t>(posizione_ - 1) - inizioVisibile_;
        stato_.marcatore.width = vista_.larghezzaTesto(
            std::string_view(stato_.frase).substr(0, std::min(digitati, stato_.frase.size())));
    } else if (posizione_ > 1) {
        const char precedente = testoCorrente_[static_cast<std::size_t>(posizione_ - 2)];
        // Line breaks take no room on the display.
        if (precedente != '\r' && precedente != '\n')
            stato_.marcatore.width += vista_.larghezzaTesto(std::string(1, precedente));
    }
}

void Esercizio::fineTesto() {
    occupato_ = true;
    stato_.marcatore.width = 0;
    stato_.input += carattereAtteso_;
    abilitaAvvio(true);
    tastiera_.RipristinaTastiera();
    stato_.progressoVisibile = false;
    FineFrase();
    vista_.ridisegnaOra();
    servizi_.waiter.processEvents();
    AttendiSecondi(servizi_.clock, servizi_.waiter, 1, true);
    if (!mod_.TextFileMode) {
        FlashBotton();
    } else if (testoDaRigaComando_) {
        lblMenu_Click(VoceMenu::Esci);
        FlashBotton();
    } else {
        lblMenu_Click(VoceMenu::Ricomincia);
    }
    occupato_ = false;
}

void Esercizio::AggiornaGiudizio() {
    stato_.giudizio = giudizioErrori(mod_.TotalErrors, mod_.TotalCorrect, mod_.ExpertMode);
}

void Esercizio::SegnalaErrore(int codice) {
    if (!mod_.ExpertMode && tastiera_.evidenzia) {
        const int atteso = codiceDi(carattereAtteso_);
        // A case error is signalled by the sound alone.
        const int maiuscolaDigitata = testo::maiuscola(codice);
        if (maiuscolaDigitata == atteso || maiuscolaDigitata == testo::maiuscola(atteso)) {
            tastiera_.NascondiErrore();
            return;
        }
        if (codice > 0 && codice < codiceTasto::SenzaCodice)
            tastiera_.MostraErrore(static_cast<unsigned char>(codice));
    }
    lampeggiaInput();
}

void Esercizio::lampeggiaInput() {
    for (int i = 0; i < 4; ++i) {
        stato_.coloreInput = i % 2 == 0 ? kColoreLampo : kColoreInputNormale;
        vista_.ridisegnaOra();
        servizi_.waiter.attendi(kPausaLampoMs);
    }
}

bool Esercizio::txtInput_KeyDown(int vk) {
    if (vk >= codiceTasto::VkSinistra && vk <= codiceTasto::VkGiu)
        return true;
    if (vk == codiceTasto::VkPausa && cronometro_)
        Pausa();
    return false;
}

void Esercizio::Form_KeyUp(int vk) {
    if (vk == codiceTasto::VkEsc) {
        const std::string domanda = testi_.messaggi[Messaggio::ChiudereProgramma] + "\r\n" +
                                    testi_.messaggi[Messaggio::DatiPersi];
        if (servizi_.messages.mostra(domanda, kNomeProgramma, Icona::Domanda, Pulsanti::SiNo) ==
            Risposta::Si)
            vista_.chiudiProgramma();
    } else if (vk == codiceTasto::VkBloccaMaiuscole && servizi_.keyboard.capsLockOn()) {
        stato_.avvisoMaiuscole = true;
        vista_.ridisegnaOra();
        servizi_.messages.mostra(avvisoMaiuscole(), testi_.titoloAvviso, Icona::Avviso,
                                 Pulsanti::Ok);
        servizi_.keyboard.toggleCapsLock();
        stato_.avvisoMaiuscole = false;
        vista_.statoCambiato();
    } else if (vk == codiceTasto::VkF1) {
        vista_.apriGuida();
    } else if (vk == codiceTasto::VkF4 && voce_) {
        if (stato_.modo == ModoDisplay::Saluto)
            voce_->saluto(stato_.frase);
        else
            voce_->rileggi(stato_.frase, static_cast<unsigned char>(codiceDi(carattereAtteso_)));
    }
}

// Where the program cannot switch Caps Lock off, the warning does not say
// it was done: it asks the learner to.
std::string Esercizio::avvisoMaiuscole() const {
    const std::string& vietato = testi_.messaggi[Messaggio::BloccaMaiuscoleVietato];
    if (servizi_.keyboard.capsLockSwitchable())
        return vietato;
    return vietato + "\r\n" + testi_.messaggi[Messaggio::BloccaMaiuscoleDaSpegnere];
}

void Esercizio::txtInput_MouseDown(bool pulsanteDestro) {
    if (pulsanteDestro)
        servizi_.messages.mostra(testi_.messaggi[Messaggio::PulsanteDestroVietato],
                                 testi_.titoloAvviso, Icona::Avviso, Pulsanti::Ok);
}

} // namespace scrivolta
