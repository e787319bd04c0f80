// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace scrivolta {

class FileLingua;

// The words the program speaks to a learner who does not see the screen.
enum class TestoVoce : std::size_t {
    Maiuscolo, // the Shift key
    AltGr,     // the Alt Gr key
    Poi,       // between a dead key and the letter after it
    Spazio,    // the space bar
    Invio,     // the Enter key
    Acuto,     // the dead keys, in the order of `Modificatore`
    Grave,
    Tilde,
    Circonflesso,
    Dieresi,
    Errore,      // "%1" the key typed, "%2" the key due
    TastiSaluto, // the keys of the greeting
    Punti,       // "%1" the phrase's score
    ErroriFrase, // "%1" the phrase's errors
    Risultati,   // "%1" the averages of the levels typed
    Persa,       // "%1" a game character that reached the bottom
    Numero,
};

inline constexpr std::size_t kTestiVoce = static_cast<std::size_t>(TestoVoce::Numero);

// Windows-1252 texts: the built-in Italian ones, or a language file's.
class TestiVoce {
public:
    TestiVoce();
    // A text the file lacks keeps its Italian one.
    explicit TestiVoce(const FileLingua& lingua);

    const std::string& operator[](TestoVoce t) const { return testi_[static_cast<std::size_t>(t)]; }
    static const std::array<std::string_view, kTestiVoce>& id();

private:
    std::array<std::string, kTestiVoce> testi_;
};

// How to type `carattere` on the Belgian keyboard, in words: "Maj + A",
// "Alt Gr + E", "accent circonflexe puis E"; a character without a key is
// named as it is.
std::string tastiInParole(unsigned char carattere, const TestiVoce& testi);

// A character as it is named alone: "espace", a letter as printed on its key.
std::string carattereInParole(int carattere, const TestiVoce& testi);

// What the exercise says, and when. The moments come from the exercise;
// the words from the language tables; the speech is queued by the
// announcer, so nothing here ever waits.
class Voce {
public:
    Voce(Annunciatore& annunciatore, const TestiVoce& testi, const OpzioniVoce& opzioni)
        : annunciatore_(annunciatore), testi_(testi), opzioni_(opzioni) {}

    // `schermo`: the greeting as it stands on screen.
    void saluto(std::string_view schermo);
    // A phrase, or a text file's first part, is there to type.
    void nuovoTesto(std::string_view testo, unsigned char atteso);
    void tastoGiusto(unsigned char prossimo);
    void tastoSbagliato(int digitato, unsigned char atteso);
    // `messaggio`: the message as shown after the phrase.
    void fineFrase(std::string_view messaggio, int punteggio, int errori);
    // The learner asks to hear the text and the key due again.
    void rileggi(std::string_view testo, unsigned char atteso);
    // The results window opens on these level averages ("" for a level
    // not typed).
    void risultati(const std::array<std::string, 3>& medie);

private:
    Annunciatore& annunciatore_;
    const TestiVoce& testi_;
    const OpzioniVoce& opzioni_;
};

} // namespace scrivolta
