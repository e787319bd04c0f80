// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The textual forms the writer gives numbers, strings and image data.
namespace scrivolta::pdf {

// A real number rounded to `decimals` places, halves to even, in plain
// notation: no exponent, no trailing zeros, "." whatever the locale.
// FormatReal(595.2F, 3) == "595.2", FormatReal(842, 3) == "842".
// Throws PdfError for infinities and NaN, which a PDF number cannot hold.
std::string FormatReal(double value, int decimals);

// The text ready for a PDF literal string: "\", "(" and ")" escaped with a
// backslash, every other byte unchanged.
std::string EscapeText(std::string_view text);

// ASCII base-85 of the bytes, "z" for a whole group of zeros, ending in "~>".
std::string ASCII85Encode(std::span<const std::uint8_t> bytes);

} // namespace scrivolta::pdf
