// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/codaannunci.h"
#include "banco_esercizio.h"
#include "engine/voce.h"
#include "settings/lingua.h"
#include "support/lingue_spedite.h"

#include <gtest/gtest.h>
#include <utility>

using namespace scrivolta;

namespace {

struct AnnunciRegistrati final : Annunciatore {
    void annuncia(std::string testo, TipoAnnuncio tipo) override {
        detti.emplace_back(std::move(testo), tipo);
    }
    std::vector<std::pair<std::string, TipoAnnuncio>> detti;
};

} // namespace

// A French learner must not hear the keys named in Italian.
TEST(TestiVoce, BothShippedLanguagesHaveEveryTextWithItsPlaceholders) {
    prova::idInOgniLinguaSpedita(TestiVoce::id());
    for (const char* lingua : prova::kLingueSpedite) {
        const TestiVoce t(prova::linguaSpedita(lingua));
        EXPECT_NE(t[TestoVoce::Spazio], TestiVoce()[TestoVoce::Spazio]) << lingua;
        for (const auto& [testo, segnaposti] : {std::pair{TestoVoce::Errore, 2},
                                                {TestoVoce::Punti, 1},
                                                {TestoVoce::ErroriFrase, 1},
                                                {TestoVoce::Risultati, 1},
                                                {TestoVoce::Persa, 1}}) {
            for (int n = 1; n <= segnaposti; ++n)
                EXPECT_NE(t[testo].find("%" + std::to_string(n)), std::string::npos)
                    << lingua << " " << t[testo];
        }
    }
}

// A learner who does not see the keyboard hears which keys make the
// character: the modifier first, a dead key before the letter.
TEST(TastiInParole, NameTheKeysInTheOrderTheyArePressed) {
    const TestiVoce testi;
    const std::vector<std::pair<unsigned char, std::string>> casi = {
        {'a', "A"},
        {'A', "Maiuscolo + A"},
        {'1', "Maiuscolo + 1"},
        {' ', "spazio"},
        {'\r', "Invio"},
        {0x80, "Alt Gr + E"},   // the euro sign on the E key
        {'@', "Alt Gr + \xE9"}, // on the key of é
        {0xEA, "accento circonflesso poi E"},
        {0xEB, "dieresi poi E"}, // the dead key needs Shift, said as the diaeresis
        {',', ","},
        {'\x9C', "\x9C"}, // no key types it: named as it is
    };
    for (const auto& [carattere, parole] : casi)
        EXPECT_EQ(tastiInParole(carattere, testi), parole) << int(carattere);
}

// What is no longer true is dropped, not said late.
TEST(CodaAnnunci, DropsWhatANewerAnnouncementMakesStale) {
    using T = TipoAnnuncio;
    struct Caso {
        std::vector<std::pair<const char*, T>> aggiunti;
        std::vector<std::string> restano;
    };
    const std::vector<Caso> casi = {
        {{{"a", T::Tasto}, {"b", T::Errore}}, {"a", "b"}},
        {{{"a", T::Tasto}, {"b", T::Errore}, {"c", T::Tasto}}, {"b", "c"}},
        {{{"a", T::Errore}, {"b", T::Esito}, {"frase", T::Testo}}, {"frase"}},
        {{{"a", T::Tasto}, {"ciao", T::Saluto}, {"b", T::Errore}}, {"ciao", "b"}},
        {{{"", T::Errore}}, {}},
        {{{"1", T::Saluto},
          {"2", T::Tasto},
          {"3", T::Errore},
          {"4", T::Esito},
          {"5", T::Risultati},
          {"6", T::Gioco}},
         {"3", "4", "5", "6"}},
    };
    for (std::size_t i = 0; i < casi.size(); ++i) {
        CodaAnnunci coda;
        for (const auto& [testo, tipo] : casi[i].aggiunti)
            coda.aggiungi(testo, tipo);
        std::vector<std::string> restano;
        while (const auto t = coda.prossimo())
            restano.push_back(*t);
        EXPECT_EQ(restano, casi[i].restano) << "case " << i;
        EXPECT_TRUE(coda.vuota());
    }
}

namespace scrivolta::prova {

class VoceTest : public EsercizioTest {
protected:
    VoceTest() { e.impostaVoce(&voce); }

    std::vector<std::string> detti(TipoAnnuncio tipo) const {
        std::vector<std::string> out;
        for (const auto& [testo, t] : annunci.detti) {
            if (t == tipo)
                out.push_back(testo);
        }
        return out;
    }

    // The message as it is spoken: a line break is a pause.
    std::string messaggioDetto() const {
        std::string m = e.stato().messaggio;
        for (auto a = m.find("\r\n"); a != std::string::npos; a = m.find("\r\n"))
            m.replace(a, 2, " ");
        return m;
    }

    AnnunciRegistrati annunci;
    TestiVoce testiVoce;
    OpzioniVoce opzioni;
    Voce voce{annunci, testiVoce, opzioni};
};

TEST_F(VoceTest, TheGreetingSaysWhatIsOnScreenAndTheKeysThatChoose) {
    e.MostraSaluto();
    ASSERT_EQ(detti(TipoAnnuncio::Saluto).size(), 1U);
    const std::string saluto = detti(TipoAnnuncio::Saluto)[0];
    EXPECT_EQ(saluto.find('\r'), std::string::npos);
    EXPECT_EQ(saluto.rfind(testi.messaggi[Messaggio::Ciao], 0), 0U) << saluto;
    EXPECT_NE(saluto.find("Alt+1"), std::string::npos) << saluto;
}

// A fast typist hears nothing between the phrase and its end but the wrong
// keys; the learner who asks for it hears every next key.
class VoceFrase : public VoceTest, public ::testing::WithParamInterface<bool> {};

TEST_P(VoceFrase, APhraseIsSpokenWithItsKeysAtTheRightMoments) {
    opzioni.tastoSuccessivo = GetParam();
    iniziaFrase(11); // "ma chambre donne sur le jardin"
    EXPECT_EQ(detti(TipoAnnuncio::Testo),
              std::vector<std::string>{"ma chambre donne sur le jardin. M"});
    digita("m");
    premi('x');
    EXPECT_EQ(detti(TipoAnnuncio::Errore), std::vector<std::string>{"errore: X, atteso: A"});
    digita("a ");
    const std::vector<std::string> successivi = {"A", "spazio", "C"};
    EXPECT_EQ(detti(TipoAnnuncio::Tasto), GetParam() ? successivi : std::vector<std::string>());
    digita(e.testoCorrente().substr(3));
    EXPECT_EQ(detti(TipoAnnuncio::Esito), std::vector<std::string>{messaggioDetto()});
}

INSTANTIATE_TEST_SUITE_P(TastoSuccessivo, VoceFrase, ::testing::Bool());

class VoceEsito : public VoceTest,
                  public ::testing::WithParamInterface<std::pair<DettaglioRisultati, const char*>> {
};

TEST_P(VoceEsito, TheResultOfAPhraseFollowsTheChosenDetail) {
    const auto& [dettaglio, atteso] = GetParam();
    opzioni.dettaglio = dettaglio;
    iniziaFrase(11);
    digita("m");
    premi('x');
    digita(e.testoCorrente().substr(1));
    std::string esito = atteso;
    if (const auto messaggio = esito.find("<messaggio>"); messaggio != std::string::npos)
        esito.replace(messaggio, 11, messaggioDetto());
    EXPECT_EQ(detti(TipoAnnuncio::Esito), std::vector<std::string>{esito});
}

INSTANTIATE_TEST_SUITE_P(Dettaglio, VoceEsito,
                         ::testing::Values(std::pair{DettaglioRisultati::Punteggio, "100 punti"},
                                           std::pair{DettaglioRisultati::Messaggio, "<messaggio>"},
                                           std::pair{DettaglioRisultati::Completo,
                                                     "<messaggio> errori: 1"}));

// The results window is painted: its figures are said when it opens.
TEST_F(VoceTest, TheLevelAveragesAreSaidAsTheResultsOpen) {
    portaAllaFrase(kFrasiPerLivello, 1);
    digita(e.testoCorrente());
    EXPECT_TRUE(detti(TipoAnnuncio::Risultati).empty());
    premi(codiceTasto::Invio);
    ASSERT_EQ(vista.finestre, std::vector<Finestra>{Finestra::Risultati});
    EXPECT_EQ(
        detti(TipoAnnuncio::Risultati),
        std::vector<std::string>{"Risultati. Medie dei livelli: " + e.stato().medie[0] + "."});
}

TEST_F(VoceTest, F4ReadsThePhraseAndTheKeyDueAgainUnlessSwitchedOff) {
    iniziaFrase(11);
    digita("ma");
    annunci.detti.clear();
    e.Form_KeyUp(codiceTasto::VkF4);
    EXPECT_EQ(detti(TipoAnnuncio::Testo),
              std::vector<std::string>{"ma chambre donne sur le jardin. spazio"});
    opzioni.rileggi = false;
    e.Form_KeyUp(codiceTasto::VkF4);
    EXPECT_EQ(annunci.detti.size(), 1U);
}

} // namespace scrivolta::prova
