// SPDX-License-Identifier: GPL-3.0-or-later
// One 100 ms tick of the game with 18 characters falling: the rules alone,
// and the rules with the window's repaint of what moved, offscreen.

#include "game/gioco.h"
#include "principale_qt.h"
#include "support/servizi_finti.h"
#include "ui/gioco/frmplay.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

using namespace scrivolta;
using namespace std::chrono_literals;

bool diciottoInCampo(const StatoGioco& s) {
    return s.fase == FaseGioco::InCorso && std::all_of(s.colonne.begin(), s.colonne.end(),
                                                       [](const Colonna& c) { return c.visibile; });
}

class VistaMuta final : public VistaGioco {
public:
    void statoCambiato() override {}
    void timerLetters(bool, int) override {}
    void timerScore(bool) override {}
    void attesa(int ms) override { attesaMs = ms; }
    void focusPersonalizzato() override {}
    void chiudi() override {}
    int attesaMs = 0;
};

void BM_TickRegole(benchmark::State& state) {
    ModTastiro mod;
    mod.SoundOn = false;
    prova::ServiziFinti s;
    VistaMuta vista;
    Gioco g(mod, s.servizi, testiGiocoPredefiniti(), {"/nonexistent/ScrivoltaWinner.ini", 30, "."},
            vista);
    const auto avvia = [&] {
        g.cmdNuovo_Click();
        g.optDifficulty_Click(opzioneGioco::Difficile);
        g.cmdStart_Click();
        while (vista.attesaMs > 0) {
            vista.attesaMs = 0;
            g.attesaFinita();
        }
    };
    avvia();
    for (auto _ : state) {
        if (!diciottoInCampo(g.stato())) {
            state.PauseTiming();
            avvia();
            state.ResumeTiming();
        }
        s.orologio.avanza(100ms);
        g.timerLetters_Timer();
    }
}
BENCHMARK(BM_TickRegole)->Unit(benchmark::kMicrosecond);

void BM_TickFinestra(benchmark::State& state) {
    ModTastiro mod;
    mod.SoundOn = false;
    mod.ResizeOn = true;
    prova::ServiziFinti s;
    QTemporaryDir cartella;
    const Percorsi percorsi = Percorsi::portatile(cartella.path().toStdString() + "/");
    MaiuscoleDedotte maiuscole(s.tastiera, true, true);
    ui::FrmPlay f(mod, s.servizi, maiuscole, percorsi);
    f.resize(1280, 800);
    f.show();
    QCoreApplication::processEvents();
    const auto ridipingi = [&f] { QCoreApplication::sendPostedEvents(&f, QEvent::UpdateRequest); };
    const auto avvia = [&] {
        f.gioco().cmdNuovo_Click();
        f.gioco().optDifficulty_Click(opzioneGioco::Difficile);
        f.gioco().cmdStart_Click();
        while (f.timerAttesa().isActive())
            f.timerAttesa_Timer();
        ridipingi();
    };
    avvia();
    for (auto _ : state) {
        if (!diciottoInCampo(f.gioco().stato())) {
            state.PauseTiming();
            avvia();
            state.ResumeTiming();
        }
        s.orologio.avanza(100ms);
        f.timerLetters_Timer();
        ridipingi();
    }
}
// Qt may hand parts of the painting to its own threads: count them too.
BENCHMARK(BM_TickFinestra)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return eseguiBenchmarkQt(argc, argv);
}
