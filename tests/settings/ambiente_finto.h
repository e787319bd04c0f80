// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/ambiente.h"

#include <map>
#include <string>

namespace scrivolta::prova {

// An environment holding just the given variables.
inline Ambiente ambiente(std::map<std::string, std::string> variabili) {
    return [variabili](const std::string& nome) {
        const auto trovata = variabili.find(nome);
        return trovata == variabili.end() ? std::string() : trovata->second;
    };
}

} // namespace scrivolta::prova
