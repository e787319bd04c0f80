// SPDX-License-Identifier: GPL-3.0-or-later
// Independent readers (qpdf, poppler's pdftotext) on what the writer makes:
// the example program's document and pages laid out like the reports.

#include "aiuto_pdf.h"
#include "support/esegui.h"

#include <array>
#include <cstdio>
#include <regex>

using namespace scrivolta::pdf;
using namespace scrivolta::pdf::test;

namespace {

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

void expectQpdfAccepts(const std::filesystem::path& pdf) {
    const scrivolta::prova::Uscita check = scrivolta::prova::esegui("qpdf --check " + quoted(pdf));
    EXPECT_EQ(check.stato, 0) << check.testo;
    EXPECT_NE(check.testo.find("No syntax or stream encoding errors found"), std::string::npos)
        << check.testo;
}

std::string textOf(const std::filesystem::path& pdf) {
    const scrivolta::prova::Uscita text =
        scrivolta::prova::esegui("pdftotext -layout " + quoted(pdf) + " -");
    EXPECT_EQ(text.stato, 0) << text.testo;
    EXPECT_EQ(text.testo.find("Error"), std::string::npos) << text.testo;
    return text.testo;
}

struct Riquadro {
    double xMin = -1;
    double xMax = -1;
};

// The horizontal extent, in points, of the words of `phrase` on the first page.
Riquadro extentOf(const std::filesystem::path& pdf, const std::string& first,
                  const std::string& last) {
    const scrivolta::prova::Uscita boxes =
        scrivolta::prova::esegui("pdftotext -bbox -f 1 -l 1 " + quoted(pdf) + " -");
    const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re");
    Riquadro box;
    for (std::sregex_iterator it(boxes.testo.begin(), boxes.testo.end(), word), end; it != end;
         ++it) {
        if ((*it)[3] == first && box.xMin < 0)
            box.xMin = std::stod((*it)[1]);
        if ((*it)[3] == last && box.xMin >= 0)
            box.xMax = std::stod((*it)[2]);
    }
    return box;
}

constexpr double kCm = 72 / 2.54;

class Lettori : public PdfTest {};

} // namespace

TEST_F(Lettori, ExampleProgramDocument) {
    const auto pdf = folder.path() / "esempio.pdf";
    const scrivolta::prova::Uscita sample =
        scrivolta::prova::esegui(std::string("'") + PDF_SAMPLE + "' " + quoted(pdf));
    ASSERT_EQ(sample.stato, 0) << sample.testo;
    expectQpdfAccepts(pdf);
    const std::string text = textOf(pdf);
    for (const char* expected :
         {"Allineato a sinistra", "Centrato sulla guida", "Allineato a destra",
          "Arial grassetto corsivo", "Helvetica (Type 1)", "Courier (Type 1)",
          "Perché è così: 10 €, (tonde) e \\ rovescia", "Spaziatura dei caratteri", "opzione 7",
          "raggio usato 12", "BMP 24 bit, grigio", "Quarta e ultima pagina", "Pagina pari",
          "Pagina dispari", "Dalla seconda pagina"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    // Turned text breaks up in the layout mode; the raw mode keeps it whole.
    EXPECT_NE(scrivolta::prova::esegui("pdftotext -raw " + quoted(pdf) + " -")
                  .testo.find("Timbro a mano"),
              std::string::npos);
    EXPECT_TRUE(std::regex_search(scrivolta::prova::esegui("pdfinfo " + quoted(pdf)).testo,
                                  std::regex("Pages: +4\n")));
}

// The results page: centimetres, four Arial styles, coloured bands, right
// aligned numbers.
TEST_F(Lettori, ResultsLikePage) {
    writer.Title("Risultati Scrivolta");
    writer.ScaleMode(3);
    writer.PaperSize(0);
    writer.Margin(0);
    writer.Orientation(0);
    std::string path = (folder.path() / "risultati.pdf").string();
    ASSERT_TRUE(writer.InitPDFFile(path));
    writer.LoadFont("Fn1", "Arial", 0);
    writer.LoadFont("Fn2", "Arial", 3);
    writer.LoadFont("Fn3", "Arial", 1);
    writer.LoadFont("Fn4", "Arial", 2);
    writer.BeginPage();
    writer.SetColorFill(0);
    writer.DrawText(2.0F, 27.5F, "Scrivolta", "Fn2", 24, 0);
    writer.SetLineWidth(0.01F);
    writer.MoveTo(2.0F, 27.3F);
    writer.LineTo(20.0F, 27.3F, 1);
    writer.DrawText(20.0F, 26.7F, "mercoled\xEC, 06 marzo 2024 (15:17)", "Fn1", 10, 1);
    const std::int32_t bands[] = {236 | 255 << 8 | 213 << 16, 255 | 255 << 8 | 199 << 16,
                                  255 | 226 << 8 | 226 << 16};
    writer.SetLineWidth(0.7F);
    for (int level = 0; level < 3; ++level) {
        writer.SetColorStroke(bands[level]);
        writer.MoveTo(2.0F, 25.2F - 6.0F * static_cast<float>(level));
        writer.LineTo(20.0F, 25.2F - 6.0F * static_cast<float>(level), 1);
        writer.DrawText(2.0F, 25.0F - 6.0F * static_cast<float>(level),
                        "Livello " + std::to_string(level + 1), "Fn1", 16, 0);
        writer.DrawText(8.5F, 24.0F - 6.0F * static_cast<float>(level), "123,4", "Fn3", 12, 1);
    }
    writer.DrawText(20.0F, 1.5F, "Scrivolta - programma di dattilografia", "Fn1", 7, 1);
    writer.EndPage();
    writer.ClosePDFFile();

    expectQpdfAccepts(path);
    const std::string text = textOf(path);
    for (const char* expected : {"Scrivolta", "mercoledì, 06 marzo 2024 (15:17)", "Livello 1",
                                 "Livello 3", "123,4", "programma di dattilografia"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    // Right-aligned texts end on their x: the widths the writer measured
    // with are the widths readers lay the text out with.
    EXPECT_NEAR(extentOf(path, "mercoledì,", "(15:17)").xMax, 20 * kCm, 0.5);
    EXPECT_NEAR(extentOf(path, "123,4", "123,4").xMax, 8.5 * kCm, 0.5);
}

// The free-text report: centred headings and Symbol bullets.
TEST_F(Lettori, FreeTextReportLikePage) {
    writer.ScaleMode(3);
    std::string path = (folder.path() / "rapporto.pdf").string();
    ASSERT_TRUE(writer.InitPDFFile(path));
    writer.LoadFont("Fn1", "Arial", 0);
    writer.LoadFont("Fn2", "Arial", 3);
    writer.LoadFont("Fn3", "Arial", 1);
    writer.LoadFont("Fn5", "Symbol", 0);
    writer.BeginPage();
    writer.DrawText(10.5F, 24.0F, "Rapporto del testo", "Fn1", 18, 2);
    writer.DrawText(10.5F, 21.45F, "Modalit\xE0: Esperto", "Fn3", 12, 2);
    for (int line = 0; line < 3; ++line) {
        const float y = 20.0F - static_cast<float>(line);
        writer.DrawText(2.0F, y, "\xE0", "Fn5", 12, 0);
        writer.DrawText(2.5F, y, "Caratteri digitati: " + std::to_string(100 * line), "Fn1", 12, 0);
    }
    writer.DrawText(10.5F, 5.0F, "Valutazione complessiva: Buono", "Fn1", 14, 2);
    writer.EndPage();
    writer.ClosePDFFile();

    expectQpdfAccepts(path);
    const std::string text = textOf(path);
    for (const char* expected : {"Rapporto del testo", "Modalità: Esperto",
                                 "Caratteri digitati: 200", "Valutazione complessiva: Buono"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    const Riquadro heading = extentOf(path, "Rapporto", "testo");
    EXPECT_NEAR((heading.xMin + heading.xMax) / 2, 10.5 * kCm, 0.5);
}
