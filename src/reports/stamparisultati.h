// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"
#include "app/servizi.h"
#include "reports/classifica.h"

#include <functional>
#include <string>
#include <string_view>

namespace scrivolta {

// The pictures a printed page carries.
enum class Figura { Tastiera, Simbolo };

// A printed page as the results print draws it: positions in millimetres
// from the top left corner of the printable area, a text cursor that
// writing moves on (to the end of the text, or to the start of the next
// line), then the document sent or abandoned. A failing operation throws.
class SuperficieStampa {
public:
    virtual ~SuperficieStampa() = default;
    virtual void unitaMillimetri() = 0;
    virtual void verticale() = 0;
    virtual void cartaA4() = 0;
    virtual void font(const std::string& nome) = 0;
    virtual void dimensione(float punti) = 0;
    virtual void grassetto(bool attivo) = 0;
    virtual void corsivo(bool attivo) = 0;
    virtual void coloreTesto(Colore colore) = 0;
    virtual void x(float mm) = 0;
    virtual void y(float mm) = 0;
    // Windows-1252 text at the cursor; `aCapo` ends the line after it.
    virtual void scrivi(std::string_view testo, bool aCapo) = 0;
    // `fascia` chooses the symbol 0-4 of a `Figura::Simbolo`.
    virtual void immagine(Figura figura, int fascia, float x, float y, float larghezza,
                          float altezza) = 0;
    // The outline in the text colour.
    virtual void rettangolo(float x1, float y1, float x2, float y2) = 0;
    virtual void fine() = 0;
    virtual void annulla() = 0;
};

// `ChiediStampa`'s question: true unless the learner answers no.
bool ChiediStampa(MessageBoxes& messaggi, const TestiClassifica& testi);

// `StampaRisultati`: the results on one A4 page, the levels reached only.
// `larghezzaNumero` is `LarghezzaNumero`, the window's own measure of a
// score in whole millimetres; `data` today's date in the desktop's long
// form. A failing step does not stop the print: the page is then abandoned
// and the learner told. True when the page was sent.
bool StampaRisultati(SuperficieStampa& stampante, Classifica& classifica,
                     const std::function<int(int)>& larghezzaNumero, const std::string& data,
                     MessageBoxes& messaggi);

} // namespace scrivolta
