// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/voce.h"

#include "app/testo.h"
#include "keyboard/mappatasti.h"
#include "settings/lingua.h"

#include <algorithm>

namespace scrivolta {

namespace {

struct VoceTesto {
    std::string_view id;
    std::string_view italiano;
};

// clang-format off
constexpr std::array<VoceTesto, kTestiVoce> kVoci = {{
    {"2600", "Maiuscolo"},
    {"2601", "Alt Gr"},
    {"2602", "poi"},
    {"2603", "spazio"},
    {"2604", "Invio"},
    {"2605", "accento acuto"},
    {"2606", "accento grave"},
    {"2607", "tilde"},
    {"2608", "accento circonflesso"},
    {"2609", "dieresi"},
    {"2610", "errore: %1, atteso: %2"},
    {"2611", "Da Alt+1 ad Alt+5 si sceglie la categoria, con Alt+6 e Alt+7 la modalit\xE0; F4 rilegge la frase."},
    {"2612", "%1 punti"},
    {"2613", "errori: %1"},
    {"2614", "Risultati. Medie dei livelli: %1."},
    {"2650", "persa: %1"},
}};
// clang-format on

constexpr int kCr = 13;

std::string sostituisci(std::string testo, std::string_view segnaposto, std::string_view valore) {
    if (const auto da = testo.find(segnaposto); da != std::string::npos)
        testo.replace(da, segnaposto.size(), valore);
    return testo;
}

// Line breaks of the screen are pauses in speech.
std::string suUnaRiga(std::string_view testo) {
    std::string riga;
    for (const char c : testo) {
        if (c == '\n')
            continue;
        riga += c == '\r' ? ' ' : c;
    }
    return std::string(testo::senzaSpazi(riga));
}

std::string nome(int carattere, const TestiVoce& testi) {
    if (carattere == ' ')
        return testi[TestoVoce::Spazio];
    if (carattere == kCr || carattere == '\n')
        return testi[TestoVoce::Invio];
    if (carattere < 0 || carattere > 0xFF)
        return "?";
    // A lone lower-case letter is said as its key is printed.
    const char c = static_cast<char>(carattere);
    return std::string(1, carattere < 0x80 ? testo::maiuscola(c) : c);
}

// The character a key types alone: what is printed on it first.
int carattereDelTasto(int tasto) {
    const auto voce =
        std::find_if(mappaTasti.begin(), mappaTasti.end(), [tasto](const VoceMappa& v) {
            return v.tasto == tasto && v.modificatore == Modificatore::Nessuno && v.carattere != 0;
        });
    return voce != mappaTasti.end() ? voce->carattere : -1;
}

bool maiuscolaAccentata(unsigned char c) {
    return c >= 0xC0 && c <= 0xDE && c != 0xD7;
}

} // namespace

TestiVoce::TestiVoce() {
    for (std::size_t i = 0; i < kVoci.size(); ++i)
        testi_[i] = kVoci[i].italiano;
}

TestiVoce::TestiVoce(const FileLingua& lingua) : TestiVoce() {
    for (std::size_t i = 0; i < kVoci.size(); ++i) {
        std::string t = lingua.TestoLingua(kVoci[i].id);
        if (!t.empty())
            testi_[i] = std::move(t);
    }
}

const std::array<std::string_view, kTestiVoce>& TestiVoce::id() {
    static const auto ids = [] {
        std::array<std::string_view, kTestiVoce> out;
        for (std::size_t i = 0; i < kVoci.size(); ++i)
            out[i] = kVoci[i].id;
        return out;
    }();
    return ids;
}

std::string tastiInParole(unsigned char carattere, const TestiVoce& testi) {
    const auto indice = cercaCarattere(carattere == '\n' ? kCr : carattere);
    if (!indice)
        return nome(carattere, testi);
    const VoceMappa& voce = mappaTasti[static_cast<std::size_t>(*indice)];
    const std::string piu = " + ";
    switch (voce.modificatore) {
    case Modificatore::Nessuno:
        return nome(carattere, testi);
    case Modificatore::ShiftSinistro:
    case Modificatore::ShiftDestro:
        return testi[TestoVoce::Maiuscolo] + piu + nome(carattere, testi);
    case Modificatore::AltGr:
        return testi[TestoVoce::AltGr] + piu + nome(carattereDelTasto(voce.tasto), testi);
    default:
        break;
    }
    const auto accento = static_cast<std::size_t>(TestoVoce::Acuto) +
                         static_cast<std::size_t>(voce.modificatore) -
                         static_cast<std::size_t>(Modificatore::AccentoAcuto);
    std::string lettera = nome(carattereDelTasto(voce.tasto), testi);
    if (maiuscolaAccentata(carattere))
        lettera = testi[TestoVoce::Maiuscolo] + piu + lettera;
    return testi[static_cast<TestoVoce>(accento)] + " " + testi[TestoVoce::Poi] + " " + lettera;
}

std::string carattereInParole(int carattere, const TestiVoce& testi) {
    return nome(carattere, testi);
}

void Voce::saluto(std::string_view schermo) {
    annunciatore_.annuncia(suUnaRiga(schermo) + " " + testi_[TestoVoce::TastiSaluto],
                           TipoAnnuncio::Saluto);
}

void Voce::nuovoTesto(std::string_view testo, unsigned char atteso) {
    annunciatore_.annuncia(suUnaRiga(testo) + ". " + tastiInParole(atteso, testi_),
                           TipoAnnuncio::Testo);
}

void Voce::tastoGiusto(unsigned char prossimo) {
    if (opzioni_.tastoSuccessivo)
        annunciatore_.annuncia(tastiInParole(prossimo, testi_), TipoAnnuncio::Tasto);
}

void Voce::tastoSbagliato(int digitato, unsigned char atteso) {
    std::string testo = sostituisci(testi_[TestoVoce::Errore], "%1", nome(digitato, testi_));
    annunciatore_.annuncia(sostituisci(std::move(testo), "%2", tastiInParole(atteso, testi_)),
                           TipoAnnuncio::Errore);
}

void Voce::fineFrase(std::string_view messaggio, int punteggio, int errori) {
    std::string testo;
    switch (opzioni_.dettaglio) {
    case DettaglioRisultati::Punteggio:
        testo = sostituisci(testi_[TestoVoce::Punti], "%1", std::to_string(punteggio));
        break;
    case DettaglioRisultati::Messaggio:
        testo = suUnaRiga(messaggio);
        break;
    case DettaglioRisultati::Completo:
        testo = suUnaRiga(messaggio) + " " +
                sostituisci(testi_[TestoVoce::ErroriFrase], "%1", std::to_string(errori));
        break;
    }
    annunciatore_.annuncia(std::move(testo), TipoAnnuncio::Esito);
}

void Voce::risultati(const std::array<std::string, 3>& medie) {
    std::string elenco;
    for (const std::string& media : medie) {
        if (media.empty())
            continue;
        elenco += (elenco.empty() ? "" : ", ") + media;
    }
    if (!elenco.empty())
        annunciatore_.annuncia(sostituisci(testi_[TestoVoce::Risultati], "%1", elenco),
                               TipoAnnuncio::Risultati);
}

void Voce::rileggi(std::string_view testo, unsigned char atteso) {
    if (opzioni_.rileggi)
        nuovoTesto(testo, atteso);
}

} // namespace scrivolta
