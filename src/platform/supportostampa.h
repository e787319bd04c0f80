// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/stampa_qt.h"

#include <QString>
#include <memory>

namespace scrivolta::platform {

// What the print support module hands over: Qt's print support and the
// print system it reaches are loaded only when the learner first prints or
// a window asks whether a printer exists, so that the program starts
// without them.
struct FunzioniStampa {
    bool (*stampanteDisponibile)() = nullptr;
    std::unique_ptr<SuperficieStampa> (*stampantePredefinita)(FigureStampa figure) = nullptr;
    bool (*stampaPaginaPredefinita)(const DisegnoPagina& disegno) = nullptr;
};

// The module's functions, loaded from beside the program in `cartella` (or
// where the package installs modules) at the first call. Without the
// module the program has no printer: none is available and nothing prints.
const FunzioniStampa& supportoStampa(const QString& cartella);

} // namespace scrivolta::platform
