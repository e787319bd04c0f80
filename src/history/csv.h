// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/record.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace scrivolta::storico {

// The words of an export, in the program's language (Windows-1252).
struct TestiCsv {
    static constexpr std::size_t kColonne = 13;
    std::array<std::string, kColonne> colonne;
    std::array<std::string, kTipiRiga> tipi;
    std::array<std::string, 5> categorie;
    std::array<std::string, 2> modi;
};

// A learner's history as a spreadsheet reads it: UTF-8 with a byte-order
// mark (which spreadsheet programs need to see accents right), fields
// separated by ";", lines ended by CR LF, a field quoted when it holds a
// separator, a quote, a line break or blanks at its ends, quotes doubled.
// A name that starts like a formula ("=", "+", "-", "@") gets a leading
// apostrophe, so that opening the file can never run one. Dates and times
// are local.
std::string esportaCsv(const std::string& studente, const std::vector<Riga>& righe,
                       const TestiCsv& testi);

// A field as written; `utf8` is the text, invalid UTF-8 sequences already
// replaced.
std::string campoCsv(std::string_view utf8);

// `testo` with every malformed UTF-8 sequence replaced by "?".
std::string utf8Ripulito(std::string_view testo);

} // namespace scrivolta::storico
