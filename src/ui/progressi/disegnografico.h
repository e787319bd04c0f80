// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/progressi/graficiprogressi.h"

namespace scrivolta::ui {

// The progress window's charts drawn with Qt Charts: the functions the
// charts module hands to the program, and that the tests link directly.
FunzioniGrafico graficiQtCharts();

} // namespace scrivolta::ui
