// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stampante.h"

#include <QPrinterInfo>

namespace scrivolta::platform {

bool StampanteDisponibile() {
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    return !predefinita.isNull() && !predefinita.printerName().isEmpty();
}

} // namespace scrivolta::platform
