// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cp1252.h"

#include "app/utf8.h"

#include <array>

namespace scrivolta::cp1252 {

namespace {

// Code points of bytes 0x80-0x9F; the rest of the page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// A malformed sequence stands for one character: its first byte and the
// continuation bytes that byte announces and that follow it.
std::size_t malformata(std::string_view testo, std::size_t pos) {
    const auto primo = static_cast<unsigned char>(testo[pos]);
    const std::size_t annunciati = (primo & 0xE0) == 0xC0   ? 1
                                   : (primo & 0xF0) == 0xE0 ? 2
                                   : (primo & 0xF8) == 0xF0 ? 3
                                                            : 0;
    std::size_t n = 1;
    while (n <= annunciati && pos + n < testo.size() &&
           (static_cast<unsigned char>(testo[pos + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

} // namespace

char32_t toUnicode(unsigned char code) {
    if (code >= 0x80 && code < 0xA0)
        return kHighControls[code - 0x80];
    return code;
}

std::optional<unsigned char> fromUnicode(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string toUtf8(std::string_view cp1252Text) {
    std::string out;
    out.reserve(cp1252Text.size() + cp1252Text.size() / 4);
    for (const char c : cp1252Text)
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string fromUtf8(std::string_view utf8Text, char replacement) {
    std::string out;
    out.reserve(utf8Text.size());
    for (std::size_t pos = 0; pos < utf8Text.size();) {
        const auto sequenza = utf8::sequenza(utf8Text, pos);
        const auto code = sequenza ? fromUnicode(sequenza->punto) : std::nullopt;
        out += code ? static_cast<char>(*code) : replacement;
        pos += sequenza ? sequenza->lunghezza : malformata(utf8Text, pos);
    }
    return out;
}

} // namespace scrivolta::cp1252
