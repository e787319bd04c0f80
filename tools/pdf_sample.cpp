// SPDX-License-Identifier: GPL-3.0-or-later
// pdf-sample OUT.pdf: writes a four-page document that uses every operation
// of the PDF writer, to look at in a viewer or to hand to other readers.

#include "pdf/pdfwriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

using scrivolta::pdf::clsPdfWriter;
using scrivolta::pdf::PdfError;

namespace {

constexpr int kStroke = 1;
constexpr int kClose = 2;
constexpr int kFill = 4;

constexpr std::int32_t rgb(int r, int g, int b) {
    return r | g << 8 | b << 16;
}

// A bitmap file: rows bottom row first, each already packed, padded here.
std::vector<std::uint8_t> bitmap(int width, int height, int bpp,
                                 const std::vector<std::uint8_t>& paletteBgra,
                                 const std::vector<std::vector<std::uint8_t>>& rows) {
    const std::size_t stride = (static_cast<std::size_t>(width) * bpp + 31) / 32 * 4;
    const std::size_t offset = 54 + paletteBgra.size();
    const std::size_t size = offset + stride * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> file(size, 0);
    auto put = [&file](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<std::uint32_t>(size), 4);
    put(10, static_cast<std::uint32_t>(offset), 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, static_cast<std::uint32_t>(bpp), 2);
    std::copy(paletteBgra.begin(), paletteBgra.end(), file.begin() + 54);
    for (std::size_t y = 0; y < rows.size(); ++y)
        std::copy(rows[y].begin(), rows[y].end(),
                  file.begin() + static_cast<long>(offset + y * stride));
    return file;
}

std::vector<std::uint8_t> checkerboard1Bit() {
    std::vector<std::vector<std::uint8_t>> rows;
    for (int y = 0; y < 16; ++y)
        rows.push_back({static_cast<std::uint8_t>(y / 4 % 2 ? 0xF0 : 0x0F),
                        static_cast<std::uint8_t>(y / 4 % 2 ? 0xF0 : 0x0F)});
    return bitmap(16, 16, 1, {0, 0, 0, 0, 0x40, 0x80, 0xFF, 0}, rows);
}

std::vector<std::uint8_t> stripes4Bit() {
    std::vector<std::uint8_t> palette;
    for (int i = 0; i < 16; ++i)
        palette.insert(palette.end(), {static_cast<std::uint8_t>(i * 16),
                                       static_cast<std::uint8_t>(255 - i * 16), 200, 0});
    std::vector<std::vector<std::uint8_t>> rows;
    for (int y = 0; y < 8; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < 16; x += 2)
            row.push_back(static_cast<std::uint8_t>(x << 4 | (x + 1)));
        rows.push_back(row);
    }
    return bitmap(16, 8, 4, palette, rows);
}

std::vector<std::uint8_t> ramp8Bit() {
    std::vector<std::uint8_t> palette;
    for (int i = 0; i < 256; ++i)
        palette.insert(palette.end(),
                       {static_cast<std::uint8_t>(255 - i), 64, static_cast<std::uint8_t>(i), 0});
    std::vector<std::vector<std::uint8_t>> rows;
    for (int y = 0; y < 32; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < 33; ++x)
            row.push_back(static_cast<std::uint8_t>(x * 7 + y * 2));
        rows.push_back(row);
    }
    return bitmap(33, 32, 8, palette, rows);
}

std::vector<std::uint8_t> gradient24Bit() {
    std::vector<std::vector<std::uint8_t>> rows;
    for (int y = 0; y < 30; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < 45; ++x)
            row.insert(row.end(),
                       {static_cast<std::uint8_t>(y * 8), static_cast<std::uint8_t>(x * 5), 220});
        rows.push_back(row);
    }
    return bitmap(45, 30, 24, {}, rows);
}

std::filesystem::path saveBitmap(const std::filesystem::path& folder, const char* name,
                                 const std::vector<std::uint8_t>& bytes) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return path;
}

void loadFonts(clsPdfWriter& pdf) {
    pdf.LoadFont("Fn1", "Arial", 0);
    pdf.LoadFont("Fn2", "Arial", 3);
    pdf.LoadFont("Fn3", "Arial", 1);
    pdf.LoadFont("Fn4", "Arial", 2);
    pdf.LoadFont("Fn5", "Symbol", 0);
    pdf.LoadFontStandard("Fn6", "Helvetica", 0);
    pdf.LoadFontStandard("Fn7", "Courier", 0);
}

void defineForms(clsPdfWriter& pdf) {
    pdf.StartObject("Cornice", 7);
    pdf.SetColorStroke(rgb(0, 90, 160));
    pdf.SetLineWidth(0.5F);
    pdf.Rectangle(10, 10, 190, 277, kStroke, 4);
    pdf.DrawText(105, 280, "Scrivolta - esempio del writer PDF", "Fn3", 9, 2);
    pdf.EndObject();
    pdf.StartObject("Pari", 2);
    pdf.DrawText(190, 14, "Pagina pari", "Fn4", 8, 1);
    pdf.EndObject();
    pdf.StartObject("Dispari", 4);
    pdf.DrawText(20, 14, "Pagina dispari", "Fn4", 8, 0);
    pdf.EndObject();
    pdf.StartObject("DallaSeconda", 14);
    pdf.DrawText(105, 14, "Dalla seconda pagina", "Fn4", 8, 2);
    pdf.EndObject();
    pdf.StartObject("Timbro", 0);
    pdf.SetColorFill(rgb(200, 30, 30));
    pdf.DrawText(150, 60, "Timbro a mano", "Fn2", 14, 0, 20);
    pdf.EndObject();
}

void guide(clsPdfWriter& pdf, float x, float y) {
    pdf.SetColorStroke(-160);
    pdf.MoveTo(x, y - 3);
    pdf.LineTo(x, y + 6, kStroke);
    pdf.SetColorStroke(0);
}

void alignedAndTurnedTexts(clsPdfWriter& pdf) {
    pdf.SetColorFill(0);
    pdf.SetLineWidth(0.2F);
    pdf.DrawText(20, 262, "Testi, allineamenti e font", "Fn2", 18);
    guide(pdf, 20, 248);
    pdf.DrawText(20, 248, "Allineato a sinistra", "Fn1", 12, 0);
    guide(pdf, 105, 240);
    pdf.DrawText(105, 240, "Centrato sulla guida", "Fn1", 12, 2);
    guide(pdf, 190, 232);
    pdf.DrawText(190, 232, "Allineato a destra", "Fn1", 12, 1);
    pdf.DrawText(110, 125, "Ruotato di 45 gradi", "Fn3", 14, 0, 45);
    pdf.DrawText(180, 120, "Ruotato di 90 gradi", "Fn1", 12, 0, 90);
}

void everyFont(clsPdfWriter& pdf) {
    const char* names[] = {"Fn1", "Fn3", "Fn4", "Fn2", "Fn6", "Fn7"};
    const char* labels[] = {"Arial normale",           "Arial grassetto",    "Arial corsivo",
                            "Arial grassetto corsivo", "Helvetica (Type 1)", "Courier (Type 1)"};
    for (int i = 0; i < 6; ++i)
        pdf.DrawText(20, 215 - 8.0F * i, labels[i], names[i], 12);
    pdf.DrawText(20, 167, "abgdp \xE0", "Fn5", 14);
    pdf.DrawText(60, 167, "(Symbol: alfa beta gamma delta pi e una losanga)", "Fn1", 10);
}

void textState(clsPdfWriter& pdf) {
    pdf.DrawText(20, 100, "Perch\xE9 \xE8 cos\xEC: 10 \x80, (tonde) e \\ rovescia", "Fn1", 12);
    pdf.SetCharSpacing(1);
    pdf.DrawText(190, 90, "Spaziatura dei caratteri", "Fn1", 12, 1);
    pdf.SetCharSpacing(0);
    pdf.SetWordSpacing(6);
    pdf.DrawText(190, 82, "Spaziatura delle parole", "Fn1", 12, 1);
    pdf.SetWordSpacing(0);
    pdf.SetTextHorizontalScaling(150);
    pdf.DrawText(190, 74, "Scala orizzontale", "Fn1", 12, 1);
    pdf.SetTextHorizontalScaling(100);
    pdf.SetTextRenderingMode(1);
    pdf.DrawText(20, 60, "Solo contorno", "Fn3", 20);
    pdf.SetTextRenderingMode(2);
    pdf.DrawText(100, 60, "Contorno e pieno", "Fn3", 20);
    pdf.SetTextRenderingMode(0);
}

void textPage(clsPdfWriter& pdf) {
    pdf.BeginPage();
    alignedAndTurnedTexts(pdf);
    everyFont(pdf);
    textState(pdf);
    pdf.EndPage();
}

void colourAndPaintingRow(clsPdfWriter& pdf) {
    const std::int32_t colours[] = {
        0, -64, -128, -192, rgb(255, 0, 0), rgb(0, 128, 255), rgb(40, 160, 60), rgb(250, 200, 0)};
    for (int i = 0; i < 8; ++i) {
        pdf.SetColorFill(colours[i]);
        pdf.Rectangle(20 + 21.0F * i, 245, 16, 12, kFill | kStroke);
    }
    pdf.SetColorFill(rgb(120, 170, 230));
    for (int option = 1; option < 8; ++option) {
        const float x = 20 + 24.0F * (option - 1);
        pdf.MoveTo(x, 215);
        pdf.LineTo(x + 16, 215, 0);
        pdf.LineTo(x + 8, 232, option);
        pdf.SetColorFill(0);
        pdf.DrawText(x + 8, 209, "opzione " + std::to_string(option), "Fn1", 8, 2);
        pdf.SetColorFill(rgb(120, 170, 230));
    }
}

void linesAndCurves(clsPdfWriter& pdf) {
    pdf.SetColorStroke(0);
    pdf.SetLineWidth(0.4F);
    pdf.SetDash(3, 2);
    pdf.MoveTo(20, 200);
    pdf.LineTo(190, 200, kStroke);
    pdf.SetDash(0, 0);
    pdf.MoveTo(20, 185);
    pdf.Curve(60, 205, 100, 165, 140, 185, kStroke);
    pdf.SetLineWidth(3);
    for (int style = 0; style < 3; ++style) {
        pdf.SetLineCap(style);
        pdf.SetLineJoin(style);
        const float x = 30 + 55.0F * style;
        pdf.MoveTo(x, 160);
        pdf.LineTo(x + 15, 175, 0);
        pdf.LineTo(x + 30, 160, kStroke);
    }
    pdf.SetLineCap(0);
    pdf.SetLineJoin(0);
    pdf.SetMiterLimit(2);
    pdf.SetLineWidth(0.3F);
}

void shapes(clsPdfWriter& pdf) {
    pdf.SetColorFill(rgb(230, 240, 255));
    pdf.Rectangle(20, 115, 40, 25, kStroke | kFill);
    pdf.Rectangle(70, 115, 40, 25, kStroke | kFill, 5);
    const float used = pdf.Rectangle(120, 115, 40, 25, kStroke | kClose, 100);
    pdf.SetColorFill(0);
    pdf.DrawText(140, 108, "raggio usato " + std::to_string(static_cast<int>(used)), "Fn1", 8, 2);
    pdf.SetColorFill(rgb(250, 220, 150));
    pdf.DrawCircle(35, 85, 12, kStroke);
    pdf.DrawCircle(70, 85, 12, kFill);
    pdf.DrawCircle(105, 85, 12, kStroke | kFill);
    pdf.Arc(30, 40, 15, 0, 270, 1, false, 0, 10, kStroke);
    pdf.Arc(80, 40, 15, 30, 330, 1, true, 0, 15, kStroke | kFill);
    pdf.Arc(140, 40, 25, 0, 360, 0.5F, false, 30, 5, kStroke | kClose);
}

void pathsPage(clsPdfWriter& pdf) {
    pdf.BeginPage();
    pdf.DrawText(20, 262, "Colori, tracciati e forme", "Fn2", 18);
    colourAndPaintingRow(pdf);
    linesAndCurves(pdf);
    shapes(pdf);
    pdf.EndPage();
}

bool loadImages(clsPdfWriter& pdf, const std::filesystem::path& folder) {
    pdf.EncodeASCII85(false);
    bool loaded =
        pdf.LoadImgFromBMPFile("Im1", saveBitmap(folder, "1bit.bmp", checkerboard1Bit()), 0);
    loaded =
        pdf.LoadImgFromBMPFile("Im4", saveBitmap(folder, "4bit.bmp", stripes4Bit()), 0) && loaded;
    pdf.EncodeASCII85(true);
    loaded = pdf.LoadImgFromBMPFile("Im8", saveBitmap(folder, "8bit.bmp", ramp8Bit()), 0) && loaded;
    const auto colour = saveBitmap(folder, "24bit.bmp", gradient24Bit());
    loaded = pdf.LoadImgFromBMPFile("Im24", colour, 0) && loaded;
    loaded = pdf.LoadImgFromBMPFile("Im24g", colour, 1) && loaded;
    const std::uint8_t pixels[] = {0, 1, 2, 3, 3, 2, 1, 0};
    std::vector<std::uint8_t> palette(256 * 3, 0);
    const std::uint8_t used[] = {255, 255, 255, 255, 0, 0, 0, 160, 0, 0, 0, 255};
    std::copy(std::begin(used), std::end(used), palette.begin());
    pdf.LoadImgFromArray("ImA", pixels, palette, 4, 2, 8, 0);
    pdf.EncodeASCII85(false);
    return loaded;
}

void imagesPage(clsPdfWriter& pdf) {
    pdf.BeginPage();
    pdf.DrawText(20, 262, "Immagini", "Fn2", 18);
    const char* names[] = {"Im1", "Im4", "Im8", "Im24", "Im24g", "ImA"};
    const char* captions[] = {"BMP 1 bit",           "BMP 4 bit",          "BMP 8 bit, ASCII85",
                              "BMP 24 bit, ASCII85", "BMP 24 bit, grigio", "Da un array"};
    for (int i = 0; i < 6; ++i) {
        const float x = 20 + 60.0F * static_cast<float>(i % 3);
        const float y = 245 - 70.0F * static_cast<float>(i / 3);
        pdf.DrawImg(names[i], x, y, 45, 30);
        pdf.DrawText(x, y - 36, captions[i], "Fn1", 10);
    }
    pdf.DrawObject("Timbro");
    pdf.EndPage();
}

void lastPage(clsPdfWriter& pdf) {
    pdf.BeginPage();
    pdf.DrawText(105, 150, "Quarta e ultima pagina", "Fn2", 18, 2);
    pdf.EndPage();
}

bool writeSample(std::string path) {
    clsPdfWriter pdf;
    pdf.Title("Esempio (tutte le operazioni)");
    pdf.ScaleMode(2);
    pdf.PaperSize(0);
    pdf.Margin(5);
    if (!pdf.InitPDFFile(path)) {
        std::fprintf(stderr, "pdf-sample: cannot create %s\n", path.c_str());
        return false;
    }
    const auto folder =
        std::filesystem::temp_directory_path() / ("pdf-sample-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    loadFonts(pdf);
    defineForms(pdf);
    const bool images = loadImages(pdf, folder);
    std::filesystem::remove_all(folder);
    textPage(pdf);
    pathsPage(pdf);
    imagesPage(pdf);
    lastPage(pdf);
    pdf.ClosePDFFile();
    if (!images)
        std::fprintf(stderr, "pdf-sample: a bitmap was refused\n");
    return images;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pdf-sample OUT.pdf\n");
        return 2;
    }
    try {
        return writeSample(argv[1]) ? 0 : 1;
    } catch (const PdfError& error) {
        std::fprintf(stderr, "pdf-sample: %s\n", error.what());
        return 1;
    }
}
