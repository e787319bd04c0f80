// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace scrivolta::platform {

// `StampanteDisponibile`: a default printer exists. Asks the print system,
// which can take a while: call it when printing is about to be offered.
// Kept apart so that a program that never prints does not load the print
// support at all.
bool StampanteDisponibile();

} // namespace scrivolta::platform
