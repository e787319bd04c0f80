// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/testiprogressi.h"

#include "app/cp1252.h"
#include "history/schema.h"
#include "settings/lingua.h"

#include <algorithm>
#include <cmath>
#include <sqlite3.h>

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
    {"2500", "Motivo:"},
    {"2501", "il file \xE8 in uso da un altro programma."},
    {"2502", "il file o la sua cartella \xE8 di sola lettura."},
    {"2503", "il file \xE8 stato scritto da una versione pi\xF9 recente di Scrivolta."},
    {"2504", "il file non si pu\xF2 aprire: al suo posto c'\xE8 una cartella o un file speciale, oppure la sua cartella non si pu\xF2 creare."},
    {"2505", "il disco \xE8 pieno."},
    {"2506", "errore di lettura o di scrittura sul disco."},
    {"2507", "il file \xE8 danneggiato."},
    {"2508", "errore imprevisto, codice"},
    {"2509", "Questo lavoro della sessione non \xE8 stato salvato nei progressi:"},
    {"2510", "\xC8 conservato in questo file e sar\xE0 aggiunto ai progressi al prossimo avvio:"},
    {"2511", "Non \xE8 stato possibile conservarlo altrove: \xE8 andato perso."},
    {"2512", "I progressi sono ora conservati in:"},
    {"2513", "I progressi precedenti restano, in sola lettura, in:"},
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

// Only the file's path comes from outside the language table; paths are
// UTF-8, the program's texts Windows-1252.
std::string TestiProgressi::messaggio(const Problema& problema) const {
    const std::string percorso = cp1252::fromUtf8(problema.dettaglio);
    switch (problema.tipo) {
    case Problema::Tipo::Spostato:
        return (*this)[TestoProgressi::FileSpostato] + "\r\n" + percorso;
    case Problema::Tipo::Trasferito:
        return (*this)[TestoProgressi::TrasferitoIn] + "\r\n" + percorso + "\r\n\r\n" +
               (*this)[TestoProgressi::PrecedenteIn] + "\r\n" +
               cp1252::fromUtf8(problema.precedente);
    case Problema::Tipo::NonScrivibile:
        break;
    }
    return (*this)[TestoProgressi::NonSalvabile] + "\r\n" + percorso + "\r\n" +
           (*this)[TestoProgressi::Motivo] + " " + motivo(problema.codice);
}

std::string TestiProgressi::messaggio(const Chiusura& chiusura) const {
    std::string out;
    for (const Problema& p : chiusura.spostati)
        out += messaggio(p) + "\r\n\r\n";
    const Lotto& l = chiusura.nonSalvato;
    if (l.vuoto())
        return out.substr(0, out.size() - 4);
    const auto allenamenti = static_cast<std::size_t>(std::count_if(
        l.partite.begin(), l.partite.end(), [](const Partita& p) { return p.allenamento; }));
    const std::array<std::size_t, kTipiRiga> quanti = {l.frasi.size(),
                                                       l.livelli.size(),
                                                       l.cicli.size(),
                                                       l.testi.size(),
                                                       l.partite.size() - allenamenti,
                                                       allenamenti};
    out += (*this)[TestoProgressi::NonSalvatoChiusura];
    for (std::size_t t = 0; t < quanti.size(); ++t) {
        if (quanti[t] > 0)
            out += "\r\n" + testi_[static_cast<std::size_t>(TestoProgressi::PrimoTipo) + t] + ": " +
                   std::to_string(quanti[t]);
    }
    out += "\r\n" + (*this)[TestoProgressi::Motivo] + " " + motivo(chiusura.codice) + "\r\n\r\n";
    if (chiusura.inAttesa.empty())
        return out + (*this)[TestoProgressi::PersoChiusura];
    return out + (*this)[TestoProgressi::ConservatoInAttesa] + "\r\n" +
           cp1252::fromUtf8(chiusura.inAttesa);
}

std::string TestiProgressi::motivo(int codice) const {
    switch (codice) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return (*this)[TestoProgressi::MotivoInUso];
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return (*this)[TestoProgressi::MotivoSolaLettura];
    case kCodiceVersioneNuova:
        return (*this)[TestoProgressi::MotivoVersioneNuova];
    case SQLITE_CANTOPEN:
        return (*this)[TestoProgressi::MotivoNonApribile];
    case SQLITE_FULL:
        return (*this)[TestoProgressi::MotivoDiscoPieno];
    case SQLITE_IOERR:
        return (*this)[TestoProgressi::MotivoDisco];
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return (*this)[TestoProgressi::MotivoDanneggiato];
    default:
        return (*this)[TestoProgressi::MotivoImprevisto] + " " + std::to_string(codice) + ".";
    }
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

namespace {

// A code outside the code page (a damaged file's) shows as a question mark.
std::string carattere(int codice) {
    if (codice < 0 || codice > 0xFF)
        return "?";
    return std::string(1, static_cast<char>(codice));
}

} // namespace

std::string testoTastiDeboli(const std::vector<TastoDebole>& deboli, const TestiProgressi& testi) {
    std::string elenco;
    for (const TastoDebole& d : deboli) {
        if (!elenco.empty())
            elenco += ";  ";
        elenco += carattere(d.carattere) + "  " + std::to_string(std::lround(d.tasso * 100)) + " %";
        if (d.alPostoDi)
            elenco += " (" + testi[TestoProgressi::AlPostoDi] + ' ' + carattere(*d.alPostoDi) + ')';
    }
    if (elenco.empty())
        elenco = testi[TestoProgressi::Nessuno];
    return testi[TestoProgressi::TastiDeboli] + ' ' + elenco;
}

} // namespace scrivolta::storico
