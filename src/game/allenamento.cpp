// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dominio.h"
#include "game/gioco.h"

namespace scrivolta {

// A custom set that is too short once cleaned would start a training with
// nothing to type: it is refused like one that is short from the start.
bool Gioco::preparaSerie() {
    const int d = stato_.difficolta;
    if (eGioco(d))
        return true;
    if (d != opzioneGioco::Personalizzato) {
        serieLettere_ = kSerieFisse[static_cast<std::size_t>(d - opzioneGioco::PrimaSerie)];
        return true;
    }
    if (stato_.txtCustom.size() >= kMinimoSerie)
        stato_.txtCustom = pulisciSerie(stato_.txtCustom);
    if (stato_.txtCustom.size() < kMinimoSerie) {
        aggiorna();
        servizi_.messages.mostra(testi_.messaggi[testoGioco::SerieCorta], kNomeProgramma,
                                 Icona::Informazione, Pulsanti::Ok);
        vista_.focusPersonalizzato();
        return false;
    }
    serieLettere_ = stato_.txtCustom;
    return true;
}

void Gioco::distribuisciSerie() {
    for (Colonna& c : stato_.colonne) {
        c.top = Casuale(servizi_.random, 0, 30);
        c.lettera = 0;
        c.passo = 1;
    }
    for (const char lettera : serieLettere_) {
        Colonna& c = stato_.colonne[static_cast<std::size_t>(colonnaVuotaCasuale())];
        c.lettera = lettera;
        c.visibile = true;
    }
}

int Gioco::colonnaVuotaCasuale() {
    int c = 0;
    do {
        c = Casuale(servizi_.random, 0, kColonne - 1);
    } while (stato_.colonne[static_cast<std::size_t>(c)].lettera != 0);
    return c;
}

// The target is the character nearest the bottom among those already in
// the field; at equal heights the one further right.
void Gioco::marcaBersaglio() {
    int bersaglio = -1;
    for (int i = 0; i < kColonne; ++i) {
        Colonna& c = stato_.colonne[static_cast<std::size_t>(i)];
        if (!c.visibile)
            continue;
        c.colore = coloreGioco::Bianco;
        if (c.top >= 0 &&
            (bersaglio < 0 || c.top >= stato_.colonne[static_cast<std::size_t>(bersaglio)].top))
            bersaglio = i;
    }
    bersaglio_ = bersaglio < 0 ? 0 : bersaglio;
    stato_.colonne[static_cast<std::size_t>(bersaglio_)].colore = coloreGioco::Rosso;
}

void Gioco::tickAllenamento() {
    scendi(&Gioco::cadutaAllenamento);
    disegnaDisco();
    if (servizi_.clock.now() > oraFine_)
        fineAllenamento();
    aggiorna();
}

// A character missed in training counts as an error and falls again from
// the top.
void Gioco::cadutaAllenamento(Colonna& c) {
    voce_.persa(c.lettera);
    c.top = -5;
    ++errate_;
    stato_.lblDigKO = std::to_string(errate_);
    aggiornaPrecisione();
    marcaBersaglio();
}

void Gioco::giudicaAllenamento(int codice) {
    Colonna& b = stato_.colonne[static_cast<std::size_t>(bersaglio_)];
    const bool colpito = b.visibile && b.lettera != 0 && b.colore == coloreGioco::Rosso &&
                         static_cast<unsigned char>(b.lettera) == codice;
    if (!colpito) {
        ++errate_;
        stato_.lblDigKO = std::to_string(errate_);
        aggiornaPrecisione();
        avviaPausa();
        return;
    }
    suona(suonoGioco::Giusto);
    ++esatte_;
    stato_.lblDigOK = std::to_string(esatte_);
    punteggio_ += PuntiAltezza(b.top - 5, stato_.campo.altezza);
    aggiornaPrecisione();
    nuovaLetteraDellaSerie();
    b.lettera = 0;
    b.visibile = false;
    b.top = 0;
    marcaBersaglio();
    aggiorna();
}

void Gioco::nuovaLetteraDellaSerie() {
    Colonna& c = stato_.colonne[static_cast<std::size_t>(colonnaVuotaCasuale())];
    const int n = static_cast<int>(serieLettere_.size());
    c.lettera = serieLettere_[static_cast<std::size_t>(Casuale(servizi_.random, 1, n) - 1)];
    c.visibile = true;
}

void Gioco::aggiornaPrecisione() {
    const int tentativi = esatte_ + errate_;
    stato_.lblTotDigit = std::to_string(tentativi);
    if (tentativi > 0)
        stato_.lblScoreTraining = std::to_string(punteggio_ / tentativi) + " %";
}

void Gioco::disegnaDisco() {
    const auto restano =
        static_cast<int>(wholeSeconds(oraFine_) - wholeSeconds(servizi_.clock.now()));
    if (stato_.disco.empty() || stato_.disco.back() != restano)
        stato_.disco.push_back(restano);
}

void Gioco::fineAllenamento() {
    tastiAttivi_ = false;
    vista_.timerLetters(false, 0);
    vista_.timerScore(false);
    mostraMessaggio(testi_.messaggi[testoGioco::FineAllenamento]);
    stato_.fase = FaseGioco::Finito;
    chiudiCorsa();
}

} // namespace scrivolta
