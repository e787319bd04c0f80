// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"
#include "game/osservatoregioco.h"
#include "game/record.h"
#include "game/statogioco.h"
#include "game/testigioco.h"
#include "game/vocegioco.h"

#include <chrono>
#include <string>

namespace scrivolta {

// How the game window is set up: where the records are, the width of one
// falling character in its font, the desktop's thousands separator, who
// hears of finished runs (none: nobody), who speaks to a learner using a
// screen reader (none: the game is silent).
struct ImpostazioniGioco {
    std::string fileRecord;
    int larghezzaLettera = 30;
    std::string separatoreMigliaia = ".";
    OsservatoreGioco* osservatore = nullptr;
    Annunciatore* annunciatore = nullptr;
};

// `FrmPlay`'s rules: the six-level falling-character game at three
// difficulties with a record per learner, and the training with a chosen
// set of letters. The window forwards its events and timers here and
// draws `stato()`. Waits are states left by `attesaFinita`, so nothing
// blocks the window.
class Gioco {
public:
    Gioco(const ModTastiro& mod, Servizi& servizi, TestiGioco testi, ImpostazioniGioco impostazioni,
          VistaGioco& vista);
    Gioco(const Gioco&) = delete;
    Gioco& operator=(const Gioco&) = delete;

    const StatoGioco& stato() const { return stato_; }
    const TestiGioco& testi() const { return testi_; }

    // The settings panel.
    void optDifficulty_Click(int indice);
    void hsSpeed_Change(int valore);
    void hsTime_Change(int valore);
    void txtCustom_Change(std::string testo);
    void cmdStart_Click();
    void cmdNuovo_Click();
    void cmdExit_Click();

    // Keys: Windows-1252 character codes, and Caps Lock released.
    void Form_KeyPress(int codice);
    void Form_KeyUp(int vk);

    // Timers and the end of a wait.
    void timerLetters_Timer();
    void timerScore_Timer();
    void attesaFinita();

    int livello() const { return livello_; }
    long long punteggio() const { return punteggio_; }
    int esatte() const { return esatte_; }
    int errate() const { return errate_; }
    bool tastiAttivi() const { return tastiAttivi_; }
    const RecordGioco& record() const { return record_; }
    const std::string& serieLettere() const { return serieLettere_; }
    // A run is under way: its keys belong to the game, not to the controls.
    bool inCorsa() const;

private:
    enum class Attesa { Nessuna, PrimaDelloScorrimento, Scorrimento, Pausa, Record };

    // Window and runs (gioco.cpp).
    void leggiRecord();
    void disponiColonne(int larghezzaLettera);
    void azzeraColonne();
    void AvviaCorsa();
    void dopoMessaggio();
    void mostraMessaggio(const std::string& testo);
    void iniziaScorrimento();
    void scorriMessaggio();
    void fermaTutto();
    void chiudiCorsa();
    void avviaPausa();
    void finePausa();
    void suona(int id);
    // The state changed: the window redraws, and a new target is said.
    void aggiorna();
    // The character the learner should type now; 0 when keys do nothing.
    char bersaglioAttuale() const;
    // Moves every falling character down by its step; `caduta` takes each
    // one that passed the bottom.
    void scendi(void (Gioco::*caduta)(Colonna&));
    long long millisecondi() const;

    // The game (partita.cpp).
    void distribuisciLettere();
    void estraiLettere(int classe);
    char letteraCasuale(int classe);
    void tickGioco();
    void cadutaGioco(Colonna& c);
    void giudicaGioco(int codice);
    void contaPassoSuccessivo();
    void chiudiLivello();
    void fineGioco();
    void recordNonScritto();
    void passoRecord();
    void mostraTotale(Colore colore);

    // The training (allenamento.cpp).
    bool preparaSerie();
    void distribuisciSerie();
    void marcaBersaglio();
    void tickAllenamento();
    void cadutaAllenamento(Colonna& c);
    void giudicaAllenamento(int codice);
    void nuovaLetteraDellaSerie();
    void aggiornaPrecisione();
    void disegnaDisco();
    void fineAllenamento();
    int colonnaVuotaCasuale();

    const ModTastiro& mod_;
    Servizi& servizi_;
    TestiGioco testi_;
    ImpostazioniGioco impostazioni_;
    VistaGioco& vista_;
    StatoGioco stato_;
    VoceGioco voce_;

    int livello_ = 1;
    long long punteggio_ = 0;
    int esatte_ = 0;
    int errate_ = 0;
    bool tastiAttivi_ = false;
    int quotaPartenza_ = 0;
    RecordGioco record_{};
    long long recordDaBattere_ = 0;
    std::string serieLettere_;
    std::chrono::system_clock::time_point oraFine_{};
    std::chrono::system_clock::time_point oraInizio_{};
    // The run has something to report: a finished level or falling
    // training characters.
    bool daRiferire_ = false;
    int bersaglio_ = 0;
    bool scendendo_ = false;

    Attesa attesa_ = Attesa::Nessuna;
    long long secondoPausa_ = 0;
    int passiRecord_ = 0;
};

} // namespace scrivolta
