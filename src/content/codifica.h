// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace scrivolta {

// The bytes of a practice file as Windows-1252 text. Files written on
// today's systems are mostly UTF-8: a file that is valid UTF-8 and holds
// non-ASCII bytes is decoded as such (a byte-order mark is skipped), and
// characters the code page cannot hold are dropped, since no key could type
// them. Anything else is taken as Windows-1252, byte for byte.
std::string testoDaFile(std::string_view byte);

} // namespace scrivolta
