// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/progressi/graficiprogressi.h"

namespace scrivolta::ui {

// The progress window's charts drawn with Qt Charts: the functions the
// charts module hands to the program, and that the tests link directly.
FunzioniGrafico graficiQtCharts();

// The value axis: from 0 to `alto` in whole-number steps of `passo`, a few
// steps in all, and `alto` above the highest value so that its point shows.
struct ScalaValori {
    int alto = 1;
    int passo = 1;
};
ScalaValori scalaValori(double massimo);

} // namespace scrivolta::ui
