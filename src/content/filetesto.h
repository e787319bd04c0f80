// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace scrivolta {

// Text files from 26000 bytes on are too long to practise on.
inline constexpr std::size_t kLunghezzaMassimaTesto = 26000;

struct LetturaTesto {
    // Nothing when the file is missing, unreadable, not a regular file or
    // too long.
    std::optional<std::string> byte;
    bool troppoLungo = false;
};

// The bytes of a practice text file. The length limit is checked on what is
// read, not trusted from an earlier look: the file may have grown since it
// was listed, and a huge one is never read into memory.
LetturaTesto leggiFileTesto(const std::string& percorso);

// The running text to type from a file's Windows-1252 text. Lines join with
// one blank (none after a blank), whether they end in CR LF, LF or CR; a tab
// or form feed is a blank and other control characters are dropped, since
// the learner has no key for them and the display would drift from the
// input line. Blanks at both ends are removed.
std::string testoPratica(std::string_view testo);

struct FileTestoCaricato {
    // "" when the file cannot be read or leaves nothing to type.
    std::string testo;
    bool troppoLungo = false;
};

// `CaricaFileTesto`: the practice text of a file in either code page.
FileTestoCaricato CaricaFileTesto(const std::string& percorso);

} // namespace scrivolta
