// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The program's places on the web, written once for every window and page
// that shows them.
namespace scrivolta::indirizzi {

// The program's home page, with its news and downloads.
inline constexpr std::string_view kSitoProgramma = "https://scrivolta.be/";
// The site that hosts the program's sources and releases.
inline constexpr std::string_view kSitoOspite = "https://codeberg.org/scrivolta/scrivolta";
// The author's mail address.
inline constexpr std::string_view kPostaAutore = "auteur@scrivolta.be";

} // namespace scrivolta::indirizzi
