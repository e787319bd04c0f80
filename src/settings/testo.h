#pragma once

#include <optional>
#include <string>
#include <string_view>

// Small text helpers for Windows-1252 strings, where one byte is one
// character and letter case follows that code page rather than ASCII alone:
// section names are learners' names, and "JOSÉ" must meet "josé".
namespace scrivolta::testo {

// Blanks and tabs removed at both ends.
std::string_view senzaSpazi(std::string_view s);

// Blanks (only) removed at both ends, as the user name is trimmed.
std::string_view senzaBlank(std::string_view s);

char maiuscola(char c);
std::string maiuscolo(std::string_view s);

bool ugualiSenzaMaiuscole(std::string_view a, std::string_view b);

// The integer value of a text that reads as a number: optional blanks and
// sign, digits, and an optional decimal fraction rounded half to even
// ("2.5" gives 2, "3.5" gives 4). Nothing for anything else or a value
// outside the 32-bit range.
std::optional<int> leggiIntero(std::string_view s);

} // namespace scrivolta::testo
