// SPDX-License-Identifier: GPL-3.0-or-later
// The results print: where its parts land on the page, and how a failing
// step ends it.

#include "reports/stamparisultati.h"
#include "support/servizi_finti.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace scrivolta;

namespace {

// A page that keeps every call as a line ("y 48", "scrivi Livello 1|0"),
// and fails the call named in `fallisce`.
class PaginaRegistrata final : public SuperficieStampa {
public:
    void unitaMillimetri() override { annota("mm"); }
    void verticale() override { annota("verticale"); }
    void cartaA4() override { annota("A4"); }
    void font(const std::string& nome) override { annota("font " + nome); }
    void dimensione(float punti) override { annota("dimensione " + n(punti)); }
    void grassetto(bool a) override { annota(a ? "grassetto" : "normale"); }
    void corsivo(bool a) override { annota(a ? "corsivo" : "diritto"); }
    void coloreTesto(Colore c) override { annota("colore " + std::to_string(c)); }
    void x(float mm) override { annota("x " + n(mm)); }
    void y(float mm) override { annota("y " + n(mm)); }
    void scrivi(std::string_view t, bool aCapo) override {
        annota("scrivi " + std::string(t) + (aCapo ? "|1" : "|0"));
    }
    void immagine(Figura f, int fascia, float x, float y, float l, float h) override {
        annota(std::string(f == Figura::Simbolo ? "simbolo " : "tastiera ") +
               std::to_string(fascia) + " " + n(x) + " " + n(y) + " " + n(l) + " " + n(h));
    }
    void rettangolo(float x1, float y1, float x2, float y2) override {
        annota("rettangolo " + n(x1) + " " + n(y1) + " " + n(x2) + " " + n(y2));
    }
    void fine() override { annota("fine"); }
    void annulla() override { annota("annulla"); }

    std::vector<std::string> chiamate;
    std::string fallisce;

    bool ha(const std::string& c) const {
        return std::find(chiamate.begin(), chiamate.end(), c) != chiamate.end();
    }
    // `dopo` comes right after `prima`, somewhere on the page.
    bool coppia(const std::string& prima, const std::string& dopo) const {
        for (std::size_t i = 0; i + 1 < chiamate.size(); ++i)
            if (chiamate[i] == prima && chiamate[i + 1] == dopo)
                return true;
        return false;
    }

private:
    static std::string n(float v) {
        char t[32];
        std::snprintf(t, sizeof t, "%g", static_cast<double>(v));
        return t;
    }
    void annota(const std::string& c) {
        chiamate.push_back(c);
        if (!fallisce.empty() && c.rfind(fallisce, 0) == 0)
            throw std::runtime_error(c);
    }
};

class StampaTest : public ::testing::Test {
protected:
    StampaTest() {
        // Scores 80, 40 and 60: three bands, three widths of number.
        for (int i = 1; i <= 15; ++i)
            mod.PhraseSpeed[static_cast<std::size_t>(i)] = i <= 5 ? 2.0F : i <= 10 ? 1.0F : 1.5F;
        mod.SpeedFactor = 0.4F;
        mod.ModeName = "Principiante";
        mod.UserName = "Anna";
        mod.TotalCorrect = 400;
        mod.TotalErrors = 9;
    }
    bool stampa(int livello) {
        mod.CurrentLevel = livello;
        Classifica c(mod, testiClassifica(mod.ModeName));
        const auto larghezza = [](int punteggio) { return punteggio >= 100 ? 6 : 4; };
        return StampaRisultati(pagina, c, larghezza, "7 dicembre", messaggi);
    }
    const std::string& testo(int i) const { return testi.testi[static_cast<std::size_t>(i)]; }

    ModTastiro mod;
    PaginaRegistrata pagina;
    prova::MessaggiFinti messaggi;
    TestiClassifica testi = testiClassifica("Principiante");
};

TEST_F(StampaTest, EachLevelReachedHasItsPlaceAndTheTotalsTheFootOfThePage) {
    ASSERT_TRUE(stampa(3));
    const std::string attese[] = {
        "y 48", "y 106", "y 164", "simbolo 3 164 70 14 14", "simbolo 1 164 130 14 14",
        "simbolo 2 164 187 14 14", "y 220", "rettangolo 159 245 183 269",
        "scrivi Scrivolta - tutore di dattilografia libero|1", "scrivi 7 dicembre|1",
        // The score's right edge at 130 mm, whatever its width.
        "x 125"};
    for (const auto& c : attese)
        EXPECT_TRUE(pagina.ha(c)) << c;
    EXPECT_TRUE(pagina.coppia("x 140", "scrivi Scrivolta - tutore di dattilografia libero|1"));
    // The totals' grade: 9 errors in 400 keystrokes is 2.25 %.
    EXPECT_TRUE(pagina.ha("scrivi " + testo(20) + " 2.3%|0"));
    EXPECT_TRUE(pagina.ha("scrivi     (Buono)|1"));
    EXPECT_TRUE(pagina.ha("simbolo 2 164 250 14 14")); // (80 + 40 + 60) / 3
    EXPECT_EQ(pagina.chiamate.back(), "fine");
    ASSERT_EQ(messaggi.mostrati.size(), 1U);
    EXPECT_EQ(messaggi.mostrati[0].testo, testo(8));
}

TEST_F(StampaTest, OnlyTheLevelsReachedArePrinted) {
    ASSERT_TRUE(stampa(1));
    EXPECT_TRUE(pagina.ha("y 48"));
    EXPECT_FALSE(pagina.ha("y 106"));
    EXPECT_FALSE(pagina.ha("y 164"));
    EXPECT_TRUE(pagina.ha("simbolo 3 164 250 14 14"));
}

TEST_F(StampaTest, AFailingStepAbandonsThePageAndAFailingSendIsReported) {
    const struct {
        const char* fallisce;
        bool annullata;
    } casi[] = {{"rettangolo", true}, {"y 106", true}, {"fine", false}};
    for (const auto& c : casi) {
        pagina = {};
        messaggi.mostrati.clear();
        pagina.fallisce = c.fallisce;
        EXPECT_FALSE(stampa(2)) << c.fallisce;
        EXPECT_EQ(pagina.ha("annulla"), c.annullata) << c.fallisce;
        // The page is finished before it is judged.
        EXPECT_TRUE(pagina.ha("rettangolo 159 245 183 269")) << c.fallisce;
        ASSERT_EQ(messaggi.mostrati.size(), 1U) << c.fallisce;
        EXPECT_EQ(messaggi.mostrati[0].testo, testo(9));
        EXPECT_EQ(messaggi.mostrati[0].icona, Icona::Errore);
    }
}

} // namespace
