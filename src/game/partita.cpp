// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"
#include "game/gioco.h"

#include <algorithm>

namespace scrivolta {

namespace {

enum Classe { Maiuscole = 0, Minuscole = 1, Cifre = 2 };

constexpr int kPassiRecord = 14;
constexpr int kPassoRecordMs = 200;

constexpr int dimensioneClasse(int classe) {
    return classe == Cifre ? 10 : 26;
}

constexpr Colore coloreClasse(int classe) {
    switch (classe) {
    case Maiuscole:
        return coloreGioco::Giallo;
    case Cifre:
        return coloreGioco::Ciano;
    default:
        return coloreGioco::Bianco;
    }
}

} // namespace

void Gioco::distribuisciLettere() {
    const int quante = 6 * (stato_.difficolta + 1);
    for (int k = 0; k < quante; ++k) {
        Colonna* c = nullptr;
        do {
            c = &stato_
                     .colonne[static_cast<std::size_t>(Casuale(servizi_.random, 0, kColonne - 1))];
        } while (c->visibile);
        c->visibile = true;
        c->passo = Casuale(servizi_.random, 2, livello_ + 2);
    }
    int classe = Minuscole;
    if (stato_.difficolta == opzioneGioco::Medio)
        classe = Casuale(servizi_.random, 0, 1);
    else if (stato_.difficolta == opzioneGioco::Difficile)
        classe = Casuale(servizi_.random, 0, 2);
    estraiLettere(classe);
}

// Ten digits cannot fill eighteen columns with different characters: once
// every character of the class is out, the draw starts afresh.
void Gioco::estraiLettere(int classe) {
    std::string estratte;
    for (Colonna& c : stato_.colonne) {
        if (static_cast<int>(estratte.size()) == dimensioneClasse(classe))
            estratte.clear();
        char lettera = 0;
        do {
            lettera = letteraCasuale(classe);
        } while (estratte.find(lettera) != std::string::npos);
        estratte += lettera;
        c.lettera = lettera;
        c.colore = coloreClasse(classe);
    }
}

char Gioco::letteraCasuale(int classe) {
    switch (classe) {
    case Maiuscole:
        return static_cast<char>(Casuale(servizi_.random, 'A', 'Z'));
    case Cifre:
        return static_cast<char>(Casuale(servizi_.random, '0', '9'));
    default:
        return static_cast<char>(Casuale(servizi_.random, 'a', 'z'));
    }
}

void Gioco::tickGioco() {
    scendi(&Gioco::cadutaGioco);
    aggiorna();
}

// A character missed in the game is lost, with a sad face where it fell.
void Gioco::cadutaGioco(Colonna& c) {
    c.tristezza = {true, c.left, stato_.campo.altezza - kDalFondo};
    c.visibile = false;
    voce_.persa(c.lettera);
    giudicaGioco(kCodicePersa);
}

void Gioco::giudicaGioco(int codice) {
    bool colpito = false;
    for (Colonna& c : stato_.colonne) {
        if (!c.visibile || static_cast<unsigned char>(c.lettera) != codice)
            continue;
        suona(suonoGioco::Giusto);
        c.sorriso = {true, c.left, c.top};
        c.visibile = false;
        c.top = 0;
        colpito = true;
    }
    if (!colpito && codice != kCodicePersa) {
        punteggio_ -= kPenalitaTasto;
        mostraTotale(coloreGioco::Rosso);
        avviaPausa();
        return;
    }
    const bool restano = std::any_of(stato_.colonne.begin(), stato_.colonne.end(),
                                     [](const Colonna& c) { return c.visibile; });
    if (!restano) {
        tastiAttivi_ = false;
        vista_.timerLetters(false, 0);
        vista_.timerScore(true);
        stato_.fase = FaseGioco::Conteggio;
    }
    aggiorna();
}

void Gioco::contaPassoSuccessivo() {
    for (Colonna& c : stato_.colonne) {
        if (!c.sorriso.visibile)
            continue;
        c.valorePunti = PuntiAltezza(c.sorriso.top, stato_.campo.altezza);
        c.punti = c.sorriso;
        c.colorePunti = coloreGioco::VerdeChiaro;
        c.sorriso.visibile = false;
        suona(suonoGioco::Giusto);
        aggiorna();
        return;
    }
    for (Colonna& c : stato_.colonne) {
        if (!c.tristezza.visibile)
            continue;
        c.valorePunti = -kPenalitaPersa;
        c.punti = {true, c.tristezza.left, stato_.campo.altezza - kDalFondo};
        c.colorePunti = coloreGioco::Rosso;
        c.tristezza.visibile = false;
        suona(suonoGioco::Opzione);
        aggiorna();
        return;
    }
    chiudiLivello();
}

void Gioco::chiudiLivello() {
    for (Colonna& c : stato_.colonne) {
        if (c.punti.visibile)
            punteggio_ += c.valorePunti;
        c.punti.visibile = false;
    }
    mostraTotale(stato_.coloreTotale);
    vista_.timerScore(false);
    daRiferire_ = true;
    ++livello_;
    if (livello_ <= kLivelliGioco)
        AvviaCorsa();
    else
        fineGioco();
}

void Gioco::fineGioco() {
    mostraMessaggio(testi_.messaggi[testoGioco::FineGioco]);
    vista_.timerLetters(false, 0);
    vista_.timerScore(false);
    tastiAttivi_ = false;
    stato_.fase = FaseGioco::Finito;
    chiudiCorsa();
    if (!mod_.UserName.empty() && punteggio_ > recordDaBattere_) {
        if (!ScriviRecord(impostazioni_.fileRecord, mod_.UserName, stato_.difficolta,
                          static_cast<int>(punteggio_))) {
            recordNonScritto();
            return;
        }
        leggiRecord();
        stato_.lblWinner = formatoPunti(punteggio_, impostazioni_.separatoreMigliaia);
        suona(suonoGioco::Record);
        passiRecord_ = 0;
        passoRecord();
        return;
    }
    aggiorna();
}

// A record that is not on disk would be gone at the next Start: the learner
// is told, and the old record stays on show.
void Gioco::recordNonScritto() {
    servizi_.messages.mostra(testi_.fileNonScritto + "\r\n" +
                                 cp1252::fromUtf8(impostazioni_.fileRecord),
                             "Scrivolta", Icona::Avviso, Pulsanti::Ok);
    aggiorna();
}

// The trophy and the record flash: white and red, then both black.
void Gioco::passoRecord() {
    ++passiRecord_;
    const bool acceso = passiRecord_ % 2 == 1;
    stato_.coloreTrofeo = acceso ? coloreGioco::Bianco : coloreGioco::Nero;
    stato_.coloreWinner = acceso ? coloreGioco::Rosso : coloreGioco::Nero;
    if (passiRecord_ < kPassiRecord) {
        attesa_ = Attesa::Record;
        vista_.attesa(kPassoRecordMs);
    }
    aggiorna();
}

void Gioco::mostraTotale(Colore colore) {
    stato_.lblTotal = formatoPunti(punteggio_, impostazioni_.separatoreMigliaia);
    stato_.coloreTotale = colore;
}

} // namespace scrivolta
