// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the progress window on a history of 10 000 phrases: reading the
// file, building the charts, the lessons and the heat map, up to the first
// paint, offscreen.

#include "history/storico.h"
#include "principale_qt.h"
#include "support/servizi_finti.h"
#include "ui/progressi/disegnografico.h"
#include "ui/progressi/frmprogressi.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace scrivolta;

// Ten thousand phrases over a hundred days in the course, in both modes,
// with the key counts that go with them.
void semina(const std::string& file) {
    storico::Storico s(file);
    storico::Lotto l;
    const auto inizio = std::chrono::system_clock::from_time_t(1'690'000'000);
    for (int i = 0; i < 10'000; ++i) {
        storico::Frase f;
        f.studente = "Anna";
        f.ora = inizio + std::chrono::minutes(i * 15);
        f.categoria = i % 3 == 0 ? storico::Categoria::FrasiInterne : storico::Categoria::Corso;
        f.file = i % 3 == 0 ? "" : "LEZIONE" + std::to_string(i % 20) + ".ftd";
        f.livello = i % 3 + 1;
        f.modo = i % 2;
        f.caratteri = 50;
        f.errori = i % 7;
        f.secondi = 20;
        f.velocita = 1.5 + (i % 100) / 100.0;
        f.punteggio = 60 + i % 40;
        l.frasi.push_back(f);
    }
    for (int c = 'a'; c <= 'z'; ++c)
        l.tasti.push_back({"Anna", static_cast<unsigned char>(c), 900 + c, c % 40});
    s.registra(l);
}

void BM_AperturaProgressi(benchmark::State& state) {
    QTemporaryDir cartella;
    const std::string file = cartella.filePath(QStringLiteral("h.sqlite")).toStdString();
    semina(file);
    const storico::TestiProgressi testi;
    prova::ServiziFinti s;
    for (auto _ : state) {
        ui::frmProgressi finestra({file, cartella.path().toStdString() + "/", "Anna"}, testi,
                                  s.messaggi, {{}, {}, ui::graficiQtCharts()});
        finestra.show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(finestra.deboli().size());
    }
}
BENCHMARK(BM_AperturaProgressi)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return eseguiBenchmarkQt(argc, argv);
}
