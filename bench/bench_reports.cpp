// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the results PDF and the free-text report PDF, from the scripted
// figures of a whole exercise to the finished file in the temporary folder.

#include "app/servizi.h"
#include "reports/pdfrisultati.h"
#include "reports/rapporto.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

using namespace scrivolta;

namespace {

class SenzaMessaggi final : public MessageBoxes {
public:
    Risposta mostra(const std::string&, const std::string&, Icona, Pulsanti) override {
        return Risposta::Ok;
    }
};

std::string cartella() {
    return std::filesystem::temp_directory_path().string() + "/";
}

ModTastiro esercizio() {
    ModTastiro mod;
    mod.UserName = "bench_reports_" + std::to_string(::getpid());
    mod.ModeName = "Principiante";
    mod.MsgPerMinute = "al minuto";
    mod.CurrentLevel = 3;
    for (std::size_t i = 1; i < mod.PhraseSpeed.size(); ++i)
        mod.PhraseSpeed[i] = 1.5F + 0.05F * static_cast<float>(i);
    mod.TotalCorrect = 1320;
    mod.TotalErrors = 17;
    mod.TextElapsed = std::chrono::seconds(600);
    mod.WordCount = 240;
    mod.ReportText = std::string(1320, 'a');
    return mod;
}

void PdfRisultati(benchmark::State& state) {
    ModTastiro mod = esercizio();
    SenzaMessaggi messaggi;
    Classifica classifica(mod, testiClassifica(mod.ModeName));
    std::string percorso;
    for (auto _ : state) {
        const auto documento = nuovoDocumentoPdf();
        percorso = CreaPDF(*documento, classifica, cartella(), "lunedi", messaggi).value_or("");
    }
    std::filesystem::remove(percorso);
}
BENCHMARK(PdfRisultati)->Unit(benchmark::kMillisecond);

void PdfRapporto(benchmark::State& state) {
    const ModTastiro mod = esercizio();
    SenzaMessaggi messaggi;
    Rapporto rapporto(mod, testiRapporto());
    std::string percorso;
    for (auto _ : state) {
        const auto documento = nuovoDocumentoPdf();
        percorso =
            rapporto.CreaPDFRapporto(*documento, cartella(), "lunedi", messaggi).value_or("");
    }
    std::filesystem::remove(percorso);
}
BENCHMARK(PdfRapporto)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
