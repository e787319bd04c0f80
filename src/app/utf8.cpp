// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/utf8.h"

namespace scrivolta::utf8 {

namespace {

// Length of the sequence that starts with `primo`, 0 for a byte that cannot
// start one.
std::size_t lunghezzaDa(unsigned char primo) {
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

} // namespace

std::optional<Sequenza> sequenza(std::string_view testo, std::size_t i) {
    if (i >= testo.size())
        return std::nullopt;
    const auto primo = static_cast<unsigned char>(testo[i]);
    const std::size_t n = lunghezzaDa(primo);
    if (n == 0 || i + n > testo.size())
        return std::nullopt;
    char32_t punto = n == 1 ? primo : primo & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(testo[i + k]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        punto = (punto << 6) | (b & 0x3F);
    }
    const char32_t minimo = n == 1 ? 0 : n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    if (punto < minimo || punto > 0x10FFFF || (punto >= 0xD800 && punto <= 0xDFFF))
        return std::nullopt;
    return Sequenza{punto, n};
}

bool valido(std::string_view testo) {
    for (std::size_t i = 0; i < testo.size();) {
        const auto s = sequenza(testo, i);
        if (!s)
            return false;
        i += s->lunghezza;
    }
    return true;
}

} // namespace scrivolta::utf8
