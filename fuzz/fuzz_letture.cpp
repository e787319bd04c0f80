// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window's readings over arbitrary rows of a history file (one
// written by another program, or damaged in ways SQLite cannot see): any
// value of any type in any column. The readings must come back without
// undefined behaviour, the series ordered and without repeated points, and
// every rate the window draws between 0 and 1.
#include "history/storico.h"
#include "history/tastideboli.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <string>
#include <tuple>
#include <unistd.h>

using namespace scrivolta;
using namespace scrivolta::storico;

namespace {

void verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

Storico& fileDiProva() {
    static const std::string percorso =
        (std::filesystem::temp_directory_path() /
         ("scrivolta-fuzz-letture-" + std::to_string(::getpid()) + ".sqlite"))
            .string();
    static const auto s = [] {
        std::atexit([] {
            for (const char* fine : {"", "-wal", "-shm"})
                std::filesystem::remove(percorso + fine);
        });
        return std::make_unique<Storico>(percorso);
    }();
    return *s;
}

struct Tabella {
    const char* nome;
    int colonne;
};

constexpr Tabella kTabelle[] = {{"frasi", 11},  {"livelli", 7}, {"cicli", 7},       {"testi", 8},
                                {"partite", 6}, {"tasti", 4},   {"sostituzioni", 4}};

// A value of any SQLite type, with the extremes a damaged file may hold.
void legaValore(sql::Istruzione& st, int indice, FuzzedDataProvider& dati) {
    switch (dati.ConsumeIntegralInRange(0, 4)) {
    case 0:
        st.lega(indice, dati.ConsumeIntegral<std::int64_t>());
        break;
    case 1:
        st.lega(indice, dati.ConsumeFloatingPoint<double>());
        break;
    case 2:
        st.lega(indice, dati.ConsumeRandomLengthString(12));
        break;
    case 3:
        st.lega(indice, std::int64_t{dati.ConsumeIntegralInRange(-2, 300)});
        break;
    default:
        st.lega(indice, std::string("Anna"));
        break;
    }
}

void riempi(sql::Database& db, FuzzedDataProvider& dati) {
    for (int riga = 0; riga < 40 && dati.remaining_bytes() > 0; ++riga) {
        const Tabella& t = kTabelle[dati.ConsumeIntegralInRange<std::size_t>(0, 6)];
        std::string sql = std::string("INSERT OR REPLACE INTO ") + t.nome + " VALUES(?";
        for (int c = 1; c < t.colonne; ++c)
            sql += ",?";
        sql::Istruzione st(db, sql + ")");
        st.lega(1, std::string(dati.ConsumeBool() ? "Anna" : "Bruno"));
        for (int c = 2; c <= t.colonne; ++c)
            legaValore(st, c, dati);
        try {
            st.esegui();
        } catch (const sql::Errore&) {
        }
    }
}

void verificaLetture(Storico& s) {
    const auto punti = s.andamento("Anna");
    for (std::size_t i = 1; i < punti.size(); ++i) {
        const auto prima = std::tie(punti[i - 1].categoria, punti[i - 1].modo, punti[i - 1].giorno);
        verifica(prima < std::tie(punti[i].categoria, punti[i].modo, punti[i].giorno));
    }
    s.lezioni("Anna");
    s.storia("Anna");
    s.studenti();
    const auto tasti = s.tasti("Anna");
    for (const TastoDebole& d : tastiDeboli(tasti, s.sostituzioni("Anna")))
        verifica(d.tasso >= 0 && d.tasso <= 1);
    for (const auto& tasso : tassiPerTasto(tasti))
        verifica(!tasso || (*tasso >= 0 && *tasso <= 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dati(data, size);
    Storico& s = fileDiProva();
    // Rolled back at the end: every input starts from an empty file.
    sql::Transazione t(s.database());
    riempi(s.database(), dati);
    verificaLetture(s);
    return 0;
}
