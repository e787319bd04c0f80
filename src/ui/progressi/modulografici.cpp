// SPDX-License-Identifier: GPL-3.0-or-later
// The charts module: what the program loads with QLibrary when the progress
// window first opens. Its one entry point hands over the chart functions.

#include "ui/progressi/disegnografico.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const scrivolta::ui::FunzioniGrafico* scrivolta_grafici() {
    static const scrivolta::ui::FunzioniGrafico funzioni = scrivolta::ui::graficiQtCharts();
    return &funzioni;
}
