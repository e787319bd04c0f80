// SPDX-License-Identifier: GPL-3.0-or-later
// The history at the end of a phrase: the keystrokes it counted in memory
// and the phrase itself written to the file in one transaction.

#include "history/registro.h"
#include "support/servizi_finti.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

using namespace scrivolta;

constexpr std::string_view kFrase = "le gazon de notre jardin exige beaucoup de soin";

void BM_FineFraseNelloStorico(benchmark::State& state) {
    std::string modello = (std::filesystem::temp_directory_path() / "scrivolta-XXXXXX").string();
    const std::string cartella = ::mkdtemp(modello.data());
    prova::OrologioFinto orologio;
    storico::RegistroStorico registro(cartella + "/h.sqlite", cartella + "/CorsoDattilo/", orologio,
                                      {});
    EsitoFrase esito{orologio.now(), "Anna", "", 1, 0, static_cast<int>(kFrase.size()), 2, 20,
                     2.35F,          94};
    for (auto _ : state) {
        state.PauseTiming();
        for (const char c : kFrase)
            registro.tastoGiusto(static_cast<unsigned char>(c));
        registro.tastoSbagliato('z', 'a');
        registro.tastoSbagliato('j', 'h');
        state.ResumeTiming();
        registro.fraseFinita(esito);
    }
    if (registro.recordNonScritti() != 0)
        state.SkipWithError("the phrases were not written");
    std::filesystem::remove_all(cartella);
}
BENCHMARK(BM_FineFraseNelloStorico)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
