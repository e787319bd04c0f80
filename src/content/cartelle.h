// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The practice files of a folder as the learner sees them. File names on
// disk are the file system's bytes (UTF-8 on a desktop); the lists show
// them in Windows-1252 like every other text of the program.
namespace scrivolta {

// Names of the regular files of `cartella` whose extension is `estensione`
// (".ftd", ".txt") in any letter case, sorted by name without regard to
// case. A missing or unreadable folder lists nothing.
std::vector<std::string> elencoFile(const std::string& cartella, std::string_view estensione);

// A file name from disk in Windows-1252.
std::string nomePerSchermo(std::string_view nomeSuDisco);

// The name of the file of a path from disk, without its folder, in
// Windows-1252: what the caption, the results and the report show of
// `ExerciseFile`, which keeps the bytes the file system needs to open it.
std::string nomeFileMostrato(std::string_view percorso);

// The path of the file of `cartella` (ending with "/") that the list shows
// as `nome`, letter case aside: the course list shows upper-case names and
// the file system tells cases apart. Exact matches win. "" when there is
// none; a name holding a separator matches nothing.
std::string trovaFile(const std::string& cartella, std::string_view nome);

// A name given from outside that stays inside its folder: not empty, no
// path separator (so no root either), no "..".
bool nomeNellaCartella(std::string_view nome);

// Size of a file in bytes, or -1 when it cannot be known.
long long dimensioneFile(const std::string& percorso);

} // namespace scrivolta
