// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuto_pdf.h"

using namespace scrivolta::pdf;
using namespace scrivolta::pdf::test;

namespace {

class Struttura : public PdfTest {};

std::string pageTree(const std::string& bytes) {
    const std::size_t begin = bytes.find("3 0 obj\r\n") + 9;
    return bytes.substr(begin, bytes.find("\r\n", begin) - begin);
}

} // namespace

TEST_F(Struttura, OneFontOnePageLaidOutLineByLine) {
    const std::string bytes = document([](clsPdfWriter& w) {
        w.LoadFont("Fn1", "Arial", 0);
        w.BeginPage();
        w.DrawText(10, 20, "Ciao", "Fn1", 12);
        w.EndPage();
    });
    const auto lines = splitLines(bytes);
    const std::vector<std::pair<std::size_t, std::string>> expected = {
        {0, "%PDF-1.3"},
        {1, "1 0 obj"},
        {2, "<<\r/Title (\\(senza titolo\\))\r/Author (Scrivolta)\r/Creator  (Scrivolta PDF "
            "writer)\r/Producer (Scrivolta, streaming PDF 1.3 writer)\r/CreationDate "
            "(D:20240306151756+01'00')\r>>"},
        {3, "endobj"},
        {4, "2 0 obj"},
        {5, "<<\r/Type /Catalog\r/Pages 3 0 R\r/PageLayout /OneColumn\r/PageMode /UseNone\r/Lang "
            "(it) \r/ViewerPreferences << /HideToolbar false /DisplayDocTitle true "
            "/HideWindowUI false >>\r>>"},
        {6, "endobj"},
        {7, "5 0 obj"},
        {23, "] >>"},
        {24, "endobj"},
        {25, "6 0 obj"},
        {27, "endobj"},
        {28, "7 0 obj"},
        {29, "<<\r/Type /Page\r/Parent 3 0 R\r/Contents 8 0 R\r>>"},
        {30, "endobj"},
        {31, "8 0 obj"},
        {32, "<< /Length 9 0 R >>\rstream"},
        {33, "BT"},
        {34, "/Fn1 12 Tf"},
        {35, "10 20 Td"},
        {36, "(Ciao) Tj"},
        {37, "ET"},
        {38, "endstream"},
        {39, "endobj"},
        {40, "9 0 obj"},
        {41, "41"},
        {42, "endobj"},
        {43, "4 0 obj"},
        {44, "<<\r/Font <<\r/Fn1 5 0 R \r>>\r/ProcSet [/PDF /Text ]\r>>"},
        {45, "endobj"},
        {46, "3 0 obj"},
        {47, "<<\r/Type /Pages\r/Count 1\r/MediaBox [0 0 595.2 842]\r/CropBox [0 0 595.2 842]\r\r"
             "/Kids [7 0 R  ]\r/Resources 4 0 R\r>>"},
        {48, "endobj"},
        {49, "xref"},
        {50, "0 10"},
        {51, "0000000000 65535 f"},
        {61, "trailer\r<<\r/Size 10\r/Info 1 0 R\r/Root 2 0 R\r>>"},
        {63, "%%EOF\r"},
    };
    ASSERT_EQ(lines.size(), 64U);
    for (const auto& [index, text] : expected)
        EXPECT_EQ(lines[index], text) << "line " << index;
    EXPECT_EQ(lines[62], "startxref\r" + std::to_string(bytes.find("xref\r\n")));
    EXPECT_TRUE(bytes.ends_with("%%EOF\r\r\n"));
    expectSoundStructure(bytes);
}

TEST_F(Struttura, EveryObjectOfARichDocumentIsWhereTheTableSays) {
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 4, 5, 6};
    const std::string bytes = document([&](clsPdfWriter& w) {
        w.LoadFont("Fn1", "Arial", 1);
        w.LoadFontStandard("Fn2", "Courier", 0);
        w.LoadImgFromArray("Im1", pixels, {}, 2, 1, 24, 0);
        w.StartObject("Testata", 7);
        w.DrawText(1, 1, "testata", "Fn2", 8);
        w.EndObject();
        for (int page = 0; page < 3; ++page) {
            w.BeginPage();
            w.DrawImg("Im1", 0, 100, 10, 10);
            w.EndPage();
        }
    });
    expectSoundStructure(bytes);
    EXPECT_NE(bytes.find("/ProcSet [/PDF /Text /ImageB /ImageC /ImageI ]\r/XObject <<\r/Im1 8 0 R "
                         "\r\r/Testata 10 0 R \r>>\r>>"),
              std::string::npos);
}

TEST_F(Struttura, DocumentWithoutPages) {
    const std::string bytes = document([](clsPdfWriter&) {});
    EXPECT_NE(pageTree(bytes).find("/Count 0\r"), std::string::npos);
    EXPECT_NE(pageTree(bytes).find("/Kids [ ]\r"), std::string::npos);
    EXPECT_NE(bytes.find("xref\r\n0 5\r\n"), std::string::npos);
    expectSoundStructure(bytes);
}

TEST_F(Struttura, KidsListTheirPagesAndEndWithTwoBlanks) {
    const std::string bytes = document([](clsPdfWriter& w) {
        EXPECT_EQ(w.BeginPage(), 1);
        w.EndPage();
        EXPECT_EQ(w.BeginPage(), 2);
        w.EndPage();
        EXPECT_EQ(w.Pages(), 2);
    });
    EXPECT_NE(pageTree(bytes).find("/Count 2\r"), std::string::npos);
    EXPECT_NE(pageTree(bytes).find("/Kids [5 0 R 8 0 R  ]"), std::string::npos);
}

TEST_F(Struttura, PaperOrientationAndMargin) {
    writer.Orientation(1);
    std::string tree = pageTree(document([](clsPdfWriter&) {}));
    EXPECT_NE(tree.find("/MediaBox [0 0 595.2 842]\r/CropBox [0 0 595.2 842]\r/Rotate 90\r"),
              std::string::npos);

    writer.Orientation(2);
    writer.ScaleMode(3);
    writer.Margin(1);
    tree = pageTree(document([](clsPdfWriter&) {}));
    EXPECT_EQ(tree.find("/Rotate"), std::string::npos);
    EXPECT_NE(tree.find("/CropBox [28.346 28.346 566.854 813.654]"), std::string::npos);

    writer.Margin(0);
    writer.PaperSize(1);
    writer.PaperWidth(10);
    EXPECT_NE(pageTree(document([](clsPdfWriter&) {})).find("/MediaBox [0 0 283.465 1190.5]"),
              std::string::npos);
    writer.PaperSize(2);
    writer.PaperSize(77);
    EXPECT_NE(pageTree(document([](clsPdfWriter&) {})).find("/MediaBox [0 0 612 792]"),
              std::string::npos);
}

TEST_F(Struttura, TitleIsEscaped) {
    writer.Title("Risultati (prova) a\\b");
    EXPECT_NE(document([](clsPdfWriter&) {}).find("/Title (Risultati \\(prova\\) a\\\\b)\r"),
              std::string::npos);
}

TEST_F(Struttura, EmptyNameIsGeneratedInTheProgramFolder) {
    std::string name;
    ASSERT_TRUE(writer.InitPDFFile(name));
    writer.ClosePDFFile();
    EXPECT_EQ(name, (folder.path() / "~3AAAEFB.pdf").string());
    EXPECT_TRUE(std::filesystem::exists(name));
}

TEST_F(Struttura, UnwritablePlaceIsReportedAndTheWriterRecovers) {
    std::string missing = (folder.path() / "nessuna" / "doc.pdf").string();
    EXPECT_FALSE(writer.InitPDFFile(missing));
    EXPECT_THROW(writer.BeginPage(), PdfError);
    expectSoundStructure(document([](clsPdfWriter& w) {
        w.BeginPage();
        w.EndPage();
    }));
}

// Each document numbers its own objects and lists only its own pages and
// fonts, even from a writer that already wrote one.
TEST_F(Struttura, ASecondDocumentStartsAfresh) {
    document([](clsPdfWriter& w) {
        w.LoadFont("Fn1", "Arial", 0);
        w.BeginPage();
        w.EndPage();
    });
    const std::string second = document([](clsPdfWriter& w) {
        EXPECT_EQ(w.BeginPage(), 1);
        EXPECT_THROW(w.DrawText(0, 0, "x", "Fn1", 10), PdfError);
        w.EndPage();
    });
    EXPECT_EQ(second.find("/Font"), std::string::npos);
    EXPECT_NE(pageTree(second).find("/Count 1\r/"), std::string::npos);
    EXPECT_NE(pageTree(second).find("/Kids [5 0 R  ]"), std::string::npos);
    expectSoundStructure(second);
}

TEST_F(Struttura, TheFileAppearsOnlyWhenComplete) {
    const auto path = folder.path() / "doc.pdf";
    writeBytes(path, {'o', 'l', 'd'});
    std::string name = path.string();
    ASSERT_TRUE(writer.InitPDFFile(name));
    writer.BeginPage();
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_THROW(writer.ClosePDFFile(), PdfError);
    ASSERT_TRUE(writer.InitPDFFile(name));
    EXPECT_EQ(readBytes(path), "old");
    writer.ClosePDFFile();
    EXPECT_TRUE(readBytes(path).starts_with("%PDF-1.3\r\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// The temporary folder is shared: links planted at the names the writer
// uses must not lead it to overwrite their targets.
TEST_F(Struttura, LinksAtTheDocumentsNamesAreNotFollowed) {
    const auto bersaglio = folder.path() / "bersaglio";
    writeBytes(bersaglio, {'m', 'i', 'o'});
    const auto path = folder.path() / "doc.pdf";
    std::filesystem::path part = path;
    part += ".part";
    std::filesystem::create_symlink(bersaglio, part);
    std::filesystem::create_symlink(bersaglio, path);
    std::string name = path.string();
    ASSERT_TRUE(writer.InitPDFFile(name));
    writer.BeginPage();
    writer.EndPage();
    writer.ClosePDFFile();
    EXPECT_EQ(readBytes(bersaglio), "mio");
    EXPECT_FALSE(std::filesystem::is_symlink(path));
    EXPECT_TRUE(readBytes(path).starts_with("%PDF-1.3\r\n"));
}

TEST_F(Struttura, CallsOutOfOrderAreRefused) {
    EXPECT_THROW(writer.ClosePDFFile(), PdfError);
    EXPECT_THROW(writer.LoadFont("Fn1", "Arial", 0), PdfError);
    std::string name = (folder.path() / "doc.pdf").string();
    ASSERT_TRUE(writer.InitPDFFile(name));
    EXPECT_THROW(writer.MoveTo(0, 0), PdfError);
    EXPECT_THROW(writer.EndPage(), PdfError);
    EXPECT_THROW(writer.EndObject(), PdfError);
    writer.BeginPage();
    EXPECT_THROW(writer.BeginPage(), PdfError);
    EXPECT_THROW(writer.LoadFont("Fn1", "Arial", 0), PdfError);
    EXPECT_THROW(writer.LoadFontStandard("Fn2", "Courier", 0), PdfError);
    EXPECT_THROW(writer.StartObject("F", 7), PdfError);
    const std::uint8_t grey[] = {0};
    EXPECT_THROW(writer.LoadImgFromArray("I", grey, {}, 1, 1, 24, 1), PdfError);
    writer.EndPage();
    writer.ClosePDFFile();
    EXPECT_THROW(writer.ClosePDFFile(), PdfError);
}

TEST_F(Struttura, ObjectNumbersStopAt32767) {
    std::string name = (folder.path() / "doc.pdf").string();
    ASSERT_TRUE(writer.InitPDFFile(name));
    int pages = 0;
    try {
        for (;; ++pages) {
            writer.BeginPage();
            writer.EndPage();
        }
    } catch (const PdfError&) {
    }
    EXPECT_EQ(pages, (32767 - 4) / 3);
    writer.ClosePDFFile();
    expectSoundStructure(readBytes(name));
}
