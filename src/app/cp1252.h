// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The core keeps every character as a Windows-1252 code, one byte each, the
// way practice files, language files and key codes store them. These
// functions are the only crossing between that world and Unicode: keyboard
// input, the screen and UTF-8 files.
namespace scrivolta::cp1252 {

// The Unicode code point of a Windows-1252 byte. The five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as
// Windows does, so that every byte survives a round trip.
char32_t toUnicode(unsigned char code);

// The Windows-1252 byte of a code point, or nothing when the code page has no
// such character (an emoji, a Greek letter...).
std::optional<unsigned char> fromUnicode(char32_t codePoint);

std::string toUtf8(std::string_view cp1252Text);

// Characters without a Windows-1252 code become `replacement`; malformed
// UTF-8 sequences count as one such character each.
std::string fromUtf8(std::string_view utf8Text, char replacement = '?');

} // namespace scrivolta::cp1252
