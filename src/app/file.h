// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace scrivolta {

// `FileEsiste`: true when `percorso` names a file that can be opened for
// reading. A folder, a device or a pipe, a missing file and a file without
// read permission give false; checking never blocks and never changes the
// file.
bool FileEsiste(const std::filesystem::path& percorso);

} // namespace scrivolta
