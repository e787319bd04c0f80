// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "pdf/errore.h"
#include "pdf/uscita.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scrivolta::pdf {

struct MetricheFont;

// `clsPdfWriter`: writes a PDF 1.3 file while the caller draws. Every object
// goes to disk the moment it is complete; only the objects' offsets and the
// resource lists stay in memory, so a long document costs no more memory
// than a short one.
//
//     clsPdfWriter pdf;
//     pdf.ScaleMode(3);                       // centimetres
//     std::string path = "/tmp/results.pdf";
//     if (!pdf.InitPDFFile(path)) ...;
//     pdf.LoadFont("Fn1", "Arial", 0);        // fonts before the first page
//     pdf.BeginPage();
//     pdf.DrawText(2.0F, 27.5F, "Scrivolta", "Fn1", 24);
//     pdf.EndPage();
//     pdf.ClosePDFFile();
//
// Text is Windows-1252, one byte a character. Lengths and coordinates are
// in the unit of `ScaleMode`, font sizes always in points; the origin is the
// bottom left corner of the page. Operations other than `InitPDFFile` report
// failures, including calls out of order, by throwing PdfError.
class clsPdfWriter final {
public:
    // Takes the time and the random digit of generated file names from the
    // system; generated names go into the program's own folder.
    clsPdfWriter();
    // `clock` and `random` must outlive the writer.
    clsPdfWriter(const Clock& clock, RandomSource& random, std::filesystem::path programFolder);
    clsPdfWriter(const clsPdfWriter&) = delete;
    clsPdfWriter& operator=(const clsPdfWriter&) = delete;
    ~clsPdfWriter();

    // Properties. Set `ScaleMode` before the lengths it converts, and
    // `Title` before `InitPDFFile`.
    void Title(std::string title) { title_ = std::move(title); }
    // 0 A4, 1 A3, 2 US Letter, 3 8.5 x 12 inches; other codes change nothing.
    void PaperSize(int code);
    void PaperWidth(float width);
    void PaperHeight(float height);
    // 1 turns the pages to landscape; anything else is portrait.
    void Orientation(int orientation) { orientation_ = orientation; }
    void Margin(float margin);
    // 0 points, 1 inches, 2 millimetres, 3 centimetres.
    void ScaleMode(int mode) { scaleMode_ = mode; }
    int Pages() const { return pages_; }
    void EncodeASCII85(bool encode) { encodeAscii85_ = encode; }

    // Document and pages. An empty name is replaced by a generated one in
    // the program's folder, handed back through `fileName`. The file appears
    // under its name when `ClosePDFFile` completes it.
    bool InitPDFFile(std::string& fileName);
    int BeginPage();
    void EndPage();
    void ClosePDFFile();

    // Fonts, loaded between pages. Style: 0 regular, 1 bold, 2 italic, 3 bold
    // italic. `LoadFontStandard` names a standard Type 1 font, which
    // `Length` cannot measure; `LoadFont` declares Arial, or Symbol when the
    // base font is "Symbol", with widths the writer carries.
    void LoadFontStandard(std::string_view name, std::string_view baseFont, int style);
    void LoadFont(std::string_view name, std::string_view baseFont, int style);

    // Text. Alignment 0 left, 1 right (the text ends at x), 2 centred;
    // rotation in degrees counter-clockwise.
    void DrawText(float x, float y, std::string_view text, std::string_view fontName, float size,
                  int alignment = 0, float rotation = 0.0F);
    // Width of the text in user units; 0 for a font without widths.
    float Length(std::string_view text, std::string_view fontName, float size) const;
    void SetCharSpacing(float spacing);
    void SetWordSpacing(float spacing);
    void SetTextHorizontalScaling(float percent);
    // 0 fill, 1 stroke, 2 both; other modes write nothing.
    void SetTextRenderingMode(float mode);

    // Colours: -255..0 a grey level (0 black, -255 white), otherwise red in
    // the low byte, then green, then blue.
    void SetColorStroke(std::int32_t colour);
    void SetColorFill(std::int32_t colour);
    // Both 0 draws solid lines.
    void SetDash(float dash, float gap);
    void SetLineWidth(float width);
    void SetLineCap(int style);
    void SetLineJoin(int style);
    void SetMiterLimit(float limit);

    // Paths. Painting options: 1 stroke, 2 close, 4 fill; 0 leaves the path
    // open for further segments.
    void MoveTo(float x, float y);
    void LineTo(float x, float y, int options);
    void Curve(float x1, float y1, float x2, float y2, float x3, float y3, int options);
    // Returns the corner radius used: `radius` limited to half the width and
    // half the height.
    float Rectangle(float x, float y, float width, float height, int options, float radius = 0.0F);
    void DrawCircle(float x, float y, float radius, int options);
    // An elliptic arc as a polygon with a vertex every `step` degrees from
    // `startAngle` while not past `endAngle`; `ratio` is the vertical radius
    // over the horizontal one, `rotation` turns the ellipse.
    void Arc(float x, float y, float radius, float startAngle, float endAngle, float ratio,
             bool pie, float rotation, int step, int options);

    // Images, loaded between pages. Grey: nonzero for a grey picture.
    // False when the file is not a bitmap the writer can take (uncompressed,
    // 1, 4, 8 or 24 bits); throws PdfError when it cannot be read.
    bool LoadImgFromBMPFile(std::string_view name, const std::filesystem::path& path, int grey);
    // Pixels and palette as LeggiBmp gives them (bmp.h).
    void LoadImgFromArray(std::string_view name, std::span<const std::uint8_t> pixels,
                          std::span<const std::uint8_t> palette, int width, int height,
                          int bitsPerPixel, int grey);
    // (x, y) is the picture's top left corner.
    void DrawImg(std::string_view name, float x, float y, float width, float height);

    // Form objects: drawings kept once and stamped on pages. Options: 7 every
    // page, 2 even pages, 4 odd pages, adding 8 skips the first page; other
    // values only by `DrawObject`.
    void StartObject(std::string_view name, int options);
    void EndObject();
    void DrawObject(std::string_view name);

private:
    enum class Stato { Chiuso, TraPagine, InPagina, InOggetto };

    struct FontCaricato {
        std::string name;
        const MetricheFont* metrics; // null for a standard Type 1 font
    };

    struct OggettoForm {
        std::string name;
        int options;
    };

    void resetDocument();
    void writeHeaderObjects();
    std::string generatedName() const;
    void writeResources();
    void writePageTree();
    void writeCrossReference();

    // Primitives every operation writes through.
    void WriteLine(std::string_view text);
    void WriteEndObj();
    int WriteObjectHeader(int number);
    float ToPoints(float value) const;
    float FromPoints(float value) const;
    std::string pt(float value) const; // FormatReal(ToPoints(value), 3)

    void openStream(int lengthObject);
    void closeStream();
    void DrawPageObjects();
    void PaintPath(int options);
    std::string colour(std::int32_t value, const char* greyOperator, const char* rgbOperator) const;
    void writeWidths(const MetricheFont& metrics);
    void writePalette(int number, std::span<const std::uint8_t> palette);
    void writeImage(std::string_view name, std::span<const std::uint8_t> pixels,
                    std::span<const std::uint8_t> palette, int width, int height, int bitsPerPixel,
                    bool grey);

    void requireFile(const char* operation) const;
    void requireBetweenPages(const char* operation) const;
    void requireStream(const char* operation) const;
    void requireObjects(int count) const;
    const FontCaricato* findFont(std::string_view name) const;

    const Clock* clock_;
    RandomSource* random_;
    std::filesystem::path programFolder_;

    std::string title_ = "(senza titolo)";
    float paperWidth_ = 595.2F;
    float paperHeight_ = 842.0F;
    int orientation_ = 0;
    float margin_ = 0.0F;
    int scaleMode_ = 0;
    bool encodeAscii85_ = false;

    Uscita out_;
    Stato stato_ = Stato::Chiuso;
    int pages_ = 0;
    int lastObject_ = 0;
    std::vector<std::int64_t> xrefOffsets_; // index 0 is object 1
    std::string pageKids_;
    std::string fontResources_;
    std::string imageResources_;
    std::string formResources_;
    std::vector<FontCaricato> fonts_;
    std::vector<std::string> images_;
    std::vector<OggettoForm> forms_;
    std::int64_t streamStart_ = 0;
    int streamLengthObject_ = 0;
    float charSpacing_ = 0.0F;
    float wordSpacing_ = 0.0F;
    float horizScaling_ = 100.0F;
};

} // namespace scrivolta::pdf
