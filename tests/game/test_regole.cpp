// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/record.h"
#include "game/regole.h"
#include "support/cartella_temporanea.h"
#include "support/servizi_finti.h"

#include <gtest/gtest.h>

using namespace scrivolta;

TEST(RegoleGioco, CasualeCoversBothEnds) {
    prova::CasoFinto caso;
    caso.valori = {0.0, 0.9999999, 0.5};
    EXPECT_EQ(Casuale(caso, -50, 0), -50);
    EXPECT_EQ(Casuale(caso, -50, 0), 0);
    EXPECT_EQ(Casuale(caso, 2, 3), 3);
}

TEST(RegoleGioco, PointsByHeight) {
    EXPECT_EQ(PuntiAltezza(-30, 460), 100); // caught above the field
    EXPECT_EQ(PuntiAltezza(0, 460), 100);
    EXPECT_EQ(PuntiAltezza(60, 460), 100); // 100.0 exactly
    EXPECT_EQ(PuntiAltezza(230, 460), 57);
    EXPECT_EQ(PuntiAltezza(455, 460), 1);
    EXPECT_EQ(PuntiAltezza(460, 460), 0);
}

TEST(RegoleGioco, ScoreFormatGroupsThousands) {
    EXPECT_EQ(formatoPunti(0, "."), "");
    EXPECT_EQ(formatoPunti(1250, "."), "1.250");
    EXPECT_EQ(formatoPunti(1250, ","), "1,250");
    EXPECT_EQ(formatoPunti(999, "."), "999");
    EXPECT_EQ(formatoPunti(1234567, "."), "1.234.567");
    EXPECT_EQ(formatoPunti(-25, "."), "-25");
    EXPECT_EQ(formatoPunti(-1250, "\xA0"), "-1\xA0"
                                           "250");
}

TEST(RegoleGioco, TrainingSliders) {
    EXPECT_EQ(testoDurata(1), "2,5 min");
    EXPECT_EQ(testoDurata(3), "7,5 min");
    EXPECT_EQ(testoDurata(4), "10,0 min");
    EXPECT_EQ(durataAllenamento(4), std::chrono::minutes(10));
    EXPECT_EQ(intervalloAllenamento(1), 25);
    EXPECT_EQ(intervalloAllenamento(4), 100);
}

TEST(RegoleGioco, CustomSetBoxTakesAnyCharacterButABlankOnceEach) {
    EXPECT_TRUE(serieAmmessa("abcAB\xE9\x9C"
                             "09"));
    EXPECT_FALSE(serieAmmessa("ab c"));
    EXPECT_TRUE(serieAmmessa("ab-c"));
    EXPECT_TRUE(serieAmmessa("ab\xD7"));
    // The Belgian top row, shifted or not, is practice like any letter.
    EXPECT_TRUE(serieAmmessa("&\"'(\xA7!)-,;:="));
    EXPECT_FALSE(serieAmmessa("ab\xA0"
                              "c"));
    // The last codes of the code page are characters like any other.
    EXPECT_TRUE(serieAmmessa("ab\xF7"));
    EXPECT_TRUE(serieAmmessa("ab\xFF"));
    EXPECT_FALSE(serieAmmessa("abca"));
    EXPECT_FALSE(serieAmmessa("abc\t"));
    EXPECT_TRUE(serieAmmessa("abcdefghijklmnopq"));
    EXPECT_FALSE(serieAmmessa("abcdefghijklmnopqr"));
}

TEST(RegoleGioco, CustomSetCleanedWithoutRegardToCase) {
    EXPECT_EQ(pulisciSerie("abAB"), "");
    EXPECT_EQ(pulisciSerie("aAbBcCdD"), "abcd");
    EXPECT_EQ(pulisciSerie("\xE9\xC9xyz"), "\xE9xyz");
    EXPECT_EQ(pulisciSerie(" a b c d"), "abcd");
    EXPECT_EQ(pulisciSerie("a;b,c.d!"), "a;b,c.d!");
    EXPECT_EQ(pulisciSerie("a\tb c;;d"), "abc;d") << "blanks and repeats only";
    EXPECT_EQ(pulisciSerie("abc"), "");
}

TEST(RecordGioco, MissingEmptyAndNonNumericValuesCountAsZero) {
    prova::CartellaTemporanea cartella;
    const std::string file = cartella.file("ScrivoltaWinner.ini");
    EXPECT_EQ(LeggiRecord(file, "Anna"), (RecordGioco{0, 0, 0}));
    prova::scrivi(file, "[Anna]\r\nDifficulty1=abc\r\nDifficulty2=\r\nDifficulty3=1500\r\n");
    EXPECT_EQ(LeggiRecord(file, "anna"), (RecordGioco{0, 0, 1500}));
    EXPECT_EQ(LeggiRecord(file, "Bruno"), (RecordGioco{0, 0, 0}));
}

TEST(RecordGioco, WrittenPerLearnerAndOnlyWithAName) {
    prova::CartellaTemporanea cartella;
    const std::string file = cartella.file("ScrivoltaWinner.ini");
    EXPECT_TRUE(ScriviRecord(file, "Anna", 1, 900));
    EXPECT_TRUE(ScriviRecord(file, "Bruno]x", 2, 50));
    EXPECT_EQ(LeggiRecord(file, "Anna"), (RecordGioco{0, 900, 0}));
    EXPECT_EQ(LeggiRecord(file, "Bruno]x"), (RecordGioco{0, 0, 50}));
    EXPECT_FALSE(ScriviRecord(file, "", 0, 10));
    // A folder where the file should be is reported, not overwritten.
    EXPECT_FALSE(ScriviRecord(cartella.percorso(), "Anna", 0, 10));
}
