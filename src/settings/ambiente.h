// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace scrivolta {

// Reads one environment variable, "" when unset. Tests hand in their own.
using Ambiente = std::function<std::string(const std::string& nome)>;

Ambiente ambienteDiSistema();

} // namespace scrivolta
