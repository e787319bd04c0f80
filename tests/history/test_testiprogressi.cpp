// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/testiprogressi.h"
#include "settings/lingua.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>
#include <set>

using namespace scrivolta;
using namespace scrivolta::storico;

TEST(TestiProgressi, BothShippedLanguagesHaveEveryTextWithUniqueIds) {
    const auto& ids = TestiProgressi::id();
    EXPECT_EQ(std::set<std::string_view>(ids.begin(), ids.end()).size(), ids.size());
    for (const char* lingua : {"French", "English"}) {
        const FileLingua file(std::string(SCRIVOLTA_SOURCE_DATA) + "/Lang/" + lingua + ".lng");
        ASSERT_TRUE(file.caricato()) << lingua;
        for (const auto id : ids)
            EXPECT_FALSE(file.TestoLingua(id).empty()) << lingua << " " << id;
        const TestiProgressi t(file);
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
