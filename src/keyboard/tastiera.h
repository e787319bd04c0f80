// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"
#include "keyboard/rilievo.h"
#include "keyboard/tasti.h"

#include <array>
#include <string>

namespace scrivolta {

// What a key looks like now: its colours, whether it was last drawn pressed
// or raised, and its caption (Windows-1252, "&&" for one "&").
struct StatoTasto {
    Colore sfondo = kGrigioTasti;
    Colore testo = rgb(0, 0, 0);
    bool premuto = false;
    bool grassetto = false;
    std::string didascalia;
};

// A highlight frame `shpEvidenzia`, in pixels of the keyboard area.
struct Cornice {
    bool esiste = false;
    bool visibile = false;
    Rettangolo r;
};

// Told whenever something on the keyboard must be painted again.
class OsservatoreTastiera {
public:
    virtual ~OsservatoreTastiera() = default;
    // The key's outline, colours or caption changed.
    virtual void tastoCambiato(int tasto) = 0;
    // Frames, error mark, finger pictures, finger-map strip or bumps changed.
    virtual void segniCambiati() = 0;
};

// The on-screen keyboard: the state of its 63 keys, the frames that guide
// the learner to the next key, the error mark, the finger pictures and the
// bumps of F and J. All geometry is in pixels of the keyboard area.
class Tastiera {
public:
    static constexpr int kLatoImmagine = 32;   // finger pictures and error mark
    static constexpr int kAltezzaCornice = 33; // frame 0, 495 twips high

    Tastiera();
    Tastiera(const Tastiera&) = delete;
    Tastiera& operator=(const Tastiera&) = delete;

    void impostaOsservatore(OsservatoreTastiera* osservatore) { osservatore_ = osservatore; }

    // Options: keys coloured by finger, frames on the next key, flat drawing.
    bool mappaColori = true;
    bool evidenzia = true;
    bool tastieraSemplice = false;
    // Highest ring index of a key's outline: 3, or 4 on a large screen.
    int spessoreRilievo = 3;

    // The keyboard drawn at the size of a large screen: every key, frame and
    // bump takes its scaled place. Set before the keyboard is first drawn.
    void impostaScala(bool scalata);
    bool scalata() const { return scalata_; }
    // Key `tasto` in pixels of the keyboard area, at the current scale.
    Rettangolo rettangolo(int tasto) const;

    void DisegnaTasto(int tasto, bool premuto);
    void RipristinaTastiera();
    // Marks the key or keys that type `carattere`; false when no key does.
    bool MostraTastoSuccessivo(unsigned char carattere);
    void NascondiEvidenziazione();
    void PreparaEvidenziaInvio();
    void ColorTasti();
    // One key in a colour of its own (the heat map of the progress window).
    void coloraTasto(int tasto, Colore sfondo);
    // The key map turned off: every key grey, bumps grey, no finger pictures.
    void SpegniColori();
    void ColoraRilievo(Colore colore, int linea);
    void MostraMappaDita(bool visibile);
    void PosizionaMappaDita(bool schermoGrande);
    // Double click on a finger picture: the pictures give way to the strip.
    void NascondiDitaMostraStriscia();
    // Double click on the strip: the pictures come back on the keyboard.
    void NascondiStrisciaMostraDita();
    // Centres the error mark on the key that types `carattere`; false (mark
    // unchanged) when no key does.
    bool MostraErrore(unsigned char carattere);
    void NascondiErrore();
    void impostaEvidenziaInvio(bool grassetto, Colore testo);

    const StatoTasto& stato(int tasto) const;
    const std::array<Cornice, 4>& cornici() const { return cornici_; }
    bool erroreVisibile() const { return erroreVisibile_; }
    Punto posizioneErrore() const { return posizioneErrore_; }
    const std::array<Colore, 4>& coloriRilievo() const { return coloriRilievo_; }
    bool ditaVisibili() const { return ditaVisibili_; }
    const std::array<Punto, 10>& posizioniDita() const { return posizioniDita_; }
    bool strisciaVisibile() const { return strisciaVisibile_; }
    int tastoCorrente() const { return tastoCorrente_; }
    bool ripristinoNecessario() const { return ripristinoNecessario_; }
    // Back to the state of a window that has just started.
    void azzeraMarcatura();

    // The outline of key `tasto` as it is drawn now.
    std::vector<Segmento> contorno(int tasto) const;

private:
    void coloraTutti(bool perDito);
    void incorniciaTasto(int cornice, int tasto);
    void avvisaTasto(int tasto);
    void avvisaSegni();

    std::array<StatoTasto, kNumeroTasti> tasti_;
    std::array<Cornice, 4> cornici_;
    std::array<Colore, 4> coloriRilievo_;
    std::array<Punto, 10> posizioniDita_{};
    bool erroreVisibile_ = false;
    Punto posizioneErrore_;
    bool ditaVisibili_ = false;
    bool strisciaVisibile_ = false;
    int tastoCorrente_ = 0;
    bool ripristinoNecessario_ = false;
    bool scalata_ = false;
    OsservatoreTastiera* osservatore_ = nullptr;
};

} // namespace scrivolta
