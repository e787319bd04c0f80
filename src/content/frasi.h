// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace scrivolta {

inline constexpr int kNumeroFrasiInterne = 45;

// `FraseInterna`: built-in French text 1-45 (15 per level), or "" for any
// other number. Two-line texts hold CR LF between the lines.
std::string_view FraseInterna(int numero);

} // namespace scrivolta
