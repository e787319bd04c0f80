// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/tastiera.h"

#include <gtest/gtest.h>
#include <set>

using namespace scrivolta;

namespace {

class Contatore final : public OsservatoreTastiera {
public:
    void tastoCambiato(int tasto) override { tasti.insert(tasto); }
    void segniCambiati() override { ++segni; }
    std::set<int> tasti;
    int segni = 0;
};

class TastieraPronta : public ::testing::Test {
protected:
    TastieraPronta() {
        t.RipristinaTastiera();
        t.PreparaEvidenziaInvio();
    }
    std::set<int> premuti() const {
        std::set<int> out;
        for (int i = 0; i < kNumeroTasti; ++i)
            if (t.stato(i).premuto)
                out.insert(i);
        return out;
    }
    std::set<int> corniciVisibili() const {
        std::set<int> out;
        for (int i = 0; i < 4; ++i)
            if (t.cornici()[static_cast<std::size_t>(i)].visibile)
                out.insert(i);
        return out;
    }
    Rettangolo cornice(int i) const { return t.cornici()[static_cast<std::size_t>(i)].r; }
    static Rettangolo sulTasto(int tasto) {
        Rettangolo r = rettangoloPixel(tasto);
        r.height = Tastiera::kAltezzaCornice;
        return r;
    }
    Tastiera t;
};

} // namespace

TEST_F(TastieraPronta, AtSignFramesItsKeyAndAltGrAndForcesAFullRedraw) {
    ASSERT_TRUE(t.MostraTastoSuccessivo('@'));
    EXPECT_EQ(premuti(), (std::set<int>{61, 38}));
    EXPECT_EQ(corniciVisibili(), (std::set<int>{0, 1}));
    EXPECT_EQ(cornice(0), sulTasto(61));
    EXPECT_EQ(cornice(1), sulTasto(38));
    EXPECT_TRUE(t.ripristinoNecessario());

    Contatore c;
    t.impostaOsservatore(&c);
    ASSERT_TRUE(t.MostraTastoSuccessivo('a'));
    EXPECT_EQ(c.tasti.size(), static_cast<std::size_t>(kNumeroTasti)) << "whole keyboard redrawn";
    EXPECT_EQ(premuti(), std::set<int>{0});
    EXPECT_FALSE(t.ripristinoNecessario());
}

TEST_F(TastieraPronta, DiaeresisFramesTheDeadKeyThenLeftShift) {
    ASSERT_TRUE(t.MostraTastoSuccessivo(0xEB)); // ë
    EXPECT_EQ(premuti(), (std::set<int>{2, 42, 30}));
    EXPECT_EQ(cornice(0), sulTasto(2));
    EXPECT_EQ(cornice(1), sulTasto(42));
    EXPECT_EQ(cornice(2), sulTasto(30));
    EXPECT_EQ(corniciVisibili(), (std::set<int>{0, 1, 2}));
}

TEST_F(TastieraPronta, CapitalsUseTheShiftOfTheOtherHandAndRestoreItAlone) {
    ASSERT_TRUE(t.MostraTastoSuccessivo('B'));
    EXPECT_EQ(premuti(), (std::set<int>{25, 30}));
    EXPECT_FALSE(t.ripristinoNecessario());

    Contatore c;
    t.impostaOsservatore(&c);
    ASSERT_TRUE(t.MostraTastoSuccessivo('V'));
    EXPECT_EQ(premuti(), (std::set<int>{24, 36}));
    EXPECT_EQ(cornice(1), sulTasto(36));
    // Only the previous key, both Shifts and the new keys were drawn.
    EXPECT_EQ(c.tasti, (std::set<int>{25, 30, 36, 24}));
}

TEST_F(TastieraPronta, EnterFramesBothPartsOfTheKey) {
    ASSERT_TRUE(t.MostraTastoSuccessivo('\r'));
    EXPECT_EQ(premuti(), (std::set<int>{48, 62}));
    EXPECT_EQ(corniciVisibili(), (std::set<int>{0, 2, 3}));
    EXPECT_EQ(cornice(0), sulTasto(48));
    EXPECT_EQ(cornice(2), rettangoloPixel(62));
    EXPECT_EQ(cornice(3), rettangoloPixel(48));
    EXPECT_TRUE(t.ripristinoNecessario());
}

TEST_F(TastieraPronta, ACharacterWithoutAKeyClearsTheFramesAndLeavesThePreviousKeyPressed) {
    ASSERT_TRUE(t.MostraTastoSuccessivo('e'));
    EXPECT_FALSE(t.MostraTastoSuccessivo(0xC9)); // É
    EXPECT_TRUE(corniciVisibili().empty());
    EXPECT_EQ(premuti(), std::set<int>{2});
    EXPECT_EQ(t.tastoCorrente(), 2);
}

TEST_F(TastieraPronta, WithoutHighlightKeysArePressedButNotFramed) {
    t.evidenzia = false;
    ASSERT_TRUE(t.MostraTastoSuccessivo('@'));
    EXPECT_TRUE(corniciVisibili().empty());
    EXPECT_EQ(premuti(), (std::set<int>{61, 38}));
}

TEST_F(TastieraPronta, PressedKeysAreBoldAndRunTimeCaptionsHaveTwoLines) {
    t.MostraTastoSuccessivo('z');
    EXPECT_TRUE(t.stato(1).grassetto);
    EXPECT_FALSE(t.stato(0).grassetto);
    EXPECT_EQ(t.stato(61).didascalia, " 2\r\n  \xE9   @");
    EXPECT_EQ(t.stato(60).didascalia, " 1\r\n  &&    |");
    EXPECT_EQ(t.stato(0).didascalia, "A");
}

TEST_F(TastieraPronta, ErrorMarkIsCentredOnTheKeyOfTheTypedCharacter) {
    ASSERT_TRUE(t.MostraErrore('q'));
    // Key Q: 67,89 29x33 pixels; the 32-pixel mark centred, halves to even.
    EXPECT_EQ(t.posizioneErrore(), (Punto{66, 90}));
    EXPECT_TRUE(t.erroreVisibile());
    EXPECT_FALSE(t.MostraErrore(0xC9));
    EXPECT_EQ(t.posizioneErrore(), (Punto{66, 90}));
    t.NascondiEvidenziazione();
    EXPECT_FALSE(t.erroreVisibile());
}

TEST_F(TastieraPronta, FingerColoursAndTheBumps) {
    t.ColorTasti();
    EXPECT_EQ(t.stato(0).sfondo, rgb(185, 207, 224));
    EXPECT_EQ(t.stato(35).sfondo, rgb(226, 235, 235));
    EXPECT_EQ(t.stato(13).sfondo, rgb(162, 204, 184));
    EXPECT_EQ(t.coloriRilievo()[1], rgb(212, 254, 234));
    EXPECT_EQ(t.coloriRilievo()[0], rgb(112, 154, 134));
    EXPECT_TRUE(t.ditaVisibili());

    t.SpegniColori();
    EXPECT_EQ(t.stato(0).sfondo, kGrigioTasti);
    EXPECT_EQ(t.coloriRilievo()[3], rgb(255, 255, 255));
    EXPECT_EQ(t.coloriRilievo()[2], rgb(174, 174, 174));
    EXPECT_FALSE(t.ditaVisibili());
    EXPECT_FALSE(t.strisciaVisibile());
}

TEST_F(TastieraPronta, ColouringDoesNotBringBackPicturesWhileTheStripIsShown) {
    t.NascondiDitaMostraStriscia();
    t.ColorTasti();
    EXPECT_FALSE(t.ditaVisibili());
    EXPECT_TRUE(t.strisciaVisibile());
}

TEST(Tastiera, FingerPicturesSitOnTheHomeKeysAndTheSpaceBar) {
    Tastiera t;
    t.PosizionaMappaDita(false);
    // Q is 67,89 29x33: lower right corner, 4 pixels beyond it.
    EXPECT_EQ(t.posizioniDita()[0], (Punto{68, 94}));
    // Space bar 187,173 161x33.
    EXPECT_EQ(t.posizioniDita()[8], (Punto{187, 174}));
    EXPECT_EQ(t.posizioniDita()[9], (Punto{187 + 161 - 32, 174}));
    t.PosizionaMappaDita(true);
    EXPECT_EQ(t.posizioniDita()[0], (Punto{64, 90}));
}

TEST(Tastiera, FramesOneToThreeExistOnlyOnceCreated) {
    Tastiera t;
    t.RipristinaTastiera();
    ASSERT_TRUE(t.MostraTastoSuccessivo('A'));
    EXPECT_TRUE(t.cornici()[0].visibile);
    EXPECT_FALSE(t.cornici()[1].esiste);
    EXPECT_TRUE(t.stato(36).premuto);
    t.PreparaEvidenziaInvio();
    t.PreparaEvidenziaInvio();
    for (const auto& c : t.cornici())
        EXPECT_TRUE(c.esiste);
}

namespace {

bool siToccano(const Rettangolo& a, const Rettangolo& b, int margine) {
    return a.left - margine < b.left + b.width + margine &&
           b.left - margine < a.left + a.width + margine &&
           a.top - margine < b.top + b.height + margine &&
           b.top - margine < a.top + a.height + margine;
}

} // namespace

// Each ring of an outline takes one pixel around the key: rings 0 to
// `spessoreRilievo` of neighbouring keys must not meet, and every key with
// its rings must stay inside the keyboard area.
TEST(TastieraScalata, OutlinesFitTheirKeysAtBothSizes) {
    for (const bool scalata : {false, true}) {
        const int anelli = (scalata ? 4 : 3) + 1;
        const Rettangolo area = areaTastiera(scalata);
        for (int i = 0; i < kNumeroTasti; ++i) {
            const Rettangolo a = rettangoloPixel(i, scalata);
            EXPECT_GE(a.left - anelli, 0) << i;
            EXPECT_GE(a.top - anelli, 0) << i;
            EXPECT_LE(a.left + a.width + anelli, area.width) << i;
            EXPECT_LE(a.top + a.height + anelli, area.height) << i;
            for (int j = i + 1; j < kNumeroTasti; ++j) {
                // The two halves of the Enter key form one key.
                if (i == indiceTasto::InvioBasso && j == indiceTasto::InvioAlto)
                    continue;
                EXPECT_FALSE(siToccano(a, rettangoloPixel(j, scalata), anelli))
                    << "keys " << i << " and " << j << (scalata ? " scaled" : "");
            }
        }
    }
}

TEST(TastieraScalata, FramesAndMarksFollowTheScaledKeys) {
    Tastiera t;
    t.impostaScala(true);
    t.PreparaEvidenziaInvio();
    ASSERT_TRUE(t.MostraTastoSuccessivo('m'));
    EXPECT_EQ(t.cornici()[0].r, rettangoloPixel(19, true));
    ASSERT_TRUE(t.MostraErrore('q'));
    const Rettangolo q = rettangoloPixel(10, true);
    EXPECT_EQ(t.posizioneErrore().x + Tastiera::kLatoImmagine / 2, q.left + q.width / 2);
    // The bumps stay on F and J.
    const auto linee = lineeRilievo(true);
    const Rettangolo f = rettangoloPixel(13, true);
    EXPECT_GT(linee[0].x1, f.left);
    EXPECT_LT(linee[0].x2, f.left + f.width);
    EXPECT_GT(linee[0].y, f.top);
    EXPECT_LT(linee[0].y, f.top + f.height);
}
