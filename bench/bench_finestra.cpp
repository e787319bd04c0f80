// One keystroke through the real main window: the key event reaches the
// input line, the exercise judges it, and the window repaints what changed
// (input line, marker, counters, the keys on the keyboard), offscreen.

#include "app/cp1252.h"
#include "support/servizi_finti.h"
#include "ui/frmtastiro.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace scrivolta;

struct Banco {
    Banco()
        : percorsi(Percorsi::portatile(cartella.path().toStdString() + "/")),
          finestra(mod, s.servizi, percorsi, {}) {
        mod.SoundOn = false;
        finestra.resize(1024, 768);
        finestra.show();
        finestra.avvia();
        QCoreApplication::processEvents();
    }
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

void BM_TastoNellaFinestra(benchmark::State& state) {
    Banco b;
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
BENCHMARK(BM_TastoNellaFinestra)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
