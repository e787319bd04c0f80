// SPDX-License-Identifier: GPL-3.0-or-later
// The results PDF: its drawing calls, the file the PDF writer makes of
// them as independent readers see it, and where the file goes.

#include "app/colore.h"
#include "documento_registrato.h"
#include "lettori_pdf.h"
#include "reports/esportapdf.h"
#include "reports/pdfrisultati.h"
#include "settings/lingua.h"
#include "support/servizi_finti.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace scrivolta;
using namespace scrivolta::prova;

namespace {

std::string colore(int r, int g, int b) {
    return std::to_string(rgb(r, g, b));
}

class PdfRisultati : public ::testing::Test {
protected:
    PdfRisultati() {
        mod.UserName = "Anna";
        mod.ModeName = "Principiante";
        mod.MsgPerMinute = "al minuto";
        mod.SpeedFactor = 0.4F;
        mod.CurrentLevel = 1;
        mod.PhraseSpeed = {0, 2.0F, 2.05F, 2.0F, 2.05F, 2.0F};
        mod.TotalErrors = 3;
        mod.TotalCorrect = 200;
    }
    std::optional<std::string> esporta(DocumentoPdf& documento) {
        Classifica classifica(mod, testiClassifica(mod.ModeName));
        return CreaPDF(documento, classifica, cartella.cartella(), "sabato, 06 marzo 2027 (15:17)",
                       servizi.messaggi);
    }

    ModTastiro mod;
    ServiziFinti servizi;
    CartellaTemporanea cartella;
};

} // namespace

// A handful of fixed places on the page, in centimetres from the lower left
// corner: the title, each level's heading and its first and last rows, the
// two right-aligned columns (after "Frase 1 battute / min = " and
// "Punteggio", measured at a tenth of a centimetre a character by the
// recording document), a level's averages, the totals and the footer.
TEST_F(PdfRisultati, DrawsEachPartAtItsPlaceOnThePage) {
    DocumentoRegistrato documento;
    const auto percorso = esporta(documento);
    ASSERT_TRUE(percorso);
    EXPECT_EQ(*percorso, cartella.cartella() + "Anna.pdf");
    const std::vector<std::string> attese = {
        "DrawText 2 27.5 Scrivolta Fn2 24 0 0",
        "DrawText 2 26.7 Risultati ottenuti da: Anna Fn1 12 0 0",
        "DrawText 20 26.7 sabato, 06 marzo 2027 (15:17) Fn1 10 1 0",
        "DrawText 2 25 Livello 1 Fn1 16 0 0",
        "DrawText 12 19 Categoria Principiante Fn3 12 0 0",
        "DrawText 2 13 Livello 3 Fn1 16 0 0",
        "DrawText 2.5 24 Frase 1 battute / min =  Fn1 12 0 0",
        "DrawText 5.9 24 120 Fn1 12 1 0",
        "DrawText 12 23.5 Punteggio Fn1 12 0 0",
        "DrawText 13.9 23.5 81 Fn1 12 1 0",
        "DrawText 6 20.5 121 Fn3 12 1 0",
        "DrawText 13.9 20.5 80 Fn3 12 1 0",
        "DrawText 2.5 18 Frase 1 battute / min =  Fn1 12 0 0",
        "DrawText 13.9 10 0 Fn1 12 1 0",
        "DrawText 2.5 8.5 Media: battute / min =  Fn3 12 0 0",
        "DrawText 2 7 Risultati complessivi dell'esercizio Fn2 14 0 0",
        "DrawText 2.5 6 Digitazioni al minuto:  121 Fn1 12 0 0",
        "DrawText 12 4.8 - Rapporto errori/battute: 1.5%  (Ottimo) Fn1 10 0 0",
        std::string("DrawText 20 1.5 Scrivolta") + kRigaCrediti + " Fn1 7 1 0",
    };
    const auto& chiamate = documento.chiamate;
    for (const std::string& attesa : attese)
        EXPECT_EQ(std::count(chiamate.begin(), chiamate.end(), attesa), 1) << attesa;
    // The bands behind the level headings and the totals.
    for (const std::string& linea : std::vector<std::string>{
             "MoveTo 2 25.2", "MoveTo 2 19.2", "MoveTo 2 13.2", "MoveTo 2 5.1", "MoveTo 2 3.5",
             "SetColorStroke " + colore(236, 255, 213), "SetColorStroke " + colore(255, 226, 226)})
        EXPECT_EQ(std::count(chiamate.begin(), chiamate.end(), linea), 1) << linea;
    ASSERT_FALSE(chiamate.empty());
    EXPECT_EQ(chiamate.back(), "ClosePDFFile");
    EXPECT_TRUE(servizi.messaggi.mostrati.empty());
}

TEST_F(PdfRisultati, TheFileReadsBackWithEveryFigure) {
    mod.UserName = "Andr\xE9";
    const auto documento = nuovoDocumentoPdf();
    const auto percorso = esporta(*documento);
    ASSERT_TRUE(percorso);
    EXPECT_EQ(*percorso, cartella.cartella() + "Andr\xC3\xA9.pdf");
    const Uscita check = qpdfCheck(*percorso);
    EXPECT_EQ(check.stato, 0) << check.testo;
    const std::string testo = testoPdf(*percorso);
    for (const char* atteso :
         {"Risultati ottenuti da: Andr\xC3\xA9", "Livello 1", "Livello 2", "Livello 3",
          "Categoria Principiante", "Frase 5 battute / min =", "123",
          "Media: battute / min =", "Digitazioni al minuto: 121", "Punteggio: 80", "1.5% (Ottimo)",
          "utilizzando le frasi interne.", "sabato, 06 marzo 2027 (15:17)"})
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso << "\n" << testo;
}

// The PDF writer's own document, which also keeps where each text went and
// how wide its font tables say it is.
class DocumentoMisurato final : public DocumentoPdf {
public:
    struct Testo {
        float sinistra;
        float destra;
        float y;
        std::string testo;
    };
    void Title(std::string t) override { vero_->Title(std::move(t)); }
    void ScaleMode(int m) override { vero_->ScaleMode(m); }
    void PaperSize(int c) override { vero_->PaperSize(c); }
    void Margin(float m) override { vero_->Margin(m); }
    void Orientation(int o) override { vero_->Orientation(o); }
    bool InitPDFFile(std::string& f) override { return vero_->InitPDFFile(f); }
    void LoadFont(std::string_view n, std::string_view b, int s) override {
        vero_->LoadFont(n, b, s);
    }
    void BeginPage() override { vero_->BeginPage(); }
    void SetColorFill(std::int32_t c) override { vero_->SetColorFill(c); }
    void SetColorStroke(std::int32_t c) override { vero_->SetColorStroke(c); }
    void SetLineWidth(float w) override { vero_->SetLineWidth(w); }
    void MoveTo(float x, float y) override { vero_->MoveTo(x, y); }
    void LineTo(float x, float y, int o) override { vero_->LineTo(x, y, o); }
    float Length(std::string_view t, std::string_view f, float s) const override {
        return vero_->Length(t, f, s);
    }
    // Blanks at the end of a label take room but show nothing.
    void DrawText(float x, float y, std::string_view t, std::string_view f, float s, int a,
                  float r) override {
        const std::string_view visibile = t.substr(0, t.find_last_not_of(' ') + 1);
        const float larghezza = Length(visibile, f, s);
        const float sinistra = a == 1 ? x - Length(t, f, s) : x;
        testi.push_back({sinistra, sinistra + larghezza, y, std::string(t)});
        vero_->DrawText(x, y, t, f, s, a, r);
    }
    void EndPage() override { vero_->EndPage(); }
    void ClosePDFFile() override { vero_->ClosePDFFile(); }

    std::vector<Testo> testi;

private:
    std::unique_ptr<DocumentoPdf> vero_ = nuovoDocumentoPdf();
};

// Texts on one line of the page never run into each other, in any language:
// the French level average once read "min =469".
TEST_F(PdfRisultati, TextsOnALineStayApartInEveryLanguage) {
    mod.CurrentLevel = 3;
    mod.PhraseSpeed.fill(7.8F);
    for (const char* lingua : {"", "French", "English"}) {
        const FileLingua file(*lingua == '\0'
                                  ? std::string()
                                  : std::string(SCRIVOLTA_SOURCE_DATA "/Lang/") + lingua + ".lng");
        Classifica classifica(mod, *lingua == '\0' ? testiClassifica(mod.ModeName)
                                                   : testiClassifica(file, mod.ModeName));
        DocumentoMisurato documento;
        ASSERT_TRUE(CreaPDF(documento, classifica, cartella.cartella(), "sabato, 06 marzo 2027",
                            servizi.messaggi));
        const auto& t = documento.testi;
        ASSERT_GT(t.size(), std::size_t{40});
        for (std::size_t i = 0; i < t.size(); ++i) {
            for (std::size_t j = i + 1; j < t.size(); ++j) {
                if (t[i].y != t[j].y)
                    continue;
                const bool separati = t[i].destra <= t[j].sinistra || t[j].destra <= t[i].sinistra;
                EXPECT_TRUE(separati)
                    << lingua << ": \"" << t[i].testo << "\" and \"" << t[j].testo << "\"";
            }
        }
    }
}

TEST_F(PdfRisultati, NamesStayInsideTheTemporaryFolder) {
    EXPECT_EQ(percorsoPdf("/tmp/", "../x"), "/tmp/.._x.pdf");
    EXPECT_EQ(percorsoPdf("/tmp/", "a\\b:c*?\"<>|\t"), "/tmp/a_b_c_______.pdf");
    mod.UserName = "../../x";
    const auto documento = nuovoDocumentoPdf();
    const auto percorso = esporta(*documento);
    ASSERT_TRUE(percorso);
    EXPECT_EQ(std::filesystem::path(*percorso).parent_path(), cartella.percorso());
    EXPECT_TRUE(
        std::filesystem::exists(std::filesystem::path(cartella.percorso()) / ".._.._x.pdf"));
}

TEST_F(PdfRisultati, NoNameGivesTheProductName) {
    mod.UserName = "";
    DocumentoRegistrato documento;
    const auto percorso = esporta(documento);
    ASSERT_TRUE(percorso);
    EXPECT_EQ(*percorso, cartella.cartella() + "Scrivolta.pdf");
    EXPECT_EQ(documento.chiamate[16],
              "DrawText 2 26.7 Risultati ottenuti da: Scrivolta Fn1 12 0 0");
}

// A folder that cannot take the file, or a file that cannot be finished:
// the learner is told and no path comes back to be opened.
TEST_F(PdfRisultati, AFileThatCannotBeWrittenIsReported) {
    DocumentoRegistrato chiuso;
    chiuso.apribile = false;
    EXPECT_FALSE(esporta(chiuso));
    EXPECT_EQ(chiuso.chiamate.back().substr(0, 11), "InitPDFFile");
    DocumentoRegistrato pieno;
    pieno.chiusuraFallisce = true;
    EXPECT_FALSE(esporta(pieno));
    ASSERT_EQ(servizi.messaggi.mostrati.size(), 2U);
    for (const auto& m : servizi.messaggi.mostrati) {
        EXPECT_EQ(m.testo,
                  "Per creare un nuovo file pdf occorre chiudere quello attualmente aperto.");
        EXPECT_EQ(m.icona, Icona::Errore);
    }

    const auto documento = nuovoDocumentoPdf();
    Classifica classifica(mod, testiClassifica(mod.ModeName));
    EXPECT_FALSE(
        CreaPDF(*documento, classifica, cartella.cartella() + "manca/", "", servizi.messaggi));
    EXPECT_EQ(servizi.messaggi.mostrati.size(), 3U);
}

// A viewer holding the file does not stop a second export on Linux.
TEST_F(PdfRisultati, ASecondExportReplacesTheFile) {
    const auto primo = nuovoDocumentoPdf();
    const auto percorso = esporta(*primo);
    ASSERT_TRUE(percorso);
    FILE* aperto = std::fopen(percorso->c_str(), "rb");
    mod.TotalErrors = 50;
    const auto secondo = nuovoDocumentoPdf();
    EXPECT_EQ(esporta(*secondo), percorso);
    std::fclose(aperto);
    EXPECT_NE(testoPdf(*percorso).find("25.0% (Insufficiente)"), std::string::npos);
    EXPECT_TRUE(servizi.messaggi.mostrati.empty());
}
