// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/codicitasto.h"
#include "app/modtastiro.h"
#include "app/servizi.h"
#include "content/categorie.h"
#include "engine/osservatore.h"
#include "engine/stampa.h"
#include "engine/vista.h"
#include "engine/voce.h"
#include "keyboard/tastiera.h"
#include "settings/testi.h"

#include <array>
#include <chrono>
#include <string>

namespace scrivolta {

// Sounds of the exercise.
namespace suono {
inline constexpr int Errore = 101;
inline constexpr int FineFrase = 102;
inline constexpr int Record = 103;
inline constexpr int InizioFrase = 104;
inline constexpr int Giusto = 107;
inline constexpr int Saluto = 110;
inline constexpr int Opzione = 111;
} // namespace suono

// The exercise running in the main window: the text being typed, the
// judgement of every keystroke and its feedback, the counters and the
// rating, the start and end of each phrase and the menu commands. The
// window forwards its events here and draws the `StatoVista`.
class Esercizio {
public:
    Esercizio(ModTastiro& mod, Tastiera& tastiera, const TestiPrincipali& testi, Servizi& servizi,
              VistaEsercizio& vista, SceltaTesto& scelta);
    Esercizio(const Esercizio&) = delete;
    Esercizio& operator=(const Esercizio&) = delete;

    const StatoVista& stato() const { return stato_; }
    // Whoever keeps a record of the learner's work; none by default.
    void impostaOsservatore(OsservatoreEsercizio* osservatore) { osservatore_ = osservatore; }
    // What speaks to a learner who does not see the screen; none by default.
    void impostaVoce(Voce* voce) { voce_ = voce; }

    // Key events, in the order the window receives them. Codes are
    // Windows-1252 characters or `codiceTasto` values.
    // Returns true when the window swallows the key.
    bool Form_KeyPress(int codice);
    void txtInput_KeyPress(int codice);
    // Returns true when the key is discarded.
    bool txtInput_KeyDown(int vk);
    void Form_KeyUp(int vk);
    void txtInput_MouseDown(bool pulsanteDestro);
    void lblMenu_Click(VoceMenu voce);

    // Exercise control.
    void cmdStart_Click();
    // Starts on `file` at once, whatever the list offers: the weak-key
    // exercise the progress window writes.
    void avviaFile(const std::string& file);
    // Ends the exercise at once and goes back to the greeting (after a new
    // language, after the game).
    void tornaAlSaluto();
    void MostraSaluto();
    void Ricomincia();
    void ImpostaModalita(int modo);
    void optLevel_Click(int indice);
    // A category button: a text source, or the game.
    void optMenu_Click(Categoria categoria);
    void AvviaGioco();
    // The program was started on a text or exercise file in "Esercizi".
    void impostaRigaComando(std::string rigaComando, bool testoDaRigaComando);
    // Counters read " / " instead of "/" on a large screen.
    void impostaSeparatore(std::string separatore);
    void abilitaMenu(bool attivo);
    // Asks, then prints the keyboard as shown and gives it back as it was.
    void StampaTastiera(VistaStampa& stampa);

    // Timing.
    void Timer1_Timer();
    void Timer2_Timer();
    void AvviaCronometro(bool attivo);
    void FlashBotton();
    void Pausa();
    void ImpostaBarraVelocita(int larghezza);
    void ImpostaBarraRecord(int larghezza, int livello);
    // Full width of the speed bars: 300, or 390 on a large screen.
    void impostaLarghezzaBarra(int larghezza) { larghezzaBarra_ = larghezza; }

    // Keystroke checking.
    void AvanzaCarattere(bool azzera = false);
    void SegnalaErrore(int codice);
    void AggiornaGiudizio();
    // Marks the pending character again (after a display option changed).
    void rimarcaCarattereAtteso();

    const std::string& testoCorrente() const { return testoCorrente_; }
    const std::string& carattereAtteso() const { return carattereAtteso_; }
    int posizione() const { return posizione_; }
    bool testoFinito() const { return testoFinito_; }
    bool occupato() const { return occupato_; }
    bool cronometroAttivo() const { return cronometro_; }
    bool avvioAbilitato() const { return avvioAbilitato_; }
    int esatteFrase() const { return esatteFrase_; }
    int errateFrase() const { return errateFrase_; }
    int numeroFrase() const { return numeroFrase_; }
    bool esercizioFinito() const { return esercizioFinito_; }

private:
    // Keystroke checking.
    bool giudicaTestoFile(int codice);
    bool giudicaFrase(int codice);
    void accettaTasto(int codice);
    void registraPerRapporto(int codice);
    void scorriTestoFile();
    void inserisci(int codice);
    void fineTesto();
    void contaErrore();
    void spegniMaiuscole();
    std::string avvisoMaiuscole() const;
    void lampeggiaInput();
    void aggiornaMarcatore();
    void mostraContatori();
    std::string contatore(int frase, int totale) const;
    void suona(int id);

    // Exercise control.
    // False when the learner chose to end the program.
    bool FraseSuccessiva();
    bool fineLivello();
    void mostraLivello();
    int estraiFrase(int ultimaDelLivello);
    std::string fraseDelFile(int r) const;
    void nuovoCiclo();
    bool ricominciaAltrove() const;
    void salvaSegnalibro();
    bool CaricaFileTesto();
    void usaFileScelto();
    void azzeraPerNuovoCiclo();
    void prossimaLezione();
    void mostraTestoFile();
    void mostraFrase();
    void preparaDigitazione();
    void abilitaAvvio(bool abilitato);
    void toggleMappaColori();
    void toggleEvidenzia();

    // Timing.
    void FineFrase();
    void mediaDelLivello(int punteggio);
    void fermaLampeggio();
    void fermaLampeggioOra();
    void avvisaFineFrase(long long secondi, float velocita, int punteggio);
    void avvisaFineTesto(long long secondi);
    long long secondiTrascorsi() const;

    ModTastiro& mod_;
    Tastiera& tastiera_;
    const TestiPrincipali& testi_;
    Servizi& servizi_;
    VistaEsercizio& vista_;
    SceltaTesto& scelta_;
    OsservatoreEsercizio* osservatore_ = nullptr;
    Voce* voce_ = nullptr;
    StatoVista stato_;

    // The text and the keystrokes of the phrase.
    std::string testoCorrente_;
    std::string carattereAtteso_;
    int posizione_ = 0;
    bool testoFinito_ = false;
    bool occupato_ = false;
    int esatteFrase_ = 0;
    int errateFrase_ = 0;
    std::string separatore_ = "/";
    // Text files: where the part on display starts in the text.
    std::size_t inizioVisibile_ = 0;

    // The cycle of phrases.
    int numeroFrase_ = 0;
    std::array<int, 16> frasiUsate_{};
    bool esercizioFinito_ = false;
    bool inizioLivello_ = false;
    std::string rigaComando_;
    bool testoDaRigaComando_ = false;

    // Clock and blinking.
    std::chrono::system_clock::time_point oraInizio_{};
    bool cronometro_ = false;
    bool cronometroInterrotto_ = false;
    bool avvioAbilitato_ = false;
    bool fermaLampeggio_ = false;
    int larghezzaBarra_ = 300;
    int sommaPunteggiLivello_ = 0;
    double scalaAvanzamento_ = 0.0;
};

} // namespace scrivolta
