// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/codifica.h"

#include "app/cp1252.h"
#include "app/utf8.h"

#include <algorithm>

namespace scrivolta {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// `s` is valid UTF-8.
std::string daUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto sequenza = utf8::sequenza(s, i);
        if (sequenza) {
            if (const auto codice = cp1252::fromUnicode(sequenza->punto))
                out += static_cast<char>(*codice);
        }
        i += sequenza ? sequenza->lunghezza : 1;
    }
    return out;
}

} // namespace

std::string testoDaFile(std::string_view byte) {
    // A byte-order mark is no text in either code page.
    const std::string_view corpo =
        byte.substr(0, kBom.size()) == kBom ? byte.substr(kBom.size()) : byte;
    const bool soloAscii =
        std::all_of(corpo.begin(), corpo.end(), [](char c) { return (c & 0x80) == 0; });
    if (soloAscii || !utf8::valido(corpo))
        return std::string(corpo);
    return daUtf8(corpo);
}

} // namespace scrivolta
