// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuto_pdf.h"

using namespace scrivolta::pdf;
using namespace scrivolta::pdf::test;

namespace {

class Grafica : public PdfTest {};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(Grafica, ColoursGreyAndRgb) {
    const auto lines = pageContent([](clsPdfWriter& w) {
        w.SetColorFill(0);
        w.SetColorFill(-255);
        w.SetColorStroke(-128);
        w.SetColorFill(255);
        w.SetColorFill(16777215);
        w.SetColorStroke(128 << 8 | 255 << 16);
        EXPECT_THROW(w.SetColorFill(-256), PdfError);
    });
    EXPECT_EQ(lines, (Lines{"0 g", "1 g", "0.502 G", "1 0 0 rg", "1 1 1 rg", "0 0.502 1 RG"}));
}

TEST_F(Grafica, DashAndLineStateWriteOnlyWhatIsValid) {
    writer.ScaleMode(1);
    const auto lines = pageContent([](clsPdfWriter& w) {
        w.SetDash(0, 0);
        w.SetDash(0.5F, 0);
        w.SetLineWidth(0.25F);
        w.SetLineCap(3);
        w.SetLineCap(2);
        w.SetLineJoin(5);
        w.SetLineJoin(-1);
        w.SetLineJoin(1);
        w.SetMiterLimit(0.5F);
        w.SetMiterLimit(2);
    });
    EXPECT_EQ(lines, (Lines{"[ ] 0 d", "[36 0] 0 d", "18 w", "2 J", "1 j", "2 M"}));
}

TEST_F(Grafica, PaintingRuleForEveryOption) {
    const std::vector<Lines> expected = {{}, {"S"}, {"h"}, {"h", "S"}, {"f"}, {"B"}, {"f"}, {"b"}};
    for (int option = 0; option < 8; ++option) {
        auto lines = pageContent([option](clsPdfWriter& w) { w.LineTo(1, 2, option); });
        EXPECT_EQ(lines.front(), "1 2 l");
        lines.erase(lines.begin());
        EXPECT_EQ(lines, expected[static_cast<std::size_t>(option)]) << "option " << option;
    }
}

TEST_F(Grafica, PathSegments) {
    const auto lines = pageContent([](clsPdfWriter& w) {
        w.MoveTo(1, 2);
        w.LineTo(3, 4, 0);
        w.Curve(5, 6, 7, 8, 9, 10, 1);
    });
    EXPECT_EQ(lines, (Lines{"1 2 m", "3 4 l", "5 6 7 8 9 10 c", "S"}));
}

TEST_F(Grafica, RectanglesPlainAndRounded) {
    float used = 0;
    const auto lines = pageContent([&](clsPdfWriter& w) {
        EXPECT_EQ(w.Rectangle(1, 2, 3, 4, 4, 0), 0.0F);
        used = w.Rectangle(0, 0, 6, 4, 1, 10);
    });
    EXPECT_EQ(used, 2.0F);
    EXPECT_EQ(lines, (Lines{"n", "1 2 3 4 re", "f", "n", "2 0 m", "4 0 l", "5.1 0 6 0.9 6 2 c",
                            "6 2 l", "6 3.1 5.1 4 4 4 c", "2 4 l", "0.9 4 0 3.1 0 2 c", "0 2 l",
                            "0 0.9 0.9 0 2 0 c", "S"}));
}

TEST_F(Grafica, CircleHasFourQuarters) {
    const auto lines = pageContent([](clsPdfWriter& w) { w.DrawCircle(10, 10, 10, 5); });
    EXPECT_EQ(lines, (Lines{"10 0 m", "15.5 0 20 4.5 20 10 c", "20 15.5 15.5 20 10 20 c",
                            "4.5 20 0 15.5 0 10 c", "0 4.5 4.5 0 10 0 c", "B"}));
}

TEST_F(Grafica, ArcIsAPolygonOfSteps) {
    auto lines = pageContent([](clsPdfWriter& w) { w.Arc(0, 0, 10, 0, 90, 1, false, 0, 30, 1); });
    EXPECT_EQ(lines,
              (Lines{"n", "0 0 m", "10 0 m", "10 0 l", "8.66 5 l", "5 8.66 l", "0 10 l", "S"}));
    // Filling makes it a pie; a half-height ellipse turned by 90 degrees.
    lines = pageContent([](clsPdfWriter& w) { w.Arc(0, 0, 10, 0, 100, 0.5F, false, 90, 90, 4); });
    EXPECT_EQ(lines, (Lines{"n", "0 0 m", "0 10 l", "-5 0 l", "0 0 l", "f"}));
    pageContent(
        [](clsPdfWriter& w) { EXPECT_THROW(w.Arc(0, 0, 1, 0, 90, 1, 0, 0, 0, 1), PdfError); });
}

TEST_F(Grafica, FormObjectsFollowTheirPageOptions) {
    const std::vector<int> options = {7, 2, 4, 6, 12, 14, 0, 1, 8};
    const std::string bytes = document([&](clsPdfWriter& w) {
        w.Margin(10);
        for (std::size_t i = 0; i < options.size(); ++i) {
            w.StartObject("F" + std::to_string(options[i]), options[i]);
            w.MoveTo(0, 0);
            w.EndObject();
        }
        for (int page = 0; page < 4; ++page) {
            w.BeginPage();
            w.EndPage();
        }
    });
    const std::vector<std::string> drawn = {
        "/F7 Do\r\n/F4 Do\r\n/F6 Do\r\nendstream",
        "/F7 Do\r\n/F2 Do\r\n/F6 Do\r\n/F14 Do\r\nendstream",
        "/F7 Do\r\n/F4 Do\r\n/F6 Do\r\n/F12 Do\r\n/F14 Do\r\nendstream",
        "/F7 Do\r\n/F2 Do\r\n/F6 Do\r\n/F14 Do\r\nendstream"};
    std::size_t at = 0;
    for (const std::string& page : drawn) {
        at = bytes.find("0 R >>\rstream\r\n", bytes.find("/Type /Page\r", at)) + 15;
        EXPECT_EQ(bytes.compare(at, page.size(), page), 0) << bytes.substr(at, page.size());
    }
    EXPECT_NE(bytes.find("<<\r/Type /XObject\r/Subtype /Form\r/FormType 1\r/Name /F7\r"
                         "/BBox [10 10 585.2 832]\r/Matrix [1 0 0 1 0 0]\r/Length 6 0 R >>\r"
                         "stream\r\n0 0 m\r\nendstream\r\nendobj\r\n6 0 obj\r\n7\r\n"),
              std::string::npos);
    expectSoundStructure(bytes);
}

TEST_F(Grafica, DrawObjectByHandOnlyForKnownForms) {
    const auto lines = pageContent(
        [](clsPdfWriter& w) {
            w.DrawObject("Timbro");
            EXPECT_THROW(w.DrawObject("Altro"), PdfError);
        },
        [](clsPdfWriter& w) {
            w.StartObject("Timbro", 0);
            EXPECT_THROW(w.DrawObject("Timbro"), PdfError);
            w.EndObject();
        });
    EXPECT_EQ(lines, (Lines{"/Timbro Do"}));
}

TEST_F(Grafica, ImagesAreDrawnUprightFromTheirTopLeftCorner) {
    writer.ScaleMode(3);
    const std::uint8_t grey[] = {0};
    const auto lines = pageContent(
        [](clsPdfWriter& w) {
            w.DrawImg("Im1", 1, 2, 3, 4);
            w.DrawImg("Im1", 0, 0, 1, -1);
            EXPECT_THROW(w.DrawImg("Im2", 1, 2, 3, 4), PdfError);
        },
        [&](clsPdfWriter& w) { w.LoadImgFromArray("Im1", grey, {}, 1, 1, 24, 1); });
    EXPECT_EQ(lines, (Lines{"q\r85.039  0 0 -113.386 28.346 56.693 cm\r/Im1 Do\rQ",
                            "q\r28.346  0 0 28.346 0 0 cm\r/Im1 Do\rQ"}));
}
