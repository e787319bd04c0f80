// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"
#include "reports/documentopdf.h"
#include "reports/testirisultati.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace scrivolta {

// The characters of a text by class, as the report counts them.
struct ConteggioCaratteri {
    int maiuscole = 0;
    int minuscole = 0;
    int cifre = 0;
    int punteggiatura = 0;
    int speciali = 0; // the other printable signs and the accented letters
    int spazi = 0;
    friend bool operator==(const ConteggioCaratteri&, const ConteggioCaratteri&) = default;
};

// `ContaCaratteri` of a Windows-1252 text; line breaks and tabs count as
// nothing.
ConteggioCaratteri ContaCaratteri(std::string_view testo);

// The letters of a grade: Ottimo, Buono, Sufficiente, Insufficiente.
enum class Voto : char { Ottimo = 'O', Buono = 'B', Sufficiente = 'S', Insufficiente = 'I' };

// `ValutaVelocita`: keystrokes a minute strictly above 150, 100 and 50
// (240, 180, 120 in expert mode).
Voto ValutaVelocita(double battuteMinuto, bool esperto);
// `ValutaErrori`: error ratio in per cent not above 2, 3 and 4 (0.5, 0.75,
// 1 in expert mode).
Voto ValutaErrori(double rapportoPercento, bool esperto);
// `ValutazioneComplessiva`: a slow learner is judged on speed alone,
// everyone else at best as well as their accuracy.
Voto ValutazioneComplessiva(Voto velocita, Voto errori);
const std::string& parolaDi(Voto voto, const ParoleValutazione& parole);

// `CalcolaTotali` of a free text exercise. A duration of 0 s or a text with
// no keystrokes has no ratio or speed: they are 0, never left from an
// earlier exercise or undefined.
struct TotaliTesto {
    long long secondiTotali = 0;
    std::string tempoTesto; // "hh:nn:ss"
    int battute = 0;
    int errori = 0;
    int esatte = 0;
    double rapportoErrori = 0.0; // share, 0-1
    double rapportoEsatte = 0.0;
    double battuteMinuto = 0.0;
    double battuteSecondo = 0.0;
    std::int32_t parole = 0;
};

TotaliTesto CalcolaTotali(const ModTastiro& mod);

// The report's figures as `MostraRapporto` writes them on screen, one text
// a line, the heading first: no evaluation words.
std::array<std::string, 9> righeRapporto(const TestiRapporto& testi, const TotaliTesto& totali);

// The report of a free text exercise: its totals at load, its PDF on demand.
class Rapporto {
public:
    Rapporto(const ModTastiro& mod, TestiRapporto testi);

    const TestiRapporto& testi() const { return testi_; }
    const TotaliTesto& totali() const { return totali_; }
    const ModTastiro& mod() const { return mod_; }
    const std::string& nomeUtente() const { return nomeUtente_; }

    // `CreaPDFRapporto`: counts the characters of `ReportText` afresh and
    // writes the report into `cartella`; the path written, or nothing when
    // the file could not be created (the learner has been told).
    std::optional<std::string> CreaPDFRapporto(DocumentoPdf& documento, const std::string& cartella,
                                               const std::string& data, MessageBoxes& messaggi);

private:
    const ModTastiro& mod_;
    TestiRapporto testi_;
    std::string nomeUtente_;
    TotaliTesto totali_;
};

} // namespace scrivolta
