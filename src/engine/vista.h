// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"
#include "app/dominio.h"
#include "content/fileesercizio.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace scrivolta {

// The progress marker `shpIndex`, in pixels of the display.
struct Marcatore {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Marcatore&, const Marcatore&) = default;
};

// The error-ratio rating of `lblSmile`: the letter the window draws as a
// hand (A victory, B OK, C thumbs up, D thumbs down) and its background.
struct Giudizio {
    char lettera;
    Colore sfondo;
    friend bool operator==(const Giudizio&, const Giudizio&) = default;
};

// How the display strip is laid out: the greeting centred, a phrase in the
// phrase font, or a text file in the larger font with its scrolling line.
enum class ModoDisplay { Saluto, Frase, TestoFile };

// The symbols of the menu bar `lblMenu`, by their place in it.
enum class VoceMenu : int {
    Esci = 0,
    Ricomincia = 1,
    Informazioni = 2,
    Suoni = 3,
    MappaColori = 4,
    Evidenzia = 5,
    Sfondo = 6,
    // Passes a character the keyboard has no key for.
    Salta = 7,
};
inline constexpr int kVociMenu = 8;

inline constexpr Colore kColoreInputNormale = rgb(156, 196, 228);

// Everything of the main window that the exercise decides; the window
// draws it. Texts are Windows-1252.
struct StatoVista {
    ModoDisplay modo = ModoDisplay::Saluto;
    std::string frase; // `lblFraseCorr`
    std::string input; // `txtInput`, caret at its end
    Colore coloreInput = kColoreInputNormale;
    bool inputBloccato = true;
    Marcatore marcatore;                                // `shpIndex`
    std::array<std::string, 2> contatori{"0/0", "0/0"}; // `lblNumBatt`
    std::optional<Giudizio> giudizio;                   // `lblSmile`, none when transparent
    std::string numeroFrase;                            // `lblNumFrase`
    std::string ora = "00:00";                          // `lblTime`
    bool oraOpaca = false;                              // the clock runs
    bool indicatoriVelocita = false;                    // gauge of the running phrase
    bool voceSalto = false;                             // `lblMenu(7)` with its frame
    bool avvisoMaiuscole = false;                       // `imgX`
    bool premi = false;                                 // `imgPremi` at the Enter key
    bool menuInformazioni = true;                       // `lblMenu(2)` enabled
    bool tastoMenu = true;                              // `lblTasto(37)`, the 2D/3D switch, enabled
    bool selettori = false;                             // mode selector `picLevel` shown
    bool menuCategorie = false;                         // categories and list `picMenu` shown
    bool giocoAttivo = true;                            // `optMenu(4)` answers
    bool menuAttivo = false;                            // the eight menu symbols answer clicks
    bool menuMappa = true;                              // `lblMenu(4)`: unavailable in expert mode
    Colore coloreMarcatore = rgb(0, 0, 255);

    // The speed gauge: live bar (time per keystroke) and best bar of the
    // level, in pixels of the gauge; their level colour 1-3.
    int barraVelocita = 0;
    int barraRecord = 0;
    int livelloBarra = 1;
    int livelloRecord = 1;
    // Level averages `lblMediaLevel(0..2)` and the highlighted level 1-3.
    std::array<std::string, 3> medie;
    int livelloEvidenziato = 0;
    // Message after a phrase, with its score icon band 0-9.
    std::string messaggio;
    bool messaggioVisibile = false;
    int fasciaPunteggio = 0;
    // Text files: progress bar `shpProgressTime`.
    bool progressoVisibile = false;
    int progresso = 0;
    std::string titolo = kNomeProgramma; // the window's caption
};

// What the exercise asks of the main window besides drawing its state.
class VistaEsercizio {
public:
    virtual ~VistaEsercizio() = default;

    // The state changed; the window shows it when it next paints.
    virtual void statoCambiato() = 0;
    // The state changed and must be on screen now (the flashing, the end of
    // a phrase).
    virtual void ridisegnaOra() = 0;
    // Printed width and height of text in the display's font, in pixels.
    // The width is the sum of the widths of its characters, as the display
    // places them one by one: the marker built from it ends where the
    // drawn text does.
    virtual int larghezzaTesto(std::string_view testo) const = 0;
    virtual int altezzaTesto(std::string_view testo) const = 0;
    // Full length of the text-file progress bar, in pixels.
    virtual int larghezzaProgresso() const = 0;
    // The phrase font and line that exercise files are fitted to.
    virtual const MisuraTesto& misuraFrase() const = 0;

    // Timers: the phrase clock (`Timer1_Timer`) and the Enter key's
    // blinking (`Timer2_Timer`).
    virtual void timerOrologio(bool attivo) = 0;
    virtual void timerLampeggio(bool attivo) = 0;

    // `MostraFinestra`: a modal window.
    virtual void MostraFinestra(Finestra finestra) = 0;
    // The game and training window, modal.
    virtual void MostraGioco() = 0;
    // Unloads the main window, which ends the program.
    virtual void chiudiProgramma() = 0;
    // The help at its contents.
    virtual void apriGuida() = 0;
    // The information window, with the help and the language choice.
    virtual void mostraInformazioni() = 0;
    // The background scheme `coloreSfondo` changed.
    virtual void sfondoCambiato() = 0;
    // Slides the key overlay `frmTransparency` onto the home row, beside
    // the greeting, without taking the keys.
    virtual void MostraMappaTasti() = 0;
    // Takes the key overlay `frmTransparency` away for good, fading it out
    // where windows can be translucent.
    virtual void scaricaMappaTasti() = 0;
};

} // namespace scrivolta
