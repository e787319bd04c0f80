// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/codifica.h"

#include "app/cp1252.h"

#include <algorithm>

namespace scrivolta {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

unsigned char byteIn(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

bool continuazione(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the sequence that starts with `primo`, 0 for a byte that cannot
// start one.
std::size_t lunghezzaSequenza(unsigned char primo) {
    if (primo < 0x80)
        return 1;
    if (primo >= 0xC2 && primo <= 0xDF)
        return 2;
    if (primo >= 0xE0 && primo <= 0xEF)
        return 3;
    if (primo >= 0xF0 && primo <= 0xF4)
        return 4;
    return 0;
}

// Whether the `n` bytes at `i` are one well-formed sequence; its code point
// in `cp`.
bool sequenzaValida(std::string_view s, std::size_t i, std::size_t n, char32_t& cp) {
    if (n == 0 || i + n > s.size())
        return false;
    const unsigned char primo = byteIn(s, i);
    cp = n == 1 ? primo : primo & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if (!continuazione(byteIn(s, i + k)))
            return false;
        cp = (cp << 6) | (byteIn(s, i + k) & 0x3F);
    }
    const char32_t minimo = n == 1 ? 0 : n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    return cp >= minimo && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

// `s` is valid UTF-8.
std::string daUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = lunghezzaSequenza(byteIn(s, i));
        char32_t cp = 0;
        if (sequenzaValida(s, i, n, cp)) {
            if (const auto codice = cp1252::fromUnicode(cp))
                out += static_cast<char>(*codice);
        }
        i += std::max<std::size_t>(n, 1);
    }
    return out;
}

} // namespace

bool utf8Valido(std::string_view byte) {
    for (std::size_t i = 0; i < byte.size();) {
        const std::size_t n = lunghezzaSequenza(byteIn(byte, i));
        char32_t cp = 0;
        if (!sequenzaValida(byte, i, n, cp))
            return false;
        i += n;
    }
    return true;
}

std::string testoDaFile(std::string_view byte) {
    // A byte-order mark is no text in either code page.
    const std::string_view corpo =
        byte.substr(0, kBom.size()) == kBom ? byte.substr(kBom.size()) : byte;
    const bool soloAscii =
        std::all_of(corpo.begin(), corpo.end(), [](char c) { return (c & 0x80) == 0; });
    if (soloAscii || !utf8Valido(corpo))
        return std::string(corpo);
    return daUtf8(corpo);
}

} // namespace scrivolta
