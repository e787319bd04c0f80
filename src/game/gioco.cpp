// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gioco.h"

#include "app/codicitasto.h"
#include "app/dominio.h"

#include <algorithm>

namespace scrivolta {

namespace {

constexpr int kAttesaMessaggioMs = 2000;
constexpr int kPassoScorrimentoMs = 40;
constexpr std::array<int, 3> kQuotaPartenza{-50, -160, -220};

} // namespace

Gioco::Gioco(const ModTastiro& mod, Servizi& servizi, TestiGioco testi,
             ImpostazioniGioco impostazioni, VistaGioco& vista)
    : mod_(mod), servizi_(servizi), testi_(std::move(testi)),
      impostazioni_(std::move(impostazioni)), vista_(vista),
      voce_(impostazioni_.annunciatore, testi_.voce) {
    stato_.campo = campoGioco(mod_.ResizeOn);
    stato_.topMessaggio = stato_.campo.altezza - kDalFondo;
    stato_.recordVisibili = !mod_.UserName.empty();
    leggiRecord();
    disponiColonne(impostazioni_.larghezzaLettera);
    optDifficulty_Click(opzioneGioco::Facile);
}

void Gioco::leggiRecord() {
    record_ = LeggiRecord(impostazioni_.fileRecord, mod_.UserName);
}

void Gioco::disponiColonne(int larghezzaLettera) {
    const int spazio = (stato_.campo.larghezza - kColonne * larghezzaLettera) / (kColonne + 1);
    for (int i = 0; i < kColonne; ++i)
        stato_.colonne[static_cast<std::size_t>(i)].left = spazio + i * (larghezzaLettera + spazio);
}

bool Gioco::inCorsa() const {
    return stato_.fase != FaseGioco::Scelta && stato_.fase != FaseGioco::Finito;
}

void Gioco::optDifficulty_Click(int indice) {
    if (!stato_.pannelloScelta || indice < 0 || indice >= opzioneGioco::Numero)
        return;
    stato_.difficolta = indice;
    stato_.cursoriAttivi = !eGioco(indice);
    stato_.personalizzatoAttivo = indice == opzioneGioco::Personalizzato;
    if (stato_.personalizzatoAttivo)
        vista_.focusPersonalizzato();
    suona(suonoGioco::Opzione);
    aggiorna();
}

void Gioco::hsSpeed_Change(int valore) {
    stato_.hsSpeed = std::clamp(valore, 1, 4);
    aggiorna();
}

void Gioco::hsTime_Change(int valore) {
    stato_.hsTime = std::clamp(valore, 1, 4);
    stato_.lblTime = testoDurata(stato_.hsTime);
    aggiorna();
}

void Gioco::txtCustom_Change(std::string testo) {
    stato_.txtCustom = std::move(testo);
}

void Gioco::cmdStart_Click() {
    if (!stato_.pannelloScelta || !preparaSerie())
        return;
    suona(suonoGioco::Avvio);
    stato_.pannelloScelta = false;
    livello_ = 1;
    punteggio_ = 0;
    esatte_ = errate_ = 0;
    tastiAttivi_ = false;
    daRiferire_ = false;
    oraInizio_ = servizi_.clock.now();
    stato_.lblTotal = stato_.lblDigOK = stato_.lblDigKO = stato_.lblScoreTraining = "0";
    stato_.lblTotDigit = "0";
    stato_.coloreTotale = coloreGioco::Blu;
    if (eGioco(stato_.difficolta)) {
        recordDaBattere_ = record_[static_cast<std::size_t>(stato_.difficolta)];
        stato_.lblWinner = formatoPunti(recordDaBattere_, impostazioni_.separatoreMigliaia);
    } else {
        stato_.lblWinner = "ND";
    }
    AvviaCorsa();
}

void Gioco::AvviaCorsa() {
    stato_.cmdNuovo = stato_.cmdExit = false;
    if (eGioco(stato_.difficolta))
        quotaPartenza_ = kQuotaPartenza[static_cast<std::size_t>(stato_.difficolta)];
    azzeraColonne();
    voce_.nuovaCorsa();
    if (eGioco(stato_.difficolta)) {
        mostraMessaggio(testi_.messaggi[testoGioco::Gioco] + " " + std::to_string(livello_) + "/" +
                        std::to_string(kLivelliGioco));
        stato_.pannelloAllenamento = false;
        stato_.pannelloGioco = true;
    } else {
        mostraMessaggio(testi_.messaggi[testoGioco::InizioAllenamento]);
        stato_.disco.clear();
        stato_.pannelloGioco = false;
    }
    stato_.fase = FaseGioco::Messaggio;
    attesa_ = Attesa::PrimaDelloScorrimento;
    vista_.attesa(kAttesaMessaggioMs);
    aggiorna();
}

void Gioco::azzeraColonne() {
    for (Colonna& c : stato_.colonne) {
        c.visibile = false;
        c.sorriso.visibile = c.tristezza.visibile = c.punti.visibile = false;
        c.colore = coloreGioco::Bianco;
        c.top = Casuale(servizi_.random, quotaPartenza_, 0);
        c.passo = 0;
    }
}

void Gioco::mostraMessaggio(const std::string& testo) {
    stato_.messaggio = testo;
    stato_.messaggioVisibile = true;
    stato_.topMessaggio = stato_.campo.altezza - kDalFondo;
}

void Gioco::scorriMessaggio() {
    ++stato_.topMessaggio;
    if (stato_.topMessaggio < stato_.campo.altezza) {
        attesa_ = Attesa::Scorrimento;
        vista_.attesa(kPassoScorrimentoMs);
        aggiorna();
        return;
    }
    stato_.messaggioVisibile = false;
    stato_.topMessaggio = stato_.campo.altezza - kDalFondo;
    suona(suonoGioco::FineMessaggio);
    dopoMessaggio();
}

void Gioco::dopoMessaggio() {
    int intervallo = kTickGiocoMs;
    if (eGioco(stato_.difficolta)) {
        distribuisciLettere();
    } else {
        stato_.pannelloAllenamento = true;
        distribuisciSerie();
        const auto durata = durataAllenamento(stato_.hsTime);
        oraFine_ = servizi_.clock.now() + durata;
        stato_.gradiAlSecondo = 360.0 / static_cast<double>(durata.count());
        intervallo = intervalloAllenamento(stato_.hsSpeed);
        marcaBersaglio();
        daRiferire_ = true;
    }
    vista_.timerLetters(true, intervallo);
    tastiAttivi_ = true;
    stato_.cmdNuovo = stato_.cmdExit = true;
    stato_.fase = FaseGioco::InCorso;
    aggiorna();
}

void Gioco::cmdNuovo_Click() {
    if (!stato_.cmdNuovo)
        return;
    fermaTutto();
    chiudiCorsa();
    stato_.pannelloGioco = stato_.pannelloAllenamento = false;
    stato_.pannelloScelta = true;
    stato_.messaggioVisibile = false;
    stato_.imgErrore = false;
    stato_.coloreTrofeo = stato_.coloreWinner = coloreGioco::Nero;
    azzeraColonne();
    stato_.cmdStart = true;
    stato_.cmdNuovo = false;
    stato_.cmdExit = true;
    stato_.fase = FaseGioco::Scelta;
    suona(suonoGioco::Avvio);
    aggiorna();
}

void Gioco::cmdExit_Click() {
    if (!stato_.cmdExit)
        return;
    fermaTutto();
    chiudiCorsa();
    azzeraColonne();
    aggiorna();
    vista_.chiudi();
}

// A wait still pending from the run that is left (a pause, the sliding
// message, the record's flourish) must not bring that run back.
void Gioco::fermaTutto() {
    vista_.timerLetters(false, 0);
    vista_.timerScore(false);
    vista_.attesa(0);
    attesa_ = Attesa::Nessuna;
    tastiAttivi_ = false;
}

void Gioco::chiudiCorsa() {
    if (!daRiferire_)
        return;
    daRiferire_ = false;
    if (impostazioni_.osservatore == nullptr)
        return;
    const auto ora = servizi_.clock.now();
    const bool allenamento = !eGioco(stato_.difficolta);
    const int tentativi = esatte_ + errate_;
    FineCorsa fine{.studente = mod_.UserName,
                   .ora = ora,
                   .allenamento = allenamento,
                   .difficolta = stato_.difficolta,
                   .livello = allenamento ? 0 : std::min(livello_, kLivelliGioco),
                   .punti = punteggio_,
                   .esatte = esatte_,
                   .errate = errate_,
                   .precisione = tentativi > 0 ? static_cast<int>(punteggio_ / tentativi) : 0,
                   .secondi =
                       std::chrono::duration_cast<std::chrono::seconds>(ora - oraInizio_).count()};
    impostazioni_.osservatore->corsaFinita(fine);
}

void Gioco::Form_KeyPress(int codice) {
    if (!tastiAttivi_)
        return;
    if (eGioco(stato_.difficolta))
        giudicaGioco(codice);
    else
        giudicaAllenamento(codice);
}

void Gioco::Form_KeyUp(int vk) {
    if (vk != codiceTasto::VkBloccaMaiuscole || !servizi_.keyboard.capsLockOn())
        return;
    // Where it cannot be switched off the learner is asked to, rather than
    // left to think it was.
    std::string avviso = testi_.messaggi[testoGioco::BloccoMaiuscole];
    if (!servizi_.keyboard.capsLockSwitchable())
        avviso += "\r\n" + testi_.maiuscoleDaSpegnere;
    servizi_.messages.mostra(avviso, kNomeProgramma, Icona::Avviso, Pulsanti::Ok);
    servizi_.keyboard.toggleCapsLock();
}

void Gioco::timerLetters_Timer() {
    if (stato_.fase != FaseGioco::InCorso)
        return;
    if (eGioco(stato_.difficolta))
        tickGioco();
    else
        tickAllenamento();
}

void Gioco::timerScore_Timer() {
    if (stato_.fase == FaseGioco::Conteggio)
        contaPassoSuccessivo();
}

void Gioco::attesaFinita() {
    const Attesa finita = attesa_;
    attesa_ = Attesa::Nessuna;
    switch (finita) {
    case Attesa::PrimaDelloScorrimento:
    case Attesa::Scorrimento:
        scorriMessaggio();
        break;
    case Attesa::Pausa:
        finePausa();
        break;
    case Attesa::Record:
        passoRecord();
        break;
    case Attesa::Nessuna:
        break;
    }
}

void Gioco::avviaPausa() {
    suona(suonoGioco::Errore);
    stato_.imgErrore = true;
    tastiAttivi_ = false;
    vista_.timerLetters(false, 0);
    secondoPausa_ = wholeSeconds(servizi_.clock.now());
    stato_.fase = FaseGioco::Pausa;
    attesa_ = Attesa::Pausa;
    vista_.attesa(static_cast<int>(1000 - millisecondi() % 1000));
    aggiorna();
}

// The pause lasts until the clock's seconds move on: from a fraction of a
// second to a whole one.
void Gioco::finePausa() {
    if (wholeSeconds(servizi_.clock.now()) <= secondoPausa_) {
        attesa_ = Attesa::Pausa;
        vista_.attesa(static_cast<int>(1000 - millisecondi() % 1000));
        return;
    }
    const bool gioco = eGioco(stato_.difficolta);
    vista_.timerLetters(true, gioco ? kTickGiocoMs : intervalloAllenamento(stato_.hsSpeed));
    stato_.imgErrore = false;
    tastiAttivi_ = true;
    stato_.fase = FaseGioco::InCorso;
    if (gioco)
        stato_.coloreTotale = coloreGioco::Blu;
    else
        disegnaDisco();
    aggiorna();
}

long long Gioco::millisecondi() const {
    const auto t = servizi_.clock.now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(t).count();
}

void Gioco::suona(int id) {
    if (mod_.SoundOn)
        servizi_.sound.suona(id);
}

void Gioco::scendi(void (Gioco::*caduta)(Colonna&)) {
    const int limite = stato_.campo.altezza - 5;
    scendendo_ = true;
    for (Colonna& c : stato_.colonne) {
        if (!c.visibile)
            continue;
        c.top += c.passo;
        if (c.top > limite)
            (this->*caduta)(c);
    }
    scendendo_ = false;
}

// Halfway through a fall some characters have moved and some not: the
// target is said once all have.
void Gioco::aggiorna() {
    vista_.statoCambiato();
    if (!scendendo_)
        voce_.parla(bersaglioAttuale());
}

// In training the marked character; in the game the one nearest the
// bottom, the first to be lost.
char Gioco::bersaglioAttuale() const {
    if (!tastiAttivi_ || stato_.fase != FaseGioco::InCorso)
        return 0;
    if (!eGioco(stato_.difficolta)) {
        const Colonna& b = stato_.colonne[static_cast<std::size_t>(bersaglio_)];
        return b.visibile ? b.lettera : 0;
    }
    const Colonna* piuBassa = nullptr;
    for (const Colonna& c : stato_.colonne) {
        if (c.visibile && c.top >= 0 && (piuBassa == nullptr || c.top >= piuBassa->top))
            piuBassa = &c;
    }
    return piuBassa != nullptr ? piuBassa->lettera : 0;
}

} // namespace scrivolta
