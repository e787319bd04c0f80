// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file.h"

#include <fstream>
#include <system_error>

namespace scrivolta {

bool FileEsiste(const std::filesystem::path& percorso) {
    // Only a regular file: opening a pipe for reading would wait for a
    // writer, and a folder opens on Linux although it cannot be read.
    std::error_code errore;
    if (percorso.empty() || !std::filesystem::is_regular_file(percorso, errore))
        return false;
    const std::ifstream file(percorso, std::ios::binary);
    return file.is_open();
}

} // namespace scrivolta
