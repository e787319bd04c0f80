// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf/metrichefont.h"

namespace scrivolta::pdf {

namespace {

constexpr int kFirstArial = 32;
constexpr int kFirstSymbol = 30;
constexpr int kLast = 255;

// Generated tables come from another translation unit, so the records are
// built on first use rather than at static initialisation.
const std::array<MetricheFont, 8>& tables() {
    static const std::array<MetricheFont, 8> all = {{
        {"Arial", kFirstArial, kLast, 272,
         "/Flags 32 /FontBBox [-250 -221 1190 1000] /MissingWidth 272 /StemV 80 "
         "/StemH 80 /ItalicAngle 0 /CapHeight 905 /XHeight 453 "
         "/Ascent 905 /Descent -212 /Leading 150 /MaxWidth 992 /AvgWidth 441",
         kLarghezzeArialRegular},
        {"Arial,Bold", kFirstArial, kLast, 311,
         "/Flags 16416 /FontBBox [-250 -212 1120 1000] /MissingWidth 311 /StemV 153 "
         "/StemH 153 /ItalicAngle 0 /CapHeight 905 /XHeight 453 "
         "/Ascent 905 /Descent -212 /Leading 150 /MaxWidth 933 /AvgWidth 479",
         kLarghezzeArialBold},
        {"Arial,Italic", kFirstArial, kLast, 259,
         "/Flags 96 /FontBBox [-250 -212 1134 1000] /MissingWidth 259 /StemV 80 "
         "/StemH 80 /ItalicAngle -11 /CapHeight 905 /XHeight 453 "
         "/Ascent 905 /Descent -212 /Leading 150 /MaxWidth 945 /AvgWidth 441",
         kLarghezzeArialItalic},
        {"Arial,BoldItalic", kFirstArial, kLast, 311,
         "/Flags 16480 /FontBBox [-250 -212 1120 1000] /MissingWidth 311 /StemV 153 "
         "/StemH 153 /ItalicAngle -11 /CapHeight 905 /XHeight 453 "
         "/Ascent 905 /Descent -212 /Leading 150 /MaxWidth 933 /AvgWidth 479",
         kLarghezzeArialBoldItalic},
        {"Symbol", kFirstSymbol, kLast, 332,
         "/Flags 6 /FontBBox [-250 -220 1246 1005] /MissingWidth 332 /StemV 109 "
         "/StemH 109 /ItalicAngle 0 /CapHeight 1005 /XHeight 503 "
         "/Ascent 1005 /Descent -220 /Leading 225 /MaxWidth 1038 /AvgWidth 601",
         kLarghezzeSymbol},
        {"Symbol,Bold", kFirstSymbol, kLast, 332,
         "/Flags 16390 /FontBBox [-250 -220 1246 1005] /MissingWidth 332 /StemV 191 "
         "/StemH 191 /ItalicAngle 0 /CapHeight 1005 /XHeight 503 "
         "/Ascent 1005 /Descent -220 /Leading 225 /MaxWidth 1038 /AvgWidth 600",
         kLarghezzeSymbol},
        {"Symbol,Italic", kFirstSymbol, kLast, 332,
         "/Flags 70 /FontBBox [-250 -220 1246 1005] /MissingWidth 332 /StemV 109 "
         "/StemH 109 /ItalicAngle -11 /CapHeight 1005 /XHeight 503 "
         "/Ascent 1005 /Descent -220 /Leading 225 /MaxWidth 1038 /AvgWidth 600",
         kLarghezzeSymbol},
        {"Symbol,BoldItalic", kFirstSymbol, kLast, 332,
         "/Flags 16454 /FontBBox [-250 -220 1246 1005] /MissingWidth 332 /StemV 191 "
         "/StemH 191 /ItalicAngle -11 /CapHeight 1005 /XHeight 503 "
         "/Ascent 1005 /Descent -220 /Leading 225 /MaxWidth 1038 /AvgWidth 600",
         kLarghezzeSymbol},
    }};
    return all;
}

} // namespace

int MetricheFont::width(unsigned char code) const {
    if (code < firstChar || code > lastChar)
        return missingWidth;
    const int w = widths[static_cast<std::size_t>(code - firstChar)];
    return w == 0 ? missingWidth : w;
}

const MetricheFont* metricheFont(bool symbol, int style) {
    if (style < 0 || style > 3)
        return nullptr;
    return &tables()[static_cast<std::size_t>((symbol ? 4 : 0) + style)];
}

} // namespace scrivolta::pdf
