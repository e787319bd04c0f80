// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/percorsi.h"

#include <string>
#include <string_view>

namespace scrivolta {

// The learner's name as remembered in the options file ([AccessName]).
struct NomeRicordato {
    std::string Name;      // as stored, "" when none
    bool Remember = false; // anything but "0" (missing and empty count as "0")
};

NomeRicordato LeggiNomeRicordato(const Percorsi& percorsi);

// Stores `Remember` and `Name` together: the name when `ricorda`, else "".
bool SalvaNomeRicordato(const Percorsi& percorsi, const std::string& userName, bool ricorda);

// `UserName` from the text the learner typed: upper case, blanks trimmed.
std::string NomeUtente(std::string_view testo);

} // namespace scrivolta
