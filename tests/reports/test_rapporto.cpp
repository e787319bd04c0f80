// SPDX-License-Identifier: GPL-3.0-or-later
// The free-text report: totals, grades, character classes and its PDF.

#include "app/indirizzi.h"
#include "documento_registrato.h"
#include "lettori_pdf.h"
#include "reports/rapporto.h"
#include "support/servizi_finti.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace scrivolta;
using namespace scrivolta::prova;

namespace {

const ParoleValutazione kParole{"Ottimo", "Buono", "Sufficiente", "Insufficiente"};

ModTastiro esercizioDiProva(bool esperto) {
    ModTastiro mod;
    mod.TextElapsed = std::chrono::seconds(5 * 60 + 30);
    mod.TotalCorrect = 660;
    mod.TotalErrors = 11;
    mod.WordCount = 120;
    mod.ExpertMode = esperto;
    mod.ModeName = esperto ? "Esperto" : "Principiante";
    mod.UserName = "Mario";
    mod.ExerciseFile = "/home/mario/Esercizi/Lettera.txt";
    mod.ReportText = "Ab 1,\xE9#\r\n";
    return mod;
}

std::string parolaComplessiva(const ModTastiro& mod) {
    const TotaliTesto t = CalcolaTotali(mod);
    const Voto v = ValutazioneComplessiva(ValutaVelocita(t.battuteMinuto, mod.ExpertMode),
                                          ValutaErrori(t.rapportoErrori * 100, mod.ExpertMode));
    return parolaDi(v, kParole);
}

} // namespace

TEST(Rapporto, TotalsOfFiveMinutesThirty) {
    const ModTastiro mod = esercizioDiProva(false);
    const auto righe = righeRapporto(testiRapporto(), CalcolaTotali(mod));
    const std::array<std::string, 9> attese = {"Risultati complessivi dell'esercizio",
                                               "Tempo totale impiegato: 00:05:30",
                                               "Numero  battute: 660",
                                               "Battute esatte: 649",
                                               "Rapporto battute esatte/totali: 98.3%",
                                               "Numero errori: 11",
                                               "Rapporto errori/battute: 1.7%",
                                               "Battute / min: 120.0",
                                               "Parole contenute nel file: 120"};
    EXPECT_EQ(righe, attese);
    EXPECT_DOUBLE_EQ(CalcolaTotali(mod).battuteSecondo, 2.0);
}

// A duration of nothing or of more than the old 16-bit count, and a text
// with no keystrokes, still give whole and sound figures.
TEST(Rapporto, DurationsAndCountsWithoutARatio) {
    ModTastiro mod = esercizioDiProva(false);
    mod.TextElapsed = std::chrono::seconds(0);
    TotaliTesto t = CalcolaTotali(mod);
    EXPECT_EQ(t.tempoTesto, "00:00:00");
    EXPECT_EQ(t.battuteMinuto, 0.0);
    EXPECT_EQ(t.rapportoErrori, 11.0 / 660);

    mod.TextElapsed = std::chrono::seconds(40000);
    t = CalcolaTotali(mod);
    EXPECT_EQ(t.tempoTesto, "11:06:40");
    EXPECT_NEAR(t.battuteMinuto, 0.99, 1e-9);

    mod.TotalCorrect = 0;
    mod.TotalErrors = 0;
    t = CalcolaTotali(mod);
    EXPECT_EQ(t.rapportoErrori, 0.0);
    EXPECT_EQ(t.rapportoEsatte, 0.0);
    const auto righe = righeRapporto(testiRapporto(), t);
    EXPECT_EQ(righe[4], "Rapporto battute esatte/totali: 0.0%");
    EXPECT_EQ(righe[7], "Battute / min: 0.0");
}

TEST(Rapporto, SpeedGradesNeedStrictlyAboveAndErrorGradesNotAbove) {
    EXPECT_EQ(ValutaVelocita(120, false), Voto::Buono);
    EXPECT_EQ(ValutaVelocita(100, false), Voto::Sufficiente);
    EXPECT_EQ(ValutaVelocita(150.1, false), Voto::Ottimo);
    EXPECT_EQ(ValutaVelocita(50, false), Voto::Insufficiente);
    EXPECT_EQ(ValutaVelocita(120, true), Voto::Insufficiente);
    EXPECT_EQ(ValutaVelocita(240, true), Voto::Buono);
    EXPECT_EQ(ValutaErrori(2.0, false), Voto::Ottimo);
    EXPECT_EQ(ValutaErrori(3.0, false), Voto::Buono);
    EXPECT_EQ(ValutaErrori(4.0, false), Voto::Sufficiente);
    EXPECT_EQ(ValutaErrori(4.01, false), Voto::Insufficiente);
    EXPECT_EQ(ValutaErrori(1.0, true), Voto::Sufficiente);
    EXPECT_EQ(ValutaErrori(1.67, true), Voto::Insufficiente);
}

TEST(Rapporto, GradesAtAndJustAboveEachThreshold) {
    const struct {
        double valore;
        bool esperto;
        Voto velocita, errori;
    } casi[] = {
        {150, false, Voto::Buono, Voto::Insufficiente},
        {100.1, false, Voto::Buono, Voto::Insufficiente},
        {50.1, false, Voto::Sufficiente, Voto::Insufficiente},
        {240.1, true, Voto::Ottimo, Voto::Insufficiente},
        {180, true, Voto::Sufficiente, Voto::Insufficiente},
        {180.1, true, Voto::Buono, Voto::Insufficiente},
        {120.1, true, Voto::Sufficiente, Voto::Insufficiente},
        {0.5, true, Voto::Insufficiente, Voto::Ottimo},
        {0.51, true, Voto::Insufficiente, Voto::Buono},
        {0.75, true, Voto::Insufficiente, Voto::Buono},
        {0.76, true, Voto::Insufficiente, Voto::Sufficiente},
        {2.01, false, Voto::Insufficiente, Voto::Buono},
        {3.01, false, Voto::Insufficiente, Voto::Sufficiente},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(ValutaVelocita(c.valore, c.esperto), c.velocita) << c.valore << c.esperto;
        EXPECT_EQ(ValutaErrori(c.valore, c.esperto), c.errori) << c.valore << c.esperto;
    }
}

TEST(Rapporto, OverallGradeOfBothModes) {
    EXPECT_EQ(parolaComplessiva(esercizioDiProva(false)), "Ottimo");
    EXPECT_EQ(parolaComplessiva(esercizioDiProva(true)), "Insufficiente");
    const std::string tabella[4][4] = {
        {"Ottimo", "Buono", "Sufficiente", "Insufficiente"},
        {"Ottimo", "Buono", "Sufficiente", "Insufficiente"},
        {"Buono", "Buono", "Sufficiente", "Insufficiente"},
        {"Insufficiente", "Insufficiente", "Insufficiente", "Insufficiente"}};
    const Voto voti[] = {Voto::Ottimo, Voto::Buono, Voto::Sufficiente, Voto::Insufficiente};
    for (int v = 0; v < 4; ++v) {
        for (int e = 0; e < 4; ++e)
            EXPECT_EQ(parolaDi(ValutazioneComplessiva(voti[v], voti[e]), kParole), tabella[v][e])
                << v << " " << e;
    }
}

TEST(Rapporto, CharacterClasses) {
    EXPECT_EQ(ContaCaratteri("Ab 1,"), (ConteggioCaratteri{1, 1, 1, 1, 0, 1}));
    EXPECT_EQ(ContaCaratteri("\xE9#"), (ConteggioCaratteri{0, 0, 0, 0, 2, 0}));
    EXPECT_EQ(ContaCaratteri("!,.:;?"), (ConteggioCaratteri{0, 0, 0, 6, 0, 0}));
    EXPECT_EQ(ContaCaratteri("\"'()-/<>@[]_`{}~\x80\xFF"), (ConteggioCaratteri{0, 0, 0, 0, 18, 0}));
    EXPECT_EQ(ContaCaratteri("\r\n\t"), ConteggioCaratteri{});
    EXPECT_EQ(ContaCaratteri(""), ConteggioCaratteri{});
    // The ends of each range, in counts that differ from each other.
    const ConteggioCaratteri n = ContaCaratteri("09 AZZ aazz ?!!");
    EXPECT_EQ(n.cifre, 2);
    EXPECT_EQ(n.maiuscole, 3);
    EXPECT_EQ(n.minuscole, 4);
    EXPECT_EQ(n.spazi, 3);
    EXPECT_EQ(n.punteggiatura, 3);
    EXPECT_EQ(n.speciali, 0);
}

class PdfRapporto : public ::testing::Test {
protected:
    ModTastiro mod = esercizioDiProva(false);
    ServiziFinti servizi;
    CartellaTemporanea cartella;
};

TEST_F(PdfRapporto, DrawsEveryFigureWithItsBullet) {
    Rapporto rapporto(mod, testiRapporto());
    DocumentoRegistrato d;
    const auto percorso =
        rapporto.CreaPDFRapporto(d, cartella.cartella(), "ieri", servizi.messaggi);
    ASSERT_TRUE(percorso);
    const auto& c = d.chiamate;
    const auto trova = [&c](const std::string& chiamata) {
        return std::find(c.begin(), c.end(), chiamata) - c.begin();
    };
    EXPECT_EQ(c[6], "LoadFont Fn1 Arial 0");
    EXPECT_EQ(c[9], "LoadFont Fn5 Symbol 0");
    EXPECT_EQ(c[10], "BeginPage");
    EXPECT_EQ(c[21], "DrawText 2 26 Risultati ottenuti da: Mario Fn1 12 0 0");
    EXPECT_EQ(c[22], "DrawText 20 26 ieri Fn1 10 1 0");
    EXPECT_EQ(c[27], "DrawText 10.5 22.8 Lettera.txt Fn1 14 2 0");
    const auto tempo = trova("DrawText 2.5 19 Tempo totale impiegato: 00:05:30 Fn1 12 0 0");
    EXPECT_EQ(c[static_cast<std::size_t>(tempo - 1)], "DrawText 2 19 \xE0 Fn5 12 0 0");
    for (const char* attesa :
         {"DrawText 2.5 16 Rapporto battute esatte/totali: 98.3% Fn3 12 0 0",
          "DrawText 2.5 13.5 Rapporto errori/battute: 1.7% Fn3 12 0 0",
          "DrawText 10.5 13.5 Valutazione: Ottimo Fn1 12 0 0",
          "DrawText 10.5 12 Valutazione: Buono Fn1 12 0 0",
          "DrawText 2.5 11 Battute / sec: 2.0 Fn1 12 0 0",
          "DrawText 2.5 8.5 Caratteri maiuscoli (ABC): 1 Fn1 10 0 0",
          "DrawText 10.5 7.5 Caratteri speciali (\xE0\xEC+#/): 2 Fn1 10 0 0",
          "DrawText 10.5 5 Valutazione complessiva dell'esercizio: Ottimo Fn1 14 2 0"})
        EXPECT_LT(trova(attesa), static_cast<long>(c.size())) << attesa;
    EXPECT_EQ(std::count_if(c.begin(), c.end(),
                            [](const std::string& s) { return s.find(" Fn5 12") != s.npos; }),
              8);
    // The web address only where the build was given one.
    const auto indirizzo = std::find_if(c.begin(), c.end(), [](const std::string& s) {
        return s.rfind("DrawText 10.5 1.5 ", 0) == 0;
    });
    EXPECT_EQ(indirizzo == c.end(), kIndirizzi.sito.empty());
    EXPECT_EQ(c.back(), "ClosePDFFile");
}

TEST_F(PdfRapporto, AnAccentedFileNameFromDiskIsWrittenInTheCodePage) {
    mod.ExerciseFile = "/home/mario/Esercizi/Le\xC3\xA7on d'\xC3\xA9t\xC3\xA9.txt";
    Rapporto rapporto(mod, testiRapporto());
    DocumentoRegistrato d;
    ASSERT_TRUE(rapporto.CreaPDFRapporto(d, cartella.cartella(), "ieri", servizi.messaggi));
    EXPECT_EQ(d.chiamate[27], "DrawText 10.5 22.8 Le\xE7on d'\xE9t\xE9.txt Fn1 14 2 0");
}

TEST_F(PdfRapporto, CountsAreTakenAfreshAtEachExport) {
    Rapporto rapporto(mod, testiRapporto());
    DocumentoRegistrato primo;
    rapporto.CreaPDFRapporto(primo, cartella.cartella(), "", servizi.messaggi);
    DocumentoRegistrato secondo;
    rapporto.CreaPDFRapporto(secondo, cartella.cartella(), "", servizi.messaggi);
    EXPECT_EQ(primo.chiamate, secondo.chiamate);
    mod.ReportText = "ABC";
    DocumentoRegistrato terzo;
    rapporto.CreaPDFRapporto(terzo, cartella.cartella(), "", servizi.messaggi);
    EXPECT_NE(std::find(terzo.chiamate.begin(), terzo.chiamate.end(),
                        "DrawText 2.5 8.5 Caratteri maiuscoli (ABC): 3 Fn1 10 0 0"),
              terzo.chiamate.end());
}

TEST_F(PdfRapporto, TheFileReadsBack) {
    mod.ExpertMode = true;
    mod.ModeName = "Esperto";
    Rapporto rapporto(mod, testiRapporto());
    const auto documento = nuovoDocumentoPdf();
    const auto percorso =
        rapporto.CreaPDFRapporto(*documento, cartella.cartella(), "oggi", servizi.messaggi);
    ASSERT_TRUE(percorso);
    EXPECT_EQ(qpdfCheck(*percorso).stato, 0) << qpdfCheck(*percorso).testo;
    const std::string testo = testoPdf(*percorso);
    for (const char* atteso :
         {"Risultati ottenuti da: Mario", "Lettera.txt", "Categoria: Esperto", "00:05:30",
          "Battute esatte: 649", "Rapporto errori/battute: 1.7%", "Valutazione: Insufficiente",
          "Battute / min: 120.0", "Parole contenute nel file: 120", "Caratteri speciali",
          "Valutazione complessiva dell'esercizio: Insufficiente",
          "Scrivolta - tutore di dattilografia libero"})
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso << "\n" << testo;
}

TEST_F(PdfRapporto, AFileThatCannotBeCreatedIsReported) {
    mod.UserName = "";
    Rapporto rapporto(mod, testiRapporto());
    const auto documento = nuovoDocumentoPdf();
    EXPECT_FALSE(
        rapporto.CreaPDFRapporto(*documento, cartella.cartella() + "manca/", "", servizi.messaggi));
    ASSERT_EQ(servizi.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(servizi.messaggi.mostrati[0].testo,
              "Per creare un nuovo file pdf occorre chiudure quello attualmente aperto.");
    EXPECT_EQ(rapporto.nomeUtente(), "Scrivolta");
}
