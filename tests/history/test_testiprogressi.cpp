// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/testiprogressi.h"
#include "settings/lingua.h"
#include "support/cartella_temporanea.h"
#include "support/lingue_spedite.h"

#include <gtest/gtest.h>

using namespace scrivolta;
using namespace scrivolta::storico;

TEST(TestiProgressi, BothShippedLanguagesHaveEveryTextWithUniqueIds) {
    prova::idInOgniLinguaSpedita(TestiProgressi::id());
    for (const char* lingua : prova::kLingueSpedite) {
        const TestiProgressi t(prova::linguaSpedita(lingua));
        EXPECT_NE(t[TestoProgressi::Titolo], TestiProgressi()[TestoProgressi::Titolo]) << lingua;
    }
}

TEST(TestiProgressi, ALanguageFileWithoutTheseTextsKeepsTheItalianOnes) {
    prova::CartellaTemporanea dir;
    prova::scrivi(dir.file("Old.lng"), "[Strings]\r\n0001=x\r\n2415=&Schlie\xDF"
                                       "en\r\n");
    const TestiProgressi t{FileLingua(dir.file("Old.lng"))};
    EXPECT_EQ(t[TestoProgressi::Chiudi], "&Schlie\xDF"
                                         "en");
    EXPECT_EQ(t[TestoProgressi::Titolo], "Progressi");
    const TestiCsv csv = t.csv();
    EXPECT_EQ(csv.colonne.front(), "Allievo");
    EXPECT_EQ(csv.colonne.back(), "Punteggio");
    EXPECT_EQ(csv.tipi.back(), "Allenamento");
    EXPECT_EQ(csv.modi.back(), "Esperto");
    EXPECT_EQ(t.categoria(1), "Corso dattilo");
    EXPECT_EQ(t.categoria(99), "Frasi interne");
}

TEST(TestiProgressi, TheWeakKeyLineRoundsHalvesUpAndNamesWhatWasTypedInstead) {
    const TestiProgressi t;
    struct Caso {
        double tasso;
        const char* atteso;
    };
    // Binary fractions, so that the halves are exact.
    for (const Caso& c :
         {Caso{0.0, "0 %"}, Caso{0.004, "0 %"}, Caso{0.0625, "6 %"}, Caso{0.125, "13 %"},
          Caso{0.375, "38 %"}, Caso{0.99609375, "100 %"}, Caso{1.0, "100 %"}})
        EXPECT_EQ(testoTastiDeboli({{'r', 0, 0, c.tasso, {}}}, t),
                  std::string("Tasti pi\xF9 deboli: r  ") + c.atteso)
            << c.tasso;
    EXPECT_EQ(testoTastiDeboli({{0xE9, 5, 5, 0.5, 'e'}, {'q', 9, 1, 0.1, 300}}, t),
              "Tasti pi\xF9 deboli: \xE9  50 % (al suo posto: e);  q  10 % (al suo posto: ?)");
    EXPECT_EQ(testoTastiDeboli({}, t), "Tasti pi\xF9 deboli: nessuno");
}
