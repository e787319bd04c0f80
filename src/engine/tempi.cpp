// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dominio.h"
#include "engine/esercizio.h"
#include "engine/punteggio.h"
#include "keyboard/tasti.h"

#include <cmath>
#include <filesystem>

namespace scrivolta {

namespace {

constexpr float kVelocitaSenzaTempo = 5.0F;

int CasualeTra(RandomSource& random, int minimo, int massimo) {
    return static_cast<int>(std::floor(random.next() * (massimo - minimo + 1) + minimo));
}

} // namespace

long long Esercizio::secondiTrascorsi() const {
    return wholeSeconds(servizi_.clock.now()) - wholeSeconds(oraInizio_);
}

void Esercizio::AvviaCronometro(bool attivo) {
    cronometro_ = attivo;
    stato_.oraOpaca = attivo;
    vista_.timerOrologio(attivo);
}

// Five ticks a second, while the clock shows seconds: the window hears of
// a tick only when the clock's text or the bar moved, so that a running
// phrase costs no work between its keys that the learner cannot see.
void Esercizio::Timer1_Timer() {
    const long long secondi = secondiTrascorsi();
    const std::string ora = orologio(secondi);
    const int progresso = stato_.progresso;
    const int barra = stato_.barraVelocita;
    const bool cambiata = ora != stato_.ora;
    stato_.ora = ora;
    if (mod_.TextFileMode) {
        stato_.progresso = static_cast<int>(std::floor(mod_.TotalCorrect * scalaAvanzamento_));
    } else {
        ImpostaBarraVelocita(larghezzaBarraVelocita(static_cast<int>(secondi), posizione_ - 1,
                                                    larghezzaBarra_, mod_.SpeedFactor));
    }
    if (cambiata || progresso != stato_.progresso || barra != stato_.barraVelocita)
        vista_.statoCambiato();
}

void Esercizio::ImpostaBarraVelocita(int larghezza) {
    stato_.barraVelocita = larghezza;
}

void Esercizio::ImpostaBarraRecord(int larghezza, int livello) {
    stato_.barraRecord = larghezza;
    if (livello >= 1 && livello <= kLivelli)
        stato_.livelloRecord = livello;
}

void Esercizio::FineFrase() {
    AvviaCronometro(false);
    const long long secondi = secondiTrascorsi();
    if (mod_.TextFileMode) {
        mod_.TextElapsed = std::chrono::seconds(secondi);
        avvisaFineTesto(secondi);
        AttendiSecondi(servizi_.clock, servizi_.waiter, 1, true);
        vista_.MostraFinestra(Finestra::RapportoTestoFile);
        return;
    }
    // A phrase typed within a second has no measurable time.
    const float velocita =
        secondi > 0 ? static_cast<float>(testoCorrente_.size()) / static_cast<float>(secondi)
                    : kVelocitaSenzaTempo;
    bool record = false;
    if (stato_.barraRecord > stato_.barraVelocita) {
        ImpostaBarraRecord(stato_.barraVelocita, 0);
        record = !inizioLivello_;
    }
    suona(record ? suono::Record : suono::FineFrase);
    if (numeroFrase_ >= 1 && numeroFrase_ <= kFrasiPerCiclo)
        mod_.PhraseSpeed[static_cast<std::size_t>(numeroFrase_)] = velocita;
    const int punteggio = punteggioFrase(velocita, mod_.SpeedFactor);
    mediaDelLivello(punteggio);
    avvisaFineFrase(secondi, velocita, punteggio);

    const auto& lodi = record ? testi_.lodiOttime : testi_.lodiBuone;
    const std::string& lode = lodi[static_cast<std::size_t>(CasualeTra(servizi_.random, 1, 7) - 1)];
    stato_.messaggio = messaggioFineFrase(testi_, punteggio, velocita, record, lode);
    stato_.fasciaPunteggio = FasciaPunteggio(punteggio, mod_.ExpertMode);
    stato_.messaggioVisibile = true;
    if (voce_)
        voce_->fineFrase(stato_.messaggio, punteggio, errateFrase_);
    vista_.ridisegnaOra();
    servizi_.waiter.processEvents();
    inizioLivello_ = false;
}

void Esercizio::mediaDelLivello(int punteggio) {
    const int livello = mod_.CurrentLevel;
    if (livello < 1 || livello > kLivelli)
        return;
    std::string& media = stato_.medie[static_cast<std::size_t>(livello - 1)];
    const int ultimaDelLivello = kFrasiPerLivello * livello;
    if (numeroFrase_ == ultimaDelLivello) {
        media = std::to_string(calcolaMediaLevel(
            mod_.PhraseSpeed, ultimaDelLivello - kFrasiPerLivello + 1, mod_.SpeedFactor));
        sommaPunteggiLivello_ = 0;
        return;
    }
    sommaPunteggiLivello_ += punteggio;
    const int k = numeroFrase_ - (ultimaDelLivello - kFrasiPerLivello);
    if (k > 0)
        media = std::to_string(sommaPunteggiLivello_ / k);
}

void Esercizio::avvisaFineFrase(long long secondi, float velocita, int punteggio) {
    if (!osservatore_)
        return;
    const auto ora = servizi_.clock.now();
    const int livello = mod_.CurrentLevel;
    osservatore_->fraseFinita({ora, mod_.UserName, mod_.ExerciseFile, livello, mod_.ModeIndex,
                               static_cast<int>(testoCorrente_.size()), errateFrase_, secondi,
                               velocita, punteggio});
    const int ultimaDelLivello = kFrasiPerLivello * livello;
    if (livello < 1 || livello > kLivelli || numeroFrase_ != ultimaDelLivello)
        return;
    osservatore_->livelloFinito(
        {ora, mod_.UserName, mod_.ExerciseFile, livello, mod_.ModeIndex,
         calcolaMediaLevel(mod_.PhraseSpeed, ultimaDelLivello - kFrasiPerLivello + 1,
                           mod_.SpeedFactor)});
    if (livello == kLivelli)
        osservatore_->cicloFinito({ora, mod_.UserName, mod_.ExerciseFile, mod_.ModeIndex,
                                   mod_.TotalCorrect, mod_.TotalErrors});
}

void Esercizio::avvisaFineTesto(long long secondi) {
    if (osservatore_)
        osservatore_->testoFinito({servizi_.clock.now(), mod_.UserName, mod_.ExerciseFile,
                                   mod_.ModeIndex, mod_.TotalCorrect, mod_.TotalErrors, secondi,
                                   mod_.WordCount});
}

void Esercizio::FlashBotton() {
    fermaLampeggio_ = false;
    tastiera_.impostaEvidenziaInvio(true, rgb(0, 0, 0));
    tastiera_.DisegnaTasto(indiceTasto::InvioBasso, true);
    tastiera_.DisegnaTasto(indiceTasto::InvioAlto, true);
    vista_.timerLampeggio(true);
}

void Esercizio::fermaLampeggio() {
    fermaLampeggio_ = true;
}

// Starting a phrase, choosing a category or the game stops the blinking
// without waiting for the next tick: the invitation to press Enter must not
// blink on into the phrase, nor its timer wake the program there.
void Esercizio::fermaLampeggioOra() {
    fermaLampeggio_ = true;
    Timer2_Timer();
}

void Esercizio::Timer2_Timer() {
    if (fermaLampeggio_) {
        vista_.timerLampeggio(false);
        tastiera_.impostaEvidenziaInvio(false, rgb(0, 0, 0));
        stato_.premi = false;
    } else {
        stato_.premi = !stato_.premi;
    }
    vista_.statoCambiato();
}

void Esercizio::Pausa() {
    if (!cronometro_)
        return;
    const auto inizioPausa = servizi_.clock.now();
    AvviaCronometro(false);
    const auto& m = testi_.messaggi;
    std::string testo = m[Messaggio::PremiOkPerProseguire];
    if (mod_.TextFileMode) {
        std::error_code errore;
        const auto dimensione = std::filesystem::file_size(mod_.ExerciseFile, errore);
        const long long rimanenti =
            errore ? 0 : static_cast<long long>(dimensione) - mod_.TotalCorrect;
        testo = m[Messaggio::TempoStimato] + " " + minutiRimanenti(rimanenti) + " " +
                m[Messaggio::Minuti] + "\r\n" + m[Messaggio::PremiOkPerProseguire];
    }
    servizi_.messages.mostra(testo, kNomeProgramma, Icona::Informazione, Pulsanti::Ok);
    // The pause does not count in the phrase's time.
    oraInizio_ += servizi_.clock.now() - inizioPausa;
    AvviaCronometro(true);
}

} // namespace scrivolta
