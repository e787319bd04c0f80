// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/csv.h"
#include "history/registro.h"
#include "history/tastideboli.h"

#include <array>
#include <string>
#include <string_view>

namespace scrivolta {

class FileLingua;

namespace storico {

// The texts of the progress window and of the history's messages.
enum class TestoProgressi : int {
    Titolo,
    Allievo,
    Velocita,
    Errori,
    Lezioni,
    ColonnaFile,
    ColonnaFrasi,
    ColonnaMigliore,
    ColonnaMedia,
    MappaErrori,
    TastiDeboli,
    Nessuno,
    AlPostoDi,
    EsportaCsv,
    Esercitati,
    Chiudi,
    FileSpostato,
    NonSalvabile,
    FileNonScritto,
    DatiInsufficienti,
    Andamento,
    // The decimal separator of the learner's language: "," or ".".
    SeparatoreDecimale,
    LetturaFallita,
    Motivo,
    MotivoInUso,
    MotivoSolaLettura,
    MotivoVersioneNuova,
    MotivoNonApribile,
    MotivoDiscoPieno,
    MotivoDisco,
    MotivoDanneggiato,
    MotivoImprevisto,
    NonSalvatoChiusura,
    ConservatoInAttesa,
    PersoChiusura,
    TrasferitoIn,
    PrecedenteIn,
    PrimaColonnaCsv, // followed by the other columns of the export
    // The export's fifth column, also the heading of the lessons' table.
    ColonnaCategoria = PrimaColonnaCsv + 4,
    PrimoTipo = PrimaColonnaCsv + static_cast<int>(TestiCsv::kColonne),
    PrimaCategoria = PrimoTipo + kTipiRiga,
    PrimoModo = PrimaCategoria + 5,
    Numero = PrimoModo + 2,
};

inline constexpr std::size_t kTestiProgressi = static_cast<std::size_t>(TestoProgressi::Numero);

// Windows-1252 texts: the built-in Italian ones, or a language file's.
class TestiProgressi {
public:
    TestiProgressi();
    // A text the file lacks keeps its Italian one: language files made for
    // older versions of the program still give a readable window.
    explicit TestiProgressi(const FileLingua& lingua);

    const std::string& operator[](TestoProgressi t) const {
        return testi_[static_cast<std::size_t>(t)];
    }
    const std::string& categoria(int c) const;
    TestiCsv csv() const;
    // What the learner is told about a problem of the history file.
    std::string messaggio(const Problema& problema) const;
    // What the learner is told when the program closes with work unsaved.
    std::string messaggio(const Chiusura& chiusura) const;
    // Why the history file could not be written, from SQLite's result code.
    std::string motivo(int codice) const;

    // The language-file id of each text, in order.
    static const std::array<std::string_view, kTestiProgressi>& id();

private:
    std::array<std::string, kTestiProgressi> testi_;
};

// The progress window's line of weak keys (Windows-1252): each character
// with its error rate in whole percent, halves rounded up, and what was
// typed instead; "none" when there are none.
std::string testoTastiDeboli(const std::vector<TastoDebole>& deboli, const TestiProgressi& testi);

} // namespace storico
} // namespace scrivolta
