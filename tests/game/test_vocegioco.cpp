// SPDX-License-Identifier: GPL-3.0-or-later
#include "banco_gioco.h"
#include "settings/lingua.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace scrivolta;

namespace {

using Detti = std::vector<std::pair<std::string, TipoAnnuncio>>;

// The character a learner should type: the lowest in the field, the
// rightmost at equal heights.
char piuBassa(const StatoGioco& s) {
    const Colonna* bassa = nullptr;
    for (const Colonna& c : s.colonne) {
        if (c.visibile && c.top >= 0 && (bassa == nullptr || c.top >= bassa->top))
            bassa = &c;
    }
    return bassa != nullptr ? bassa->lettera : 0;
}

std::string visibili(const StatoGioco& s) {
    std::string out;
    for (const Colonna& c : s.colonne)
        out += c.visibile ? c.lettera : '.';
    return out;
}

std::string maiuscola(char c) {
    return std::string(1, static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
}

Detti nuovi(const prova::AnnunciFinti& a, std::size_t da) {
    return Detti(a.detti.begin() + static_cast<std::ptrdiff_t>(da), a.detti.end());
}

} // namespace

// A whole level played without looking: after every tick and key exactly
// what changed is said (the characters that fell together, then a new
// target), and nothing when nothing changed.
TEST(VoceGioco, ALevelSaysEachNewTargetOnceAndTheCharactersLost) {
    prova::BancoGioco b;
    prova::AnnunciFinti annunci;
    b.annunciatore = &annunci;
    b.crea();
    b.avvia(opzioneGioco::Facile);
    char detto = 0;
    int prese = 0, silenziosi = 0, perse = 0;
    while (!b.vista.punti) {
        const std::string prima = visibili(b.stato());
        const std::size_t gia = annunci.detti.size();
        const char bersaglio = piuBassa(b.stato());
        const bool prendi = prese < 2 && bersaglio != 0;
        if (prendi) {
            b.gioco->Form_KeyPress(static_cast<unsigned char>(bersaglio));
            ++prese;
        } else {
            b.tick();
        }
        const std::string dopo = visibili(b.stato());
        std::string cadute;
        for (std::size_t i = 0; i < prima.size(); ++i) {
            if (prima[i] != '.' && dopo[i] == '.' && !prendi) {
                cadute += (cadute.empty() ? "" : ", ") + maiuscola(prima[i]);
                ++perse;
            }
        }
        Detti attesi;
        if (!cadute.empty())
            attesi.emplace_back("persa: " + cadute, TipoAnnuncio::Persa);
        const char ora = b.vista.punti ? 0 : piuBassa(b.stato());
        if (ora != 0 && ora != detto) {
            attesi.emplace_back(maiuscola(ora), TipoAnnuncio::Gioco);
            detto = ora;
        }
        silenziosi += attesi.empty() ? 1 : 0;
        ASSERT_EQ(nuovi(annunci, gia), attesi) << prima << " -> " << dopo;
    }
    EXPECT_EQ(prese, 2);
    EXPECT_EQ(perse, 4);
    EXPECT_GT(silenziosi, 10);
}

// Training keeps its marked target; a missed one falls again and is said
// lost, in the learner's language.
TEST(VoceGioco, TrainingSaysTheMarkedTargetAndItsMissesInTheLearnersLanguage) {
    prova::BancoGioco b;
    prova::AnnunciFinti annunci;
    b.annunciatore = &annunci;
    b.crea();
    b.avvia(opzioneGioco::PrimaSerie);
    ASSERT_FALSE(annunci.detti.empty());
    const auto [primo, tipo] = annunci.detti.front();
    EXPECT_EQ(tipo, TipoAnnuncio::Gioco);
    const std::size_t gia = annunci.detti.size();
    while (b.gioco->errate() == 0)
        b.tick();
    const Detti dopo = nuovi(annunci, gia);
    ASSERT_FALSE(dopo.empty());
    EXPECT_EQ(dopo.front().second, TipoAnnuncio::Persa);
    EXPECT_EQ(dopo.front().first.rfind("persa: ", 0), 0u) << dopo.front().first;

    const FileLingua francese(std::string(SCRIVOLTA_SOURCE_DATA) + "/Lang/French.lng");
    ASSERT_TRUE(francese.caricato());
    const TestiGioco testi = testiGiocoDaLingua(francese);
    prova::AnnunciFinti fr;
    VoceGioco voce(&fr, testi.voce);
    voce.persa('a');
    voce.persa('b');
    voce.parla('3'); // a digit needs Shift on the Belgian keyboard
    voce.parla('3');
    EXPECT_EQ(fr.detti,
              (Detti{{"perdu : A, B", TipoAnnuncio::Persa}, {"Maj + 3", TipoAnnuncio::Gioco}}));
}
