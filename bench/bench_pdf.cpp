// SPDX-License-Identifier: GPL-3.0-or-later
// Writing documents of text and lines with the PDF writer: time per
// document, file size, and peak memory as the page count grows.
//
//     bench_pdf                      Google Benchmark timings, 10 to 1000 pages
//     bench_pdf --peak-rss PAGES     writes one document and prints the
//                                    process's peak resident memory; run it
//                                    in separate processes for 10, 100, 1000
//                                    pages to see that memory stays flat.

#include "pdf/pdfwriter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using scrivolta::pdf::clsPdfWriter;

namespace {

constexpr int kLinesPerPage = 40;

std::string temporaryPath() {
    return (std::filesystem::temp_directory_path() /
            ("bench_pdf_" + std::to_string(::getpid()) + ".pdf"))
        .string();
}

void drawPage(clsPdfWriter& pdf, int page) {
    pdf.SetColorFill(0);
    pdf.SetLineWidth(0.01F);
    pdf.DrawText(2.0F, 27.5F, "Scrivolta - pagina " + std::to_string(page), "Fn2", 24);
    for (int line = 0; line < kLinesPerPage; ++line) {
        const float y = 26.0F - 0.6F * static_cast<float>(line);
        pdf.DrawText(2.5F, y, "Velocit\xE0 della frase " + std::to_string(line + 1), "Fn1", 12);
        pdf.DrawText(10.0F, y, std::to_string(100 + line * 7) + " al minuto", "Fn1", 12, 1);
        pdf.DrawText(20.0F, y, "Punteggio " + std::to_string(line % 100), "Fn3", 12, 1);
        pdf.MoveTo(2.0F, y - 0.15F);
        pdf.LineTo(20.0F, y - 0.15F, 1);
    }
}

// Returns the size of the file written.
std::uintmax_t writeDocument(const std::string& target, int pages) {
    clsPdfWriter pdf;
    pdf.ScaleMode(3);
    std::string path = target;
    if (!pdf.InitPDFFile(path))
        return 0;
    pdf.LoadFont("Fn1", "Arial", 0);
    pdf.LoadFont("Fn2", "Arial", 3);
    pdf.LoadFont("Fn3", "Arial", 1);
    for (int page = 1; page <= pages; ++page) {
        pdf.BeginPage();
        drawPage(pdf, page);
        pdf.EndPage();
    }
    pdf.ClosePDFFile();
    return std::filesystem::file_size(path);
}

void BM_WriteDocument(benchmark::State& state) {
    const std::string path = temporaryPath();
    const int pages = static_cast<int>(state.range(0));
    std::uintmax_t bytes = 0;
    for (auto _ : state)
        bytes = writeDocument(path, pages);
    state.counters["file_bytes"] = static_cast<double>(bytes);
    state.counters["pages_per_s"] =
        benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteDocument)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

int peakMemory(int pages) {
    const std::string path = temporaryPath();
    const std::uintmax_t bytes = pages > 0 ? writeDocument(path, pages) : 0;
    std::filesystem::remove(path);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("pages %d  peak_rss_kib %ld  file_bytes %ju\n", pages, usage.ru_maxrss, bytes);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--peak-rss") == 0)
        return peakMemory(std::atoi(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
