// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/argomentiguida.h"

#include <algorithm>
#include <cctype>

namespace scrivolta {

std::string_view paginaGuida(ArgomentoGuida argomento) {
    const auto* trovata =
        std::find_if(kPagineGuida.begin(), kPagineGuida.end(),
                     [argomento](const PaginaGuida& p) { return p.argomento == argomento; });
    return trovata != kPagineGuida.end() ? trovata->file : kPagineGuida.front().file;
}

// Language names are those of the language files, whose names any letter
// case will do for.
std::string_view linguaGuida(std::string_view linguaCorrente) {
    constexpr std::string_view kFrancese = "french";
    const bool francese =
        std::equal(linguaCorrente.begin(), linguaCorrente.end(), kFrancese.begin(), kFrancese.end(),
                   [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    return francese ? "fr" : "en";
}

} // namespace scrivolta
