// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/risultati.h"

#include <array>
#include <string>

namespace scrivolta {

class FileLingua;

// The texts of the results window `frmClassifica` (Windows-1252), from a
// language file or built in.
struct TestiClassifica {
    // `testi`: the window's texts, slots 0-32.
    std::array<std::string, 33> testi;
    // `cmdRisp`(0) "Continua" and (1) "Termina": caption and tool tip.
    std::array<std::string, 2> risposte;
    std::array<std::string, 2> tooltipRisposte;
    std::string cmdPrint = "Print";
    std::string tooltipPrint;
    std::string cmdPDF = "PDF";
    std::string tooltipPDF = "File PDF";
    // `lbllivelli`(0-2), the mode's name appended.
    std::array<std::string, 3> livelli;

    ParoleValutazione parole() const { return {testi[29], testi[30], testi[31], testi[32]}; }
    // `suffissoVelocita`: " battute / min = " with the built-in texts.
    std::string suffissoVelocita() const { return " " + testi[1] + " = "; }
};

// `CaricaTestiPredefiniti` and `CaricaTestiLingua` of the results window.
TestiClassifica testiClassifica(const std::string& nomeModalita);
TestiClassifica testiClassifica(const FileLingua& lingua, const std::string& nomeModalita);

// The texts of the free-text report `frmReportFreeTXT`.
struct TestiRapporto {
    // `testi`: slots 0-24.
    std::array<std::string, 25> testi;
    std::string cmdChiudi;
    std::string cmdCreaPDF;

    ParoleValutazione parole() const { return {testi[19], testi[20], testi[21], testi[22]}; }
};

TestiRapporto testiRapporto();
TestiRapporto testiRapporto(const FileLingua& lingua);

} // namespace scrivolta
