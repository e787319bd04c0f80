// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/testo.h"
#include "pdf/formato.h"
#include "pdf/metrichefont.h"
#include "pdf/pdfwriter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <iterator>

namespace scrivolta::pdf {

namespace {

constexpr std::array<std::string_view, 4> kSuffissiStile = {"", ",Bold", ",Italic", ",BoldItalic"};
constexpr int kValoriPerRiga = 16;
constexpr double kPiGreco = 3.141592;

std::string_view suffissoStile(int style) {
    return style >= 0 && style < 4 ? kSuffissiStile[static_cast<std::size_t>(style)] : "";
}

// Symbol's codes are its own. Naming an encoding would have readers turn
// each code into a Latin letter's name, find no such letter in the font and
// draw nothing: the report's lozenge bullets would vanish.
bool simbolico(std::string_view baseFont) {
    return testo::maiuscolo(testo::togliBlank(baseFont)) == "SYMBOL";
}

std::string codifica(bool symbolic, std::string_view separator) {
    return symbolic ? "" : "/Encoding /WinAnsiEncoding" + std::string(separator);
}

std::string riferimento(std::string_view name, int object) {
    return "/" + std::string(name) + " " + std::to_string(object) + " 0 R \r";
}

} // namespace

void clsPdfWriter::LoadFontStandard(std::string_view name, std::string_view baseFont, int style) {
    requireBetweenPages("LoadFontStandard");
    requireObjects(1);
    const int n = WriteObjectHeader(0);
    WriteLine("<< /Type /Font /Subtype /Type1 /Name /" + std::string(name) + " /BaseFont /" +
              testo::togliBlank(baseFont) + std::string(suffissoStile(style)) + " " +
              codifica(simbolico(baseFont), " ") + ">>");
    WriteEndObj();
    fontResources_ += riferimento(name, n);
    fonts_.push_back({std::string(name), nullptr});
}

void clsPdfWriter::LoadFont(std::string_view name, std::string_view baseFont, int style) {
    requireBetweenPages("LoadFont");
    const bool symbolic = simbolico(baseFont);
    const MetricheFont* metrics = metricheFont(symbolic, style);
    if (metrics == nullptr)
        throw PdfError("font style outside 0-3");
    requireObjects(2);
    const int n = WriteObjectHeader(0);
    WriteLine("<< /Type /Font \r/Subtype /TrueType\r/Name /" + std::string(name) + "\r/BaseFont /" +
              std::string(metrics->baseFont) + "\r/FirstChar " +
              std::to_string(metrics->firstChar) + "\r/LastChar " +
              std::to_string(metrics->lastChar) + "\r/FontDescriptor " + std::to_string(n + 1) +
              " 0 R\r" + codifica(symbolic, "\r") + "/Widths [");
    writeWidths(*metrics);
    WriteLine("] >>");
    WriteEndObj();
    fontResources_ += riferimento(name, n);
    fonts_.push_back({std::string(name), metrics});
    WriteObjectHeader(n + 1);
    WriteLine("<<\r/Type /FontDescriptor\r/FontName /" + std::string(metrics->baseFont) + "\r" +
              std::string(metrics->descriptor) + "\r>>");
    WriteEndObj();
}

void clsPdfWriter::writeWidths(const MetricheFont& metrics) {
    std::string row;
    for (int code = metrics.firstChar; code <= metrics.lastChar; ++code) {
        row += FormatReal(metrics.width(static_cast<unsigned char>(code)), 3) + " ";
        if ((code - metrics.firstChar + 1) % kValoriPerRiga == 0 || code == metrics.lastChar) {
            WriteLine(row);
            row.clear();
        }
    }
}

float clsPdfWriter::Length(std::string_view text, std::string_view fontName, float size) const {
    const auto font = std::find_if(fonts_.begin(), fonts_.end(), [&](const FontCaricato& f) {
        return f.metrics != nullptr && testo::ugualiSenzaMaiuscole(f.name, fontName);
    });
    if (font == fonts_.end())
        return 0.0F;
    long sum = 0;
    long spaces = 0;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code == 0)
            throw PdfError("a text with a character of code 0 cannot be measured");
        sum += font->metrics->width(code);
        spaces += code == ' ' ? 1 : 0;
    }
    const double points =
        (static_cast<double>(sum) * size / 1000.0 + static_cast<double>(spaces) * wordSpacing_ +
         static_cast<double>(text.size()) * charSpacing_) *
        horizScaling_ / 100.0;
    return FromPoints(static_cast<float>(points));
}

void clsPdfWriter::DrawText(float x, float y, std::string_view text, std::string_view fontName,
                            float size, int alignment, float rotation) {
    requireStream("DrawText");
    if (findFont(fontName) == nullptr)
        throw PdfError("DrawText with a font that was not loaded");
    if (alignment == 1)
        x -= Length(text, fontName, size);
    else if (alignment == 2)
        x -= Length(text, fontName, size) / 2.0F;
    WriteLine("BT");
    WriteLine("/" + std::string(fontName) + " " + FormatReal(size, 3) + " Tf");
    const std::string position = pt(x) + " " + pt(y);
    if (rotation != 0.0F) {
        const double angle = rotation * kPiGreco / 180.0;
        const auto c = static_cast<float>(std::cos(angle));
        const auto s = static_cast<float>(std::sin(angle));
        WriteLine(FormatReal(c, 3) + " " + FormatReal(s, 3) + " " + FormatReal(-s, 3) + " " +
                  FormatReal(c, 3) + " " + position + " Tm");
    } else {
        WriteLine(position + " Td");
    }
    WriteLine("(" + EscapeText(text) + ") Tj");
    WriteLine("ET");
}

void clsPdfWriter::SetCharSpacing(float spacing) {
    requireStream("SetCharSpacing");
    WriteLine(FormatReal(spacing, 3) + " Tc");
    charSpacing_ = spacing;
}

void clsPdfWriter::SetWordSpacing(float spacing) {
    requireStream("SetWordSpacing");
    WriteLine(FormatReal(spacing, 3) + " Tw");
    wordSpacing_ = spacing;
}

void clsPdfWriter::SetTextHorizontalScaling(float percent) {
    requireStream("SetTextHorizontalScaling");
    WriteLine(FormatReal(percent, 3) + " Tz");
    horizScaling_ = percent;
}

void clsPdfWriter::SetTextRenderingMode(float mode) {
    requireStream("SetTextRenderingMode");
    if (mode >= 0.0F && mode <= 2.0F)
        WriteLine(FormatReal(mode, 3) + " Tr");
}

// Resource names are matched exactly: the file refers to them by name.
const clsPdfWriter::FontCaricato* clsPdfWriter::findFont(std::string_view name) const {
    const auto font = std::find_if(fonts_.begin(), fonts_.end(),
                                   [&](const FontCaricato& f) { return f.name == name; });
    return font == fonts_.end() ? nullptr : &*font;
}

} // namespace scrivolta::pdf
