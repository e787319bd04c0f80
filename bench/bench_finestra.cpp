// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke through the real main window: the key event reaches the
// input line, the exercise judges it, and the window repaints what changed
// (input line, marker, counters, the keys on the keyboard), offscreen.

#include "app/cp1252.h"
#include "principale_qt.h"
#include "support/servizi_finti.h"
#include "ui/comune/sfondo.h"
#include "ui/principale/frmtastiro.h"

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

using namespace scrivolta;

// `grande`: the window scaled to a 1280×1024 screen. `ogniTasto`: the
// learner hears every next key, the most the window says per keystroke.
struct Banco {
    explicit Banco(bool grande, bool ogniTasto = false)
        : percorsi(Percorsi::portatile(cartella.path().toStdString() + "/")),
          finestra((mod.ResizeOn = grande, mod), s.servizi, percorsi, {}) {
        mod.SoundOn = false;
        mod.voce.tastoSuccessivo = ogniTasto;
        finestra.resize(grande ? QSize(1280, 1024) : QSize(1024, 768));
        finestra.show();
        aspettaEsposta();
        finestra.avvia();
        QCoreApplication::processEvents();
    }
    // On a display a window paints only once the server has shown it: until
    // then a keystroke costs a fraction of what the learner's does.
    void aspettaEsposta() {
        QDeadlineTimer limite(kAttesaEsposizioneMs);
        while (!finestra.windowHandle()->isExposed() && !limite.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, kPassoAttesaMs);
    }
    static constexpr int kAttesaEsposizioneMs = 5000;
    static constexpr int kPassoAttesaMs = 50;
    void premi(int tasto, const QString& testo) {
        QKeyEvent giu(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
        QCoreApplication::sendEvent(finestra.campoInput(), &giu);
        QKeyEvent su(QEvent::KeyRelease, tasto, Qt::NoModifier, testo);
        QCoreApplication::sendEvent(finestra.campoInput(), &su);
    }
    void nuovaFrase() {
        if (finestra.esercizio().numeroFrase() >= 5) {
            s.messaggi.risposte.push_back(Risposta::Si);
            finestra.esercizio().Ricomincia();
        }
        s.caso.scegliFrase(prossima++ % 15 + 1);
        premi(Qt::Key_Return, QStringLiteral("\r"));
        ridipingi();
    }
    void tastoGiusto() {
        const std::string atteso = finestra.esercizio().carattereAtteso();
        premi(Qt::Key_unknown, QString::fromStdString(cp1252::toUtf8(atteso)));
    }
    void ridipingi() { QCoreApplication::sendPostedEvents(&finestra, QEvent::UpdateRequest); }

    // Phrases in turn: never one the restarted cycle still counts as used.
    int prossima = 0;
    ModTastiro mod;
    prova::ServiziFinti s;
    QTemporaryDir cartella;
    Percorsi percorsi;
    ui::FrmTastiro finestra;
};

// The second argument: 1 a screen reader listens, 2 and the learner hears
// every next key. Qt's AT-SPI bridge exists only on a real display, so
// those cases run only there (see docs/architecture.md), and are skipped
// offscreen.
void BM_TastoNellaFinestra(benchmark::State& state) {
    const bool accessibile = state.range(1) != 0;
    Banco b(state.range(0) != 0, state.range(1) == 2);
    if (accessibile != QAccessible::isActive()) {
        state.SkipWithError(accessibile
                                ? "no screen reader bus: run with the AT-SPI bus on a display"
                                : "accessibility is active: this case measures without it");
        return;
    }
    if (!b.finestra.windowHandle()->isExposed()) {
        state.SkipWithError("the display never showed the window");
        return;
    }
    b.nuovaFrase();
    auto& e = b.finestra.esercizio();
    for (auto _ : state) {
        if (e.posizione() >= static_cast<int>(e.testoCorrente().size())) {
            state.PauseTiming();
            b.tastoGiusto();
            b.nuovaFrase();
            state.ResumeTiming();
        }
        b.tastoGiusto();
        b.ridipingi();
    }
}
BENCHMARK(BM_TastoNellaFinestra)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Unit(benchmark::kMicrosecond);

// What the window paints beneath the display's text at a keystroke: its
// background on a large screen, clipped to the line that changed.
void BM_SfondoSottoUnaRiga(benchmark::State& state) {
    QImage schermo(1280, 1024, QImage::Format_RGB32);
    QPainter p(&schermo);
    p.setClipRect(QRect(300, 200, 700, 40));
    for (auto _ : state)
        ui::ColoraSfondo(p, schermo.rect(), 0);
    benchmark::DoNotOptimize(schermo.constBits());
}
BENCHMARK(BM_SfondoSottoUnaRiga)->Unit(benchmark::kMicrosecond);

// Computing one half of that background's gradient whole: what a repaint of
// the whole window pays for each half.
void BM_SorgenteGradiente(benchmark::State& state) {
    const ui::ColoriSfondo& c = ui::coloriSfondo(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ui::sorgenteGradiente(1280, 512, {c[0], c[1], c[4], c[4]}));
}
BENCHMARK(BM_SorgenteGradiente)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return eseguiBenchmarkQt(argc, argv);
}
