// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The INI text format of the program's files, as pure functions over the
// whole content of a file. The conventions are those of Windows' private
// profile functions, which every one of these files has been written with:
//
// - Lines end in CR LF or LF alone; lines that are kept are kept byte for
//   byte, line ends included, and new lines end in CR LF.
// - "[name]" opens a section; the name runs to the last "]" of the line, so
//   that a learner's name holding a "]" still works as a section name.
// - "key=value" sets a key; the key is the text before the first "=", the
//   value the text after it, both without blanks and tabs at the ends.
//   Surrounding quotes are part of the value.
// - Lines starting with ";" are comments; lines without "=" and lines before
//   the first section are ignored. All of these survive a rewrite.
// - Section and key names are matched without regard to letter case
//   (Windows-1252 letters included) and to blanks at their ends.
// - When a section or a key occurs twice, the first occurrence is the one
//   read and written; deleting removes every occurrence, so that a deleted
//   key never comes back from a forgotten duplicate.
namespace scrivolta::ini {

struct Voce {
    std::string sezione;
    std::string chiave;
    std::string valore;
};

// The value of `chiave` in the first section `sezione`, or nothing.
std::optional<std::string> leggi(std::string_view contenuto, std::string_view sezione,
                                 std::string_view chiave);

// Every key and value of the first section `sezione`, in file order;
// duplicate keys keep their first value.
std::vector<Voce> vociSezione(std::string_view contenuto, std::string_view sezione);

// False when the names or the value cannot be stored as one line that reads
// back the same: line breaks or NUL anywhere, an empty key, a key holding
// "=" or starting with "[" or ";".
bool scrivibile(std::string_view sezione, std::string_view chiave, std::string_view valore);

// The content with `chiave` set to `valore`: replaced in place, else added
// after the last line of the section, else in a new section at the end.
// Requires scrivibile().
std::string scrivi(std::string_view contenuto, std::string_view sezione, std::string_view chiave,
                   std::string_view valore);

std::string cancellaValore(std::string_view contenuto, std::string_view sezione,
                           std::string_view chiave);

std::string cancellaSezione(std::string_view contenuto, std::string_view sezione);

} // namespace scrivolta::ini
