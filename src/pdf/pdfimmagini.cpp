// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf/bmp.h"
#include "pdf/formato.h"
#include "pdf/pdfwriter.h"

#include <algorithm>

namespace scrivolta::pdf {

namespace {

constexpr int kAllPages = 1 | 2 | 4;
constexpr int kEvenPages = 2;
constexpr int kOddPages = 4;
constexpr int kNotFirstPage = 8;

std::string_view comeTesto(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::uint64_t bytePixelAttesi(int width, int height, int bitsPerPixel, bool grey) {
    const auto w = static_cast<std::uint64_t>(width);
    const auto h = static_cast<std::uint64_t>(height);
    if (bitsPerPixel == 24)
        return w * h * (grey ? 1U : 3U);
    return (w * static_cast<std::uint64_t>(bitsPerPixel) + 7) / 8 * h;
}

// The file would declare one size and carry another: every reader would
// then draw a picture of its own invention, or none.
void verificaImmagine(std::size_t pixels, std::size_t palette, int width, int height,
                      int bitsPerPixel, bool grey) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24)
        throw PdfError("an image of 1, 4, 8 or 24 bits per pixel was expected");
    if (width <= 0 || height <= 0)
        throw PdfError("an image without pixels");
    if (pixels != bytePixelAttesi(width, height, bitsPerPixel, grey))
        throw PdfError("the pixel bytes do not match the image's size");
    const std::size_t entries = bitsPerPixel == 24 ? 0 : std::size_t{1} << bitsPerPixel;
    if (palette != entries * (grey ? 1 : 3))
        throw PdfError("the palette does not match the image's depth");
}

bool contiene(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

bool clsPdfWriter::LoadImgFromBMPFile(std::string_view name, const std::filesystem::path& path,
                                      int grey) {
    requireBetweenPages("LoadImgFromBMPFile");
    const auto image = LeggiFileBmp(path, grey != 0);
    if (!image)
        return false;
    LoadImgFromArray(name, image->pixels, image->palette, image->width, image->height,
                     image->bitsPerPixel, grey);
    return true;
}

void clsPdfWriter::LoadImgFromArray(std::string_view name, std::span<const std::uint8_t> pixels,
                                    std::span<const std::uint8_t> palette, int width, int height,
                                    int bitsPerPixel, int grey) {
    requireBetweenPages("LoadImgFromArray");
    verificaImmagine(pixels.size(), palette.size(), width, height, bitsPerPixel, grey != 0);
    requireObjects(bitsPerPixel == 24 ? 2 : 3);
    writeImage(name, pixels, palette, width, height, bitsPerPixel, grey != 0);
}

void clsPdfWriter::writeImage(std::string_view name, std::span<const std::uint8_t> pixels,
                              std::span<const std::uint8_t> palette, int width, int height,
                              int bitsPerPixel, bool grey) {
    const int n = WriteObjectHeader(0);
    const std::string space = grey ? "DeviceGray" : "DeviceRGB";
    WriteLine("<<\r/Type /XObject\r/Subtype /Image\r/Name /" + std::string(name) + "\r/Width " +
              std::to_string(width) + "\r/Height " + std::to_string(height) +
              (encodeAscii85_ ? "\r/Filter /ASCII85Decode" : ""));
    const std::string length = "\r/Length " + std::to_string(n + 1) + " 0 R";
    if (bitsPerPixel == 24)
        WriteLine("/BitsPerComponent 8\r/ColorSpace /" + space + length);
    else
        WriteLine("/BitsPerComponent " + std::to_string(bitsPerPixel) +
                  "\r/ColorSpace [/Indexed /" + space + " " +
                  std::to_string((1 << bitsPerPixel) - 1) + " " + std::to_string(n + 2) + " 0 R]" +
                  length);
    const std::string encoded = encodeAscii85_ ? ASCII85Encode(pixels) : std::string();
    const std::string_view data = encodeAscii85_ ? std::string_view(encoded) : comeTesto(pixels);
    // The length covers the encoded data up to its end marker "~>": a
    // length two bytes short leaves readers looking for "endstream" in the
    // marker and reporting the stream as damaged.
    out_.write(">>\rstream\r\n");
    out_.write(data);
    WriteLine("\rendstream");
    WriteEndObj();
    imageResources_ += "/" + std::string(name) + " " + std::to_string(n) + " 0 R \r";
    images_.emplace_back(name);
    WriteObjectHeader(n + 1);
    WriteLine(std::to_string(data.size()));
    WriteEndObj();
    if (bitsPerPixel != 24)
        writePalette(n + 2, palette);
}

void clsPdfWriter::writePalette(int number, std::span<const std::uint8_t> palette) {
    WriteObjectHeader(number);
    const std::string table =
        encodeAscii85_ ? ASCII85Encode(palette) : std::string(comeTesto(palette));
    WriteLine(std::string("<<") + (encodeAscii85_ ? "/Filter /ASCII85Decode\r" : "") + "/Length " +
              std::to_string(table.size()) + " >>\rstream\r\n" + table + "\rendstream");
    WriteEndObj();
}

void clsPdfWriter::DrawImg(std::string_view name, float x, float y, float width, float height) {
    requireStream("DrawImg");
    if (!contiene(images_, name))
        throw PdfError("DrawImg with an image that was not loaded");
    // The negative vertical scale sets the bottom-up rows of a bitmap upright
    // below (x, y).
    WriteLine("q\r" + pt(width) + "  0 0 " + FormatReal(-ToPoints(height), 3) + " " + pt(x) + " " +
              pt(y) + " cm\r/" + std::string(name) + " Do\rQ");
}

void clsPdfWriter::StartObject(std::string_view name, int options) {
    requireBetweenPages("StartObject");
    requireObjects(2);
    const int n = WriteObjectHeader(0);
    const std::string m = FormatReal(margin_, 3);
    WriteLine("<<\r/Type /XObject\r/Subtype /Form\r/FormType 1\r/Name /" + std::string(name) +
              "\r/BBox [" + m + " " + m + " " + FormatReal(paperWidth_ - margin_, 3) + " " +
              FormatReal(paperHeight_ - margin_, 3) + "]\r/Matrix [1 0 0 1 0 0]\r/Length " +
              std::to_string(n + 1) + " 0 R >>\rstream");
    openStream(n + 1);
    formResources_ += "/" + std::string(name) + " " + std::to_string(n) + " 0 R \r";
    forms_.push_back({std::string(name), options});
    stato_ = Stato::InOggetto;
}

void clsPdfWriter::EndObject() {
    if (stato_ != Stato::InOggetto)
        throw PdfError("EndObject without an open form object");
    closeStream();
    stato_ = Stato::TraPagine;
}

void clsPdfWriter::DrawObject(std::string_view name) {
    requireStream("DrawObject");
    const auto form = std::find_if(forms_.begin(), forms_.end(),
                                   [&](const OggettoForm& f) { return f.name == name; });
    if (form == forms_.end())
        throw PdfError("DrawObject with a form object that was not started");
    // A form drawing itself would send every reader into endless recursion.
    if (stato_ == Stato::InOggetto && name == forms_.back().name)
        throw PdfError("a form object cannot draw itself");
    WriteLine("/" + std::string(name) + " Do");
}

void clsPdfWriter::DrawPageObjects() {
    const bool even = pages_ % 2 == 0;
    for (const OggettoForm& form : forms_) {
        const int o = form.options;
        const bool drawn =
            (o & kAllPages) == kAllPages || (even && (o & kEvenPages) != 0) ||
            (!even && (o & kOddPages) != 0 && !((o & kNotFirstPage) != 0 && pages_ == 1));
        if (drawn)
            WriteLine("/" + form.name + " Do");
    }
}

} // namespace scrivolta::pdf
