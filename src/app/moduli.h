// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace scrivolta {

// The entry `simbolo` of the program's module `nome` ("scrivolta-grafici"),
// looked for in the program's folder `cartellaProgramma`, then where the
// package installs its modules; null when neither has it. Parts of the
// program the first screen does not need (the charts, the print support)
// are modules, loaded when first used. A module found stays loaded: what it
// made may outlive any owner.
void* ingressoModulo(const std::string& cartellaProgramma, const std::string& nome,
                     const char* simbolo);

} // namespace scrivolta
