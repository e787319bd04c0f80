// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/supportostampa.h"

#include "app/moduli.h"

#include <QFile>

namespace scrivolta::platform {

namespace {

const FunzioniStampa kSenzaStampante{
    .stampanteDisponibile = [] { return false; },
    .stampantePredefinita = [](FigureStampa) { return std::unique_ptr<SuperficieStampa>(); },
    .stampaPaginaPredefinita = [](const DisegnoPagina&) { return false; },
};

} // namespace

const FunzioniStampa& supportoStampa(const QString& cartella) {
    static const FunzioniStampa* const funzioni = [&cartella] {
        using Ingresso = const FunzioniStampa* (*)();
        const auto ingresso = reinterpret_cast<Ingresso>(ingressoModulo(
            QFile::encodeName(cartella).toStdString(), "scrivolta-stampa", "scrivolta_stampa"));
        return ingresso != nullptr ? ingresso() : &kSenzaStampante;
    }();
    return *funzioni;
}

} // namespace scrivolta::platform
