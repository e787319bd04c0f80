// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/banco_esercizio.h"
#include "history/registro.h"
#include "support/cartella_temporanea.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace scrivolta;
using namespace scrivolta::storico;
using storico::Riga;
using namespace std::chrono_literals;

namespace {

// The exercise with its record keeping, as the program runs them.
class EsercizioRegistrato : public prova::EsercizioTest {
protected:
    explicit EsercizioRegistrato(std::string file = {})
        : file_(file.empty() ? dir.file("Scrivolta.sqlite") : std::move(file)),
          registro(file_, dir.file("CorsoDattilo/"), s.orologio,
                   [this](const Problema& p) { segnalati.push_back(p); }) {
        mod.UserName = "ANNA";
        e.impostaOsservatore(&registro);
    }

    void frase(int n) { iniziaFrase(n); }

    prova::CartellaTemporanea dir;
    std::string file_;
    std::vector<Problema> segnalati;
    RegistroStorico registro;
};

} // namespace

TEST_F(EsercizioRegistrato, WrongKeysOfAPhraseAreCountedPerExpectedCharacter) {
    frase(11); // "ma chambre donne sur le jardin"
    digita("m");
    digita("qq"); // twice q where a is due
    digita("a");
    s.orologio.avanza(300ms);
    premi(0x100); // a character the code page lacks, where a blank is due
    digita(e.testoCorrente().substr(2));
    Storico st(file_);
    const auto righe = st.storia("ANNA");
    ASSERT_EQ(righe.size(), 1U);
    EXPECT_EQ(righe[0].errori, 3);
    EXPECT_EQ(righe[0].caratteri, 30);
    std::map<unsigned char, std::pair<int, int>> conti;
    for (const auto& k : st.tasti("ANNA"))
        conti[k.carattere] = {k.giusti, k.sbagliati};
    EXPECT_EQ(conti['a'], std::make_pair(3, 2));
    EXPECT_EQ(conti[' '], std::make_pair(5, 1));
    EXPECT_EQ(conti['m'], std::make_pair(2, 0));
    const auto sost = st.sostituzioni("ANNA");
    ASSERT_EQ(sost.size(), 2U);
    EXPECT_EQ(sost[0].atteso, ' ');
    EXPECT_EQ(sost[0].digitato, 0x100);
    EXPECT_EQ(sost[1].atteso, 'a');
    EXPECT_EQ(sost[1].digitato, 'q');
    EXPECT_EQ(sost[1].volte, 2);
}

TEST_F(EsercizioRegistrato, AWholeCycleGivesFifteenPhrasesThreeLevelsAndOneCycle) {
    for (int n = 1; n <= 15; ++n) {
        frase(n);
        digita(e.testoCorrente());
    }
    Storico st(file_);
    int frasi = 0;
    std::vector<int> medie;
    int cicli = 0;
    for (const Riga& r : st.storia("ANNA")) {
        frasi += r.tipo == TipoRiga::Frase;
        if (r.tipo == TipoRiga::Livello)
            medie.push_back(r.punteggio);
        cicli += r.tipo == TipoRiga::Ciclo;
    }
    EXPECT_EQ(frasi, 15);
    ASSERT_EQ(medie.size(), 3U);
    // 300 ms a key is 3.33 characters a second, above a beginner's cap.
    EXPECT_EQ(medie, (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(cicli, 1);
    const auto punti = st.andamento("ANNA");
    ASSERT_EQ(punti.size(), 1U);
    EXPECT_EQ(punti[0].categoria, storico::Categoria::FrasiInterne);
    EXPECT_EQ(punti[0].errori, 0.0);
    EXPECT_TRUE(segnalati.empty());
}

class EsercizioSenzaFile : public EsercizioRegistrato {
protected:
    EsercizioSenzaFile() : EsercizioRegistrato("/proc/scrivolta/Scrivolta.sqlite") {}
};

TEST_F(EsercizioSenzaFile, AnUnwritableHistoryLeavesTheExerciseAloneAndIsToldAtTheGreeting) {
    frase(11);
    digita("mq");
    digita(e.testoCorrente().substr(1));
    EXPECT_TRUE(segnalati.empty());
    EXPECT_EQ(mod.TotalErrors, 1);
    EXPECT_EQ(mod.TotalCorrect, 30);
    EXPECT_TRUE(e.stato().messaggioVisibile);
    EXPECT_EQ(e.stato().contatori[1], "1/1");
    e.tornaAlSaluto();
    ASSERT_EQ(segnalati.size(), 1U);
    EXPECT_EQ(segnalati[0].tipo, Problema::Tipo::NonScrivibile);
    // The phrase and its key counts wait in memory for a writable file.
    EXPECT_GT(registro.recordNonScritti(), 1U);
}
