// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise's judgement of one keystroke: a right key in a phrase (the
// common case: counters, next character, marking on the keyboard model) and
// a wrong one (sound, error mark, count, rating; the input's flashing waits
// on a scripted clock here). Then whole cycles of fifteen phrases, built-in
// or from a course lesson, per keystroke: phrase starts and ends, levels and
// results included.

#include "engine/esercizio.h"
#include "support/servizi_finti.h"

#include <benchmark/benchmark.h>

namespace {

using namespace scrivolta;

class MisuraMuta final : public MisuraTesto {
public:
    int larghezzaTesto(std::string_view t) const override { return 9 * static_cast<int>(t.size()); }
    int larghezzaRiga() const override { return 584; }
};

class VistaMuta final : public VistaEsercizio {
public:
    void statoCambiato() override {}
    void ridisegnaOra() override {}
    int larghezzaTesto(std::string_view t) const override { return 9 * static_cast<int>(t.size()); }
    int altezzaTesto(std::string_view) const override { return 18; }
    int larghezzaProgresso() const override { return 330; }
    const MisuraTesto& misuraFrase() const override { return misura; }
    void MostraGioco() override {}
    void timerOrologio(bool) override {}
    void timerLampeggio(bool) override {}
    void MostraFinestra(Finestra) override {}
    void chiudiProgramma() override {}
    void apriGuida() override {}
    void mostraInformazioni() override {}
    void sfondoCambiato() override {}
    void MostraMappaTasti() override {}
    void scaricaMappaTasti() override {}
    MisuraMuta misura;
};

struct Banco {
    Banco() {
        TestiPredefiniti(testi);
        mod.SoundOn = false;
        tastiera.RipristinaTastiera();
        tastiera.PreparaEvidenziaInvio();
        e.ImpostaModalita(0);
        e.MostraSaluto();
    }
    // A new phrase of the first level (the cycle restarts every 15).
    void nuovaFrase() {
        if (e.numeroFrase() >= 5)
            e.Ricomincia();
        s.caso.scegliFrase(prossima++ % 15 + 1);
        e.Form_KeyPress(codiceTasto::Invio);
    }
    // Phrases in turn: never one the restarted cycle still counts as used.
    int prossima = 0;
    ModTastiro mod;
    Tastiera tastiera;
    TestiPrincipali testi;
    prova::ServiziFinti s;
    VistaMuta vista;
    Percorsi percorsi = Percorsi::portatile("/nonexistent/scrivolta/");
    SceltaTesto scelta{percorsi};
    Esercizio e{mod, tastiera, testi, s.servizi, vista, scelta};
};

void BM_TastoGiusto(benchmark::State& state) {
    Banco b;
    b.s.messaggi.risposte.assign(1000000, Risposta::Si);
    b.nuovaFrase();
    for (auto _ : state) {
        // The last key of a phrase ends it: a moment the learner waits
        // for anyway, not counted here.
        if (b.e.posizione() >= static_cast<int>(b.e.testoCorrente().size())) {
            state.PauseTiming();
            b.e.txtInput_KeyPress(static_cast<unsigned char>(b.e.carattereAtteso().front()));
            b.nuovaFrase();
            state.ResumeTiming();
        }
        b.e.txtInput_KeyPress(static_cast<unsigned char>(b.e.carattereAtteso().front()));
    }
}
BENCHMARK(BM_TastoGiusto);

// Types every phrase of cycles to their end; the counter is the time per
// keystroke, everything the cycle does between keys included.
void cicli(benchmark::State& state, Banco& b) {
    std::int64_t tasti = 0;
    for (auto _ : state) {
        b.e.Form_KeyPress(codiceTasto::Invio);
        // Between two lessons Enter only brings the next one up.
        for (int i = 0; i < 1000 && !b.e.testoFinito() && !b.e.carattereAtteso().empty(); ++i) {
            b.e.txtInput_KeyPress(static_cast<unsigned char>(b.e.carattereAtteso().front()));
            ++tasti;
        }
    }
    state.counters["tasto"] = benchmark::Counter(
        static_cast<double>(tasti), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CicloFrasiInterne(benchmark::State& state) {
    Banco b;
    cicli(state, b);
}
BENCHMARK(BM_CicloFrasiInterne);

void BM_CicloLezione(benchmark::State& state) {
    Banco b;
    b.percorsi = Percorsi::portatile(SCRIVOLTA_SOURCE_DATA "/");
    b.e.optMenu_Click(Categoria::Corso);
    b.scelta.cboListFile_Click(16);
    cicli(state, b);
}
BENCHMARK(BM_CicloLezione);

void BM_TastoSbagliato(benchmark::State& state) {
    Banco b;
    b.nuovaFrase();
    b.e.txtInput_KeyPress(static_cast<unsigned char>(b.e.carattereAtteso().front()));
    for (auto _ : state)
        b.e.txtInput_KeyPress('#');
}
BENCHMARK(BM_TastoSbagliato);

} // namespace

BENCHMARK_MAIN();
