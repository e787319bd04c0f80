// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/testirisultati.h"

#include "settings/lingua.h"

#include <cstddef>
#include <string_view>

namespace scrivolta {

namespace {

// A slot of a window's table: its language id, the blanks the window puts
// around the language text, and the built-in Italian text (Windows-1252).
struct Voce {
    std::string_view id;
    std::string_view prima;
    std::string_view dopo;
    std::string_view predefinito;
};

// clang-format off
constexpr std::array<Voce, 33> kVociClassifica{{
    {"0091", "", "", "battute / sec"},
    {"0092", "", "", "battute / min"},
    {"0093", "", " ", "Frase "},
    {"0094", "", "", "Punteggio"},
    {"0095", "", "", "Media:"},
    {"0096", "", "", "Scrivi il tuo nome"},
    {"0097", "", "", " - Stampa dei risultati"},
    {"0098", "", "", "Vuoi eseguire la stampa dei risultati?"},
    {"0099", "", "", "Stampa inviata alla stampante."},
    {"0100", "", "", "Errore nella procedura di stampa."},
    {"0101", "   ", "", "Risultati ottenuti da: "},
    {"0102", "", " ", "Livello "},
    {"0103", "", " ", "Categoria "},
    {"0076", "", "", "L'esercizio corrente \xE8 stato eseguito utilizzando le frasi interne."},
    {"0077", "", "", "L'esercizio corrente \xE8 stato eseguito utilizzando il file "},
    {"0078", "", "", "Risultati complessivi dell'esercizio"},
    {"0079", "", "", "Digitazioni"},
    {"0080", "", "", "Punteggio:"},
    {"0081", "", "", "- Totale errori di battitura:"},
    {"0082", "", "", "- Totale  numero  battute:"},
    {"0083", "", "", "- Rapporto errori/battute:"},
    {"0104", "", "", "Molto bene! Hai terminato l'esercizio di livello "},
    {"0105", "", "", "Se vuoi continuare premi il pulsante: Continua."},
    {"0107", "", "", "Se vuoi continuare con l'esercizio precedente, premi il pulsante: Continua."},
    {"0108", "", "", "Se, invece, vuoi uscire dal programma, premi il pulsante: Termina"},
    {"0109", "", "", "Complimenti! Hai terminato l'eserczio di dattilografia."},
    {"0110", "", "", "Se vuoi iniziare da capo premi il pulsante: Continua."},
    {"0111", "", "", "Se, invece, vuoi uscire dal programma, premi il pulsante: Termina"},
    {"0135", "", "", "Per creare un nuovo file pdf occorre chiudere quello attualmente aperto."},
    {"0139", "", "", "Ottimo"},
    {"0140", "", "", "Buono"},
    {"0141", "", "", "Sufficiente"},
    {"0142", "", "", "Insufficiente"},
}};

constexpr std::array<Voce, 25> kVociRapporto{{
    {"0091", "", "", "Battute / sec"},
    {"0092", "", "", "Battute / min"},
    {"0128", "", "", "Battute esatte"},
    {"0129", "", "", "Parole contenute nel file"},
    {"0130", "", "", "Numero  battute"},
    {"0131", "", "", "Numero errori"},
    {"0132", "", "", "Rapporto errori/battute"},
    {"0103", "", "", "Categoria"},
    {"0133", "", "", "Risultati complessivi dell'esercizio"},
    {"0127", "", "", "Tempo totale impiegato"},
    {"0134", "", "", "Rapporto battute esatte/totali"},
    {"0135", "", "", "Per creare un nuovo file pdf occorre chiudure quello attualmente aperto."},
    {"0101", "", "", "Risultati ottenuti da:"},
    {"0144", "", "", "Caratteri maiuscoli"},
    {"0145", "", "", "Caratteri minuscoli"},
    {"0146", "", "", "Caratteri numerici"},
    {"0147", "", "", "Segni di punteggiatura"},
    {"0148", "", "", "Spazi"},
    {"0149", "", "", "Caratteri speciali"},
    {"0139", "", "", "Ottimo"},
    {"0140", "", "", "Buono"},
    {"0141", "", "", "Sufficiente"},
    {"0142", "", "", "Insufficiente"},
    {"0150", "", "", "Valutazione complessiva dell'esercizio"},
    {"0152", "", "", "Valutazione"},
}};

constexpr std::array<std::string_view, 3> kLivelliPredefiniti{
    " Risultati primo livello - categoria: ",
    " Risultati secondo livello - categoria: ",
    " Risultati terzo livello - categoria: ",
};
constexpr std::array<std::string_view, 3> kIdLivelli{"0088", "0089", "0090"};
// clang-format on

template <std::size_t N> std::array<std::string, N> predefiniti(const std::array<Voce, N>& voci) {
    std::array<std::string, N> testi;
    for (std::size_t i = 0; i < N; ++i)
        testi[i] = voci[i].predefinito;
    return testi;
}

template <std::size_t N>
std::array<std::string, N> daLingua(const std::array<Voce, N>& voci, const FileLingua& lingua) {
    std::array<std::string, N> testi;
    for (std::size_t i = 0; i < N; ++i) {
        const Voce& v = voci[i];
        testi[i] = std::string(v.prima) + lingua.TestoLingua(v.id) + std::string(v.dopo);
    }
    return testi;
}

} // namespace

TestiClassifica testiClassifica(const std::string& nomeModalita) {
    TestiClassifica t;
    t.testi = predefiniti(kVociClassifica);
    t.risposte = {"Continua", "Termina"};
    t.tooltipRisposte = {"Ritorna all'esercizio precedente", "Chiude il programma"};
    t.tooltipPrint = "Stampa la classifica";
    for (std::size_t i = 0; i < t.livelli.size(); ++i)
        t.livelli[i] = std::string(kLivelliPredefiniti[i]) + " " + nomeModalita;
    return t;
}

TestiClassifica testiClassifica(const FileLingua& lingua, const std::string& nomeModalita) {
    TestiClassifica t = testiClassifica(nomeModalita);
    t.testi = daLingua(kVociClassifica, lingua);
    t.risposte = {lingua.TestoLingua("0112"), lingua.TestoLingua("0114")};
    t.tooltipRisposte = t.risposte;
    t.tooltipPrint = lingua.TestoLingua("0086");
    for (std::size_t i = 0; i < t.livelli.size(); ++i)
        t.livelli[i] = " " + lingua.TestoLingua(kIdLivelli[i]) + " " + nomeModalita;
    return t;
}

TestiRapporto testiRapporto() {
    return {predefiniti(kVociRapporto), "Chiudi", "Crea file pdf"};
}

TestiRapporto testiRapporto(const FileLingua& lingua) {
    return {daLingua(kVociRapporto, lingua), lingua.TestoLingua("0075"),
            lingua.TestoLingua("0136")};
}

} // namespace scrivolta
