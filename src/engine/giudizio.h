// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/vista.h"

namespace scrivolta {

// `AggiornaGiudizio`'s rating: the share of wrong keystrokes over accepted
// ones, judged more strictly in expert mode.
Giudizio giudizioErrori(int errori, int esatte, bool esperto);

} // namespace scrivolta
