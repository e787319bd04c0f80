// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "reports/risultati.h"
#include "reports/testirisultati.h"

#include <array>
#include <string>

namespace scrivolta {

// What the results window `frmClassifica` decides: the tables of the levels
// reached, computed once when the window loads, the closing message, and
// the totals its print and PDF show. The totals come from sums that only
// the load builds, so drawing the tables again never changes them.
class Classifica {
public:
    // Loads the window's figures from the exercise: sets `ResultsAnswer` to
    // none and takes the learner's name.
    Classifica(ModTastiro& mod, TestiClassifica testi);

    const TestiClassifica& testi() const { return testi_; }
    const ModTastiro& mod() const { return mod_; }

    // Levels with a table on screen and on paper: 1-3.
    int livelliMostrati() const { return livelliMostrati_; }
    // Level `k` (0-2) of the exercise, typed or not.
    const LivelloRisultati& livello(int k) const;
    // `MostraMessaggioFinale`: CR LF line breaks; empty for no message.
    std::string messaggioFinale() const;

    // The totals; a `TotalCorrect` of 0 is stored back as 1.
    TotaliRisultati totali();
    // The source of the phrases: the internal ones or the exercise file.
    std::string rigaFonte() const;

    const std::string& nomeUtente() const { return nomeUtente_; }
    // The PDF needs a name: "Scrivolta" stands for none, from then on.
    void nomePerPdf();

    void rispondi(RispostaRisultati risposta);

private:
    ModTastiro& mod_;
    TestiClassifica testi_;
    std::string nomeUtente_;
    int livelliMostrati_ = 1;
    std::array<LivelloRisultati, 3> livelli_{};
    // `sommaVelocitaLivelli`, `sommaPunteggiLivelli`: of the levels shown.
    float sommaVelocita_ = 0.0F;
    int sommaPunteggi_ = 0;
};

// The line after the program's name in the footers.
inline constexpr const char* kRigaCrediti = " - tutore di dattilografia libero";
// The sound the results and the report open with.
inline constexpr int kSuonoRisultati = 106;

} // namespace scrivolta
