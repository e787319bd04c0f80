// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/testiprogressi.h"

#include "app/cp1252.h"
#include "settings/lingua.h"

namespace scrivolta::storico {

namespace {

struct Voce {
    std::string_view id;
    std::string_view italiano;
};

// clang-format off
constexpr std::array<Voce, kTestiProgressi> kVoci = {{
    {"2400", "Progressi"},
    {"2401", "Allievo:"},
    {"2402", "Velocit\xE0 (battute al minuto)"},
    {"2403", "Errori ogni 100 battute"},
    {"2404", "Lezioni del corso ed esercizi"},
    {"2405", "File"},
    {"2406", "Frasi"},
    {"2407", "Migliore"},
    {"2408", "Media"},
    {"2409", "Errori per tasto"},
    {"2410", "Tasti pi\xF9 deboli:"},
    {"2411", "nessuno"},
    {"2412", "al suo posto:"},
    {"2413", "&Esporta CSV..."},
    {"2414", "Esercitati sui tasti &deboli"},
    {"2415", "&Chiudi"},
    {"2416", "Il file dei progressi era danneggiato. \xC8 stato conservato come:"},
    {"2417", "Non \xE8 possibile salvare i progressi:"},
    {"2418", "Impossibile scrivere il file:"},
    {"2419", "Non ci sono ancora abbastanza errori registrati per preparare un esercizio."},
    {"2446", "Andamento"},
    {"2447", ","},
    {"2448", "Impossibile leggere il file dei progressi:"},
    {"2420", "Allievo"},
    {"2421", "Data"},
    {"2422", "Ora"},
    {"2423", "Tipo"},
    {"2424", "Categoria"},
    {"2425", "File"},
    {"2426", "Livello"},
    {"2427", "Modalit\xE0"},
    {"2428", "Battute"},
    {"2429", "Errori"},
    {"2430", "Secondi"},
    {"2431", "Battute al minuto"},
    {"2432", "Punteggio"},
    {"2433", "Frase"},
    {"2434", "Livello"},
    {"2435", "Ciclo"},
    {"2436", "File di testo"},
    {"2437", "Gioco"},
    {"2438", "Allenamento"},
    {"2439", "Frasi interne"},
    {"2440", "Corso dattilo"},
    {"2441", "Esercizi"},
    {"2442", "File di testo"},
    {"2443", "Gioco e allenamento"},
    {"2444", "Principiante"},
    {"2445", "Esperto"},
}};
// clang-format on

template <std::size_t N>
std::array<std::string, N> da(const std::array<std::string, kTestiProgressi>& t,
                              TestoProgressi primo) {
    std::array<std::string, N> out;
    for (std::size_t i = 0; i < N; ++i)
        out[i] = t[static_cast<std::size_t>(primo) + i];
    return out;
}

} // namespace

TestiProgressi::TestiProgressi() {
    for (std::size_t i = 0; i < kVoci.size(); ++i)
        testi_[i] = kVoci[i].italiano;
}

TestiProgressi::TestiProgressi(const FileLingua& lingua) : TestiProgressi() {
    for (std::size_t i = 0; i < kVoci.size(); ++i) {
        std::string t = lingua.TestoLingua(kVoci[i].id);
        if (!t.empty())
            testi_[i] = std::move(t);
    }
}

const std::string& TestiProgressi::categoria(int c) const {
    const int i = c >= 0 && c < 5 ? c : 0;
    return testi_[static_cast<std::size_t>(TestoProgressi::PrimaCategoria) +
                  static_cast<std::size_t>(i)];
}

TestiCsv TestiProgressi::csv() const {
    return {da<TestiCsv::kColonne>(testi_, TestoProgressi::PrimaColonnaCsv),
            da<kTipiRiga>(testi_, TestoProgressi::PrimoTipo),
            da<5>(testi_, TestoProgressi::PrimaCategoria),
            da<2>(testi_, TestoProgressi::PrimoModo)};
}

std::string TestiProgressi::messaggio(const Problema& problema) const {
    const bool spostato = problema.tipo == Problema::Tipo::Spostato;
    const auto& testo =
        (*this)[spostato ? TestoProgressi::FileSpostato : TestoProgressi::NonSalvabile];
    // Paths and SQLite's messages are UTF-8; the program's texts are not.
    return testo + "\r\n" + cp1252::fromUtf8(problema.dettaglio);
}

const std::array<std::string_view, kTestiProgressi>& TestiProgressi::id() {
    static const auto ids = [] {
        std::array<std::string_view, kTestiProgressi> out;
        for (std::size_t i = 0; i < kVoci.size(); ++i)
            out[i] = kVoci[i].id;
        return out;
    }();
    return ids;
}

} // namespace scrivolta::storico
