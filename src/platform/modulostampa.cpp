// SPDX-License-Identifier: GPL-3.0-or-later
// The print support module: what the program loads when it first prints or
// asks for a printer. Its one entry point hands over the print functions.

#include "platform/stampante.h"
#include "platform/supportostampa.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const scrivolta::platform::FunzioniStampa* scrivolta_stampa() {
    using namespace scrivolta::platform;
    static const FunzioniStampa funzioni{
        .stampanteDisponibile = StampanteDisponibile,
        .stampantePredefinita = stampantePredefinita,
        .stampaPaginaPredefinita = stampaPaginaPredefinita,
    };
    return &funzioni;
}
