// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuto_pdf.h"
#include "pdf/metrichefont.h"

using namespace scrivolta::pdf;
using namespace scrivolta::pdf::test;

namespace {

class Testo : public PdfTest {
protected:
    // The lines of the font object that `load` writes first.
    std::vector<std::string> fontObject(const std::function<void(clsPdfWriter&)>& load) {
        const std::string bytes = document(load);
        const std::size_t begin = bytes.find("5 0 obj\r\n") + 9;
        return splitLines(bytes.substr(begin, bytes.find("endobj", begin) - begin));
    }

    void loadArial(clsPdfWriter& w) { w.LoadFont("Fn1", "Arial", 0); }
};

} // namespace

TEST(MetricheFont, TellingEntriesOfTheTables) {
    const MetricheFont& regular = *metricheFont(false, 0);
    const MetricheFont& bold = *metricheFont(false, 1);
    EXPECT_EQ(regular.width(' '), 278);
    EXPECT_EQ(regular.width('!'), 278);
    EXPECT_EQ(regular.width('"'), 355);
    EXPECT_EQ(regular.width('\''), 191);
    EXPECT_EQ(regular.width('9'), 556);
    EXPECT_EQ(regular.width('@'), 1015);
    EXPECT_EQ(regular.width('A'), 667);
    EXPECT_EQ(bold.width('!'), 333);
    EXPECT_EQ(metricheFont(false, 2)->width('!'), 278);
    EXPECT_EQ(metricheFont(false, 3)->width('!'), 333);
    for (int style = 0; style < 4; ++style)
        EXPECT_EQ(metricheFont(false, style)->width(' '), 278);
    EXPECT_EQ(regular.width(0x81), 272);
    EXPECT_EQ(regular.width(0x10), 272);
    EXPECT_EQ(metricheFont(true, 0)->width(224), 494);
    EXPECT_EQ(metricheFont(true, 0)->width(30), 332);
    EXPECT_EQ(metricheFont(false, 4), nullptr);
    EXPECT_EQ(metricheFont(true, -1), nullptr);
}

TEST_F(Testo, AnyFamilyButSymbolIsArial) {
    const auto lines = fontObject([](clsPdfWriter& w) { w.LoadFont("Fn1", "Times New Roman", 0); });
    ASSERT_EQ(lines.size(), 16U);
    EXPECT_EQ(lines[0], "<< /Type /Font \r/Subtype /TrueType\r/Name /Fn1\r/BaseFont /Arial\r"
                        "/FirstChar 32\r/LastChar 255\r/FontDescriptor 6 0 R\r"
                        "/Encoding /WinAnsiEncoding\r/Widths [");
    EXPECT_EQ(lines[1], "278 278 355 556 556 889 667 191 333 333 389 584 278 333 278 278 ");
    EXPECT_EQ(lines[15], "] >>");
}

TEST_F(Testo, SymbolInAnyCaseHasItsOwnCodes) {
    const std::string bytes = document([](clsPdfWriter& w) { w.LoadFont("Fn5", " s Ymbol", 0); });
    const auto lines = splitLines(bytes);
    const auto start = std::find(lines.begin(), lines.end(), "5 0 obj") - lines.begin();
    // 226 widths: fourteen lines of sixteen and one of two.
    EXPECT_EQ(lines[static_cast<std::size_t>(start) + 16], "494 332 ");
    EXPECT_NE(bytes.find("/BaseFont /Symbol\r/FirstChar 30\r"), std::string::npos);
    EXPECT_EQ(bytes.find("/Encoding"), std::string::npos);
    EXPECT_NE(bytes.find("/FontName /Symbol\r/Flags 6 /FontBBox"), std::string::npos);
}

TEST_F(Testo, StylesPickNameAndDescriptor) {
    const std::string bytes = document([](clsPdfWriter& w) {
        w.LoadFont("Fn2", "Arial", 3);
        w.LoadFontStandard("F1", "Times Roman", 1);
        w.LoadFontStandard("F2", "Symbol", 0);
    });
    EXPECT_NE(bytes.find("/BaseFont /Arial,BoldItalic\r"), std::string::npos);
    EXPECT_NE(bytes.find("<<\r/Type /FontDescriptor\r/FontName /Arial,BoldItalic\r/Flags 16480 "
                         "/FontBBox [-250 -212 1120 1000] /MissingWidth 311 /StemV 153 /StemH 153 "
                         "/ItalicAngle -11 /CapHeight 905 /XHeight 453 /Ascent 905 /Descent -212 "
                         "/Leading 150 /MaxWidth 933 /AvgWidth 479\r>>\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\n<< /Type /Font /Subtype /Type1 /Name /F1 /BaseFont /TimesRoman,Bold "
                         "/Encoding /WinAnsiEncoding >>\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("/Name /F2 /BaseFont /Symbol >>\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("/Font <<\r/Fn2 5 0 R \r/F1 7 0 R \r/F2 8 0 R \r>>"), std::string::npos);
}

TEST_F(Testo, StyleOutsideTheTablesIsAnError) {
    const std::string bytes = document([](clsPdfWriter& w) {
        EXPECT_THROW(w.LoadFont("Fn9", "Arial", 4), PdfError);
        EXPECT_THROW(w.LoadFont("Fn9", "Symbol", -1), PdfError);
    });
    EXPECT_EQ(bytes.find("/Font"), std::string::npos);
    expectSoundStructure(bytes);
}

TEST_F(Testo, LengthMeasuresWithTheKeptSpacing) {
    pageContent(
        [](clsPdfWriter& w) {
            EXPECT_FLOAT_EQ(w.Length("", "Fn1", 10), 0.0F);
            EXPECT_FLOAT_EQ(w.Length("A", "Fn1", 10), 6.67F);
            EXPECT_FLOAT_EQ(w.Length("A", "fN1", 10), 6.67F);
            EXPECT_FLOAT_EQ(w.Length("A", "Fs", 10), 0.0F);
            EXPECT_FLOAT_EQ(w.Length("A", "Nessuno", 10), 0.0F);
            w.SetCharSpacing(1);
            w.SetWordSpacing(2);
            w.SetTextHorizontalScaling(50);
            // (2 x 6.67 + 2.78 + 2 + 3 x 1) x 50 %
            EXPECT_FLOAT_EQ(w.Length("A A", "Fn1", 10), 10.56F);
        },
        [](clsPdfWriter& w) {
            w.LoadFont("Fn1", "Arial", 0);
            w.LoadFontStandard("Fs", "Helvetica", 0);
        });
    // A new page starts from the default spacing again.
    pageContent([](clsPdfWriter& w) { EXPECT_FLOAT_EQ(w.Length("A A", "Fn1", 10), 16.12F); },
                [](clsPdfWriter& w) { w.LoadFont("Fn1", "Arial", 0); });
    writer.ScaleMode(3);
    pageContent([](clsPdfWriter& w) { EXPECT_NEAR(w.Length("A", "Fn1", 72), 1.6942F, 1e-4); },
                [](clsPdfWriter& w) { w.LoadFont("Fn1", "Arial", 0); });
}

TEST_F(Testo, ACharacterOfCodeZeroCannotBeMeasured) {
    const std::string text("a\0b", 3);
    pageContent(
        [&](clsPdfWriter& w) {
            EXPECT_THROW(w.Length(text, "Fn1", 10), PdfError);
            EXPECT_THROW(w.DrawText(10, 10, text, "Fn1", 10, 2), PdfError);
            EXPECT_NO_THROW(w.DrawText(10, 10, text, "Fn1", 10, 0));
        },
        [this](clsPdfWriter& w) { loadArial(w); });
}

TEST_F(Testo, DrawTextAlignsRotatesAndEscapes) {
    const auto lines = pageContent(
        [](clsPdfWriter& w) {
            w.DrawText(100, 50, "AA", "Fn1", 10, 1);
            w.DrawText(100, 50, "AA", "Fn1", 10, 2);
            w.DrawText(100, 50, "a(b)c\\d", "Fn1", 12, 0, 90);
            w.DrawText(100, 50, "x", "Fn1", 12, 7);
        },
        [this](clsPdfWriter& w) { loadArial(w); });
    const std::vector<std::string> expected = {"BT",
                                               "/Fn1 10 Tf",
                                               "86.66 50 Td",
                                               "(AA) Tj",
                                               "ET",
                                               "BT",
                                               "/Fn1 10 Tf",
                                               "93.33 50 Td",
                                               "(AA) Tj",
                                               "ET",
                                               "BT",
                                               "/Fn1 12 Tf",
                                               "0 1 -1 0 100 50 Tm",
                                               "(a\\(b\\)c\\\\d) Tj",
                                               "ET",
                                               "BT",
                                               "/Fn1 12 Tf",
                                               "100 50 Td",
                                               "(x) Tj",
                                               "ET"};
    EXPECT_EQ(lines, expected);
}

TEST_F(Testo, FontSizesStayInPointsWhateverTheUnit) {
    writer.ScaleMode(2);
    const auto lines =
        pageContent([](clsPdfWriter& w) { w.DrawText(10, 10, "x", "Fn1", 12, 0, 45); },
                    [this](clsPdfWriter& w) { loadArial(w); });
    EXPECT_EQ(lines[1], "/Fn1 12 Tf");
    EXPECT_EQ(lines[2], "0.707 0.707 -0.707 0.707 28.346 28.346 Tm");
}

TEST_F(Testo, UnknownFontIsAnError) {
    pageContent(
        [](clsPdfWriter& w) {
            EXPECT_THROW(w.DrawText(10, 10, "x", "fn1", 12), PdfError);
            EXPECT_THROW(w.DrawText(10, 10, "x", "Fn2", 12), PdfError);
        },
        [this](clsPdfWriter& w) { loadArial(w); });
}

TEST_F(Testo, TextStateOperators) {
    const auto lines = pageContent([](clsPdfWriter& w) {
        w.SetCharSpacing(0.5F);
        w.SetWordSpacing(-1);
        w.SetTextHorizontalScaling(120);
        w.SetTextRenderingMode(2);
        w.SetTextRenderingMode(3);
        w.SetTextRenderingMode(-1);
    });
    const std::vector<std::string> expected = {"0.5 Tc", "-1 Tw", "120 Tz", "2 Tr"};
    EXPECT_EQ(lines, expected);
}
