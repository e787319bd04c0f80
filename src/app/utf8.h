// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// UTF-8 as the standard defines it, read in one place for the key events,
// the practice files and the history's export: overlong forms, surrogates
// and code points beyond U+10FFFF are not well formed.
namespace scrivolta::utf8 {

struct Sequenza {
    char32_t punto = 0;
    std::size_t lunghezza = 0;
};

// The well-formed sequence that starts at `i`; nothing when none does.
std::optional<Sequenza> sequenza(std::string_view testo, std::size_t i);

// Every byte of `testo` belongs to a well-formed sequence.
bool valido(std::string_view testo);

} // namespace scrivolta::utf8
