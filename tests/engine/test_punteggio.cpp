// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/punteggio.h"
#include "settings/testi.h"

#include <gtest/gtest.h>

using namespace scrivolta;

TEST(Punteggio, FullScoreAtTwoAndAHalfCharactersASecondForBeginners) {
    EXPECT_EQ(punteggioFrase(40.0F / 16.0F, 0.4F), 100);
    EXPECT_EQ(punteggioFrase(40.0F / 16.0F, 0.2F), 50);
    EXPECT_EQ(punteggioFrase(9.0F, 0.4F), 100);
    EXPECT_EQ(punteggioFrase(0.01F, 0.4F), 1);
    EXPECT_EQ(punteggioFrase(1.0F, 0.4F), 40);
    // The results table shows 81 for the same phrase.
    EXPECT_EQ(punteggioFrase(2.05F, 0.4F), 81);
}

TEST(Punteggio, LevelAverageCapsEachSpeed) {
    std::array<float, 16> v{};
    v[1] = 3;
    v[2] = 2;
    v[3] = 2;
    v[4] = 1;
    v[5] = 1;
    EXPECT_EQ(calcolaMediaLevel(v, 1, 0.4F), 68);
    EXPECT_EQ(calcolaMediaLevel(v, 6, 0.4F), 0);
    v[11] = v[12] = v[13] = v[14] = v[15] = 7.0F;
    EXPECT_EQ(calcolaMediaLevel(v, 11, 0.2F), 100);
}

TEST(Punteggio, IconBandsByScoreAndMode) {
    EXPECT_EQ(FasciaPunteggio(20, false), 0);
    EXPECT_EQ(FasciaPunteggio(21, false), 1);
    EXPECT_EQ(FasciaPunteggio(41, false), 2);
    EXPECT_EQ(FasciaPunteggio(80, false), 3);
    EXPECT_EQ(FasciaPunteggio(81, false), 4);
    EXPECT_EQ(FasciaPunteggio(-5, false), 0);
    EXPECT_EQ(FasciaPunteggio(100, true), 9);
    EXPECT_EQ(FasciaPunteggio(0, true), 5);
}

TEST(Punteggio, LiveBarIsFullAtFourSecondsAKeystrokeForBeginners) {
    EXPECT_EQ(larghezzaBarraVelocita(8, 2, 300, 0.4F), 300);
    EXPECT_EQ(larghezzaBarraVelocita(2, 2, 300, 0.4F), 75);
    EXPECT_EQ(larghezzaBarraVelocita(2, 1, 300, 0.2F), 300);
    EXPECT_EQ(larghezzaBarraVelocita(100, 1, 300, 0.4F), 300);
    EXPECT_EQ(larghezzaBarraVelocita(5, 0, 300, 0.4F), 0);
    // 390 / 4 is 97.5, which rounds to the even 98 on a large screen.
    EXPECT_EQ(larghezzaBarraVelocita(1, 1, 390, 0.4F), 98);
    EXPECT_EQ(larghezzaBarraVelocita(1, 1, 390, 0.2F), 195);
}

TEST(Punteggio, MessagesOpenWithPraiseFromFortyOne) {
    TestiPrincipali t;
    TestiPredefiniti(t);
    const std::string senza = messaggioFineFrase(t, 40, 1.0F, false, "Bene!");
    EXPECT_EQ(senza, "Hai totalizzato  40 punti, digitando alla media di 60 battute al minuto\r\n"
                     " Premi il tasto Entr\xE9"
                     "e per continuare.");
    const std::string con = messaggioFineFrase(t, 41, 1.1F, false, "Bene!");
    EXPECT_EQ(con.rfind("Bene! Hai totalizzato  41 punti,", 0), 0U) << con;
    const std::string record = messaggioFineFrase(t, 90, 2.0F, true, "Magnifico!");
    EXPECT_NE(
        record.find("punti e, digitando alla media di 120 battute al minuto\r\nhai anche superato"),
        std::string::npos)
        << record;
    // 61 characters in 120 s: the results table says 31 a minute, so does the message.
    EXPECT_NE(messaggioFineFrase(t, 20, 61.0F / 120.0F, false, "").find(" 31 battute"),
              std::string::npos);
}

TEST(Punteggio, TimeLeftAndClock) {
    EXPECT_EQ(minutiRimanenti(520), "2");
    EXPECT_EQ(minutiRimanenti(100), "< 1");
    EXPECT_EQ(minutiRimanenti(390), "2"); // 1.5 rounds to the even 2
    EXPECT_EQ(minutiRimanenti(650), "2"); // 2.5 rounds to the even 2
    EXPECT_EQ(orologio(0), "00:00");
    EXPECT_EQ(orologio(61), "01:01");
    EXPECT_EQ(orologio(3600 + 125), "02:05");
}
