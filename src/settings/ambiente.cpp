// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ambiente.h"

#include <cstdlib>

namespace scrivolta {

Ambiente ambienteDiSistema() {
    return [](const std::string& nome) {
        const char* valore = std::getenv(nome.c_str());
        return std::string(valore != nullptr ? valore : "");
    };
}

} // namespace scrivolta
