// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole-file reading and replacing for the program's small data files.
namespace scrivolta::fileatomico {

// Settings files are a few kilobytes; anything far larger is not one of
// ours, and rewriting it through memory would only risk running out.
constexpr std::size_t kDimensioneMassima = 64 * 1024 * 1024;

struct Lettura {
    enum class Stato { Letto, Mancante, Illeggibile };
    Stato stato = Stato::Mancante;
    std::string contenuto;
};

// Mancante when there is no such file; Illeggibile when something is there
// that cannot be read whole (a folder, a pipe or device, no permission, over
// the size limit), and is never waited for.
Lettura leggi(const std::string& percorso);

bool esisteFile(const std::string& percorso);

// Writes `contenuto` to a new file beside `percorso` and renames it over the
// old one, so that a crash or a full disk leaves either the old file or the
// new one, never a mixture. Creates missing folders. A settings file follows
// a symbolic link to its target, on purpose; a file the program generates
// replaces a link with itself instead, so that a link planted in its place
// cannot make the program overwrite another file. Leaves a read-only file
// alone. Removes the temporary files
// that writers killed before their rename left in the folder. Returns false,
// with the old file untouched, on any failure.
enum class Collegamenti { Segui, Sostituisci };
bool sostituisci(const std::string& percorso, std::string_view contenuto,
                 Collegamenti collegamenti = Collegamenti::Segui);

} // namespace scrivolta::fileatomico
