// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The program's text helpers, for Windows-1252 strings, where one byte is
// one character and letter case follows that code page rather than ASCII
// alone: section names are learners' names, and "JOSÉ" must meet "josé".
namespace scrivolta::testo {

// Blanks and tabs removed at both ends.
std::string_view senzaSpazi(std::string_view s);

// Blanks (only) removed at both ends, as the user name and a command line
// are trimmed.
std::string_view senzaBlank(std::string_view s);

// Every blank removed, wherever it is ("Times New Roman" gives
// "TimesNewRoman").
std::string togliBlank(std::string_view s);

// Upper case of a letter, accented ones included; anything else as it is.
char maiuscola(char c);
// The same for a character code of the exercise, which may lie beyond the
// code page (a key without a code): those stay as they are.
int maiuscola(int codice);
std::string maiuscolo(std::string_view s);

bool ugualiSenzaMaiuscole(std::string_view a, std::string_view b);

// The integer value of a text that reads as a number: optional blanks and
// sign, digits, and an optional decimal fraction rounded half to even
// ("2.5" gives 2, "3.5" gives 4). Nothing for anything else or a value
// outside the 32-bit range.
std::optional<int> leggiIntero(std::string_view s);

// `NomeFile`: the text after the last "/" or "\" of a path, whichever
// system wrote it; "" when there is none.
std::string_view NomeFile(std::string_view percorso);

// A learner's name (Windows-1252) made fit to be a file name on any system:
// characters a file name cannot hold, "/" first, become "_", so that the
// name never leads into another folder or splits in a save dialog.
std::string nomeFileSicuro(std::string_view nome);

} // namespace scrivolta::testo
