// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the practice texts the program ships: the largest text file, read
// and prepared as one running text, and a phrase of the longest lesson.
#include "content/cartelle.h"
#include "content/fileesercizio.h"
#include "content/filetesto.h"

#include <benchmark/benchmark.h>

namespace {

using namespace scrivolta;

const std::string kEsercizi = SCRIVOLTA_SOURCE_DATA "/Esercizi/";

std::string testoPiuLungo() {
    std::string scelto;
    long long massimo = -1;
    for (const auto& nome : elencoFile(kEsercizi, ".txt")) {
        const long long byte = dimensioneFile(kEsercizi + nome);
        if (byte > massimo) {
            massimo = byte;
            scelto = kEsercizi + nome;
        }
    }
    return scelto;
}

void BM_CaricaTestoPiuLungo(benchmark::State& state) {
    const std::string percorso = testoPiuLungo();
    std::size_t caratteri = 0;
    for (auto _ : state) {
        const FileTestoCaricato file = CaricaFileTesto(percorso);
        caratteri = file.testo.size();
        benchmark::DoNotOptimize(file);
    }
    state.counters["caratteri"] = static_cast<double>(caratteri);
}
BENCHMARK(BM_CaricaTestoPiuLungo);

class MisuraArialFissa final : public MisuraTesto {
public:
    int larghezzaTesto(std::string_view t) const override { return 8 * static_cast<int>(t.size()); }
    int larghezzaRiga() const override { return 584; }
};

void BM_FraseDiLezione(benchmark::State& state) {
    const std::string percorso = SCRIVOLTA_SOURCE_DATA "/CorsoDattilo/39 EXAMEN FINAL.ftd";
    const MisuraArialFissa misura;
    int numero = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(LeggiFraseEsercizio(percorso, 3, numero++ % 15 + 1, misura));
}
BENCHMARK(BM_FraseDiLezione);

} // namespace

BENCHMARK_MAIN();
