// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/classifica.h"

#include "content/cartelle.h"

#include <utility>

namespace scrivolta {

namespace {

constexpr std::array<int, 3> kPrimaFrase{1, 6, 11};

int livelliDi(int currentLevel) {
    return currentLevel == 2 || currentLevel == 3 ? currentLevel : 1;
}

} // namespace

Classifica::Classifica(ModTastiro& mod, TestiClassifica testi)
    : mod_(mod), testi_(std::move(testi)), nomeUtente_(mod.UserName),
      livelliMostrati_(livelliDi(mod.CurrentLevel)) {
    mod_.ResultsAnswer = static_cast<int>(RispostaRisultati::Nessuna);
    for (std::size_t k = 0; k < livelli_.size(); ++k) {
        livelli_[k] = calcolaLivello(mod_.PhraseSpeed, kPrimaFrase[k], mod_.SpeedFactor);
        if (static_cast<int>(k) < livelliMostrati_) {
            sommaVelocita_ += livelli_[k].mediaVelocita;
            sommaPunteggi_ += livelli_[k].mediaPunteggio;
        }
    }
}

const LivelloRisultati& Classifica::livello(int k) const {
    return livelli_.at(static_cast<std::size_t>(k));
}

std::string Classifica::messaggioFinale() const {
    const auto& t = testi_.testi;
    if (mod_.ResultsKind == TipoRisultati::Livello)
        return t[21] + " " + std::to_string(mod_.CurrentLevel) + ".\r\n\r\n" + t[22] + "\r\n" +
               t[24];
    if (mod_.ResultsKind == TipoRisultati::Ciclo)
        return t[25] + "\r\n\r\n" + t[26] + "\r\n" + t[27];
    return {};
}

TotaliRisultati Classifica::totali() {
    TotaliRisultati t =
        calcolaTotali(sommaVelocita_, sommaPunteggi_, livelliMostrati_, mod_.TotalErrors,
                      mod_.TotalCorrect, mod_.ExpertMode, testi_.parole());
    if (mod_.TotalCorrect == 0)
        mod_.TotalCorrect = 1;
    return t;
}

std::string Classifica::rigaFonte() const {
    if (mod_.ExerciseFile.empty())
        return testi_.testi[13];
    return testi_.testi[14] + " " + nomeFileMostrato(mod_.ExerciseFile);
}

void Classifica::nomePerPdf() {
    if (nomeUtente_.empty())
        nomeUtente_ = kNomeProgramma;
}

void Classifica::rispondi(RispostaRisultati risposta) {
    mod_.ResultsAnswer = static_cast<int>(risposta);
}

} // namespace scrivolta
