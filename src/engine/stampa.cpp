// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/stampa.h"

#include "app/dominio.h"
#include "engine/esercizio.h"

namespace scrivolta {

namespace {
constexpr int kPausaDopoRispostaMs = 250;
} // namespace

// The keyboard goes on paper as the learner sees it, except the Enter key:
// it is drawn raised so that it does not look pressed on the page.
void Esercizio::StampaTastiera(VistaStampa& stampa) {
    fermaLampeggio();
    if (mod_.KeyMapShown)
        stampa.mostraMappaTasti(false);
    tastiera_.DisegnaTasto(indiceTasto::InvioBasso, false);
    tastiera_.DisegnaTasto(indiceTasto::InvioAlto, false);
    vista_.ridisegnaOra();
    AttendiSecondi(servizi_.clock, servizi_.waiter, 1, true);
    const auto& m = testi_.messaggi;
    const Risposta risposta =
        servizi_.messages.mostra(m[Messaggio::StampareTastieraDi] + kNomeProgramma + "?\r\n" +
                                     m[Messaggio::StampataComeLaVedi],
                                 kNomeProgramma, Icona::Domanda, Pulsanti::SiNo);
    servizi_.waiter.processEvents();
    servizi_.waiter.attendi(kPausaDopoRispostaMs);
    // A printer that fails is not reported: the page simply does not come,
    // and the keyboard is given back all the same.
    if (risposta == Risposta::Si)
        stampa.stampaTastiera();
    FlashBotton();
    if (mod_.KeyMapShown)
        stampa.mostraMappaTasti(true);
}

} // namespace scrivolta
