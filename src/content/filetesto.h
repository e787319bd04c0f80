#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace scrivolta {

// Text files from 26000 bytes on are too long to practise on.
inline constexpr std::size_t kLunghezzaMassimaTesto = 26000;

// The bytes of a practice text file, or nothing when it is missing,
// unreadable, not a regular file or `kLunghezzaMassimaTesto` bytes or more
// long (it may have grown since it was listed). Never reads more than the
// limit, whatever the file is.
std::optional<std::string> leggiFileTesto(const std::string& percorso);

// The running text to type from a file's Windows-1252 text. Lines join with
// one blank (none after a blank), whether they end in CR LF, LF or CR; a tab
// or form feed is a blank and other control characters are dropped, since
// the learner has no key for them and the display would drift from the
// input line. Blanks at both ends are removed.
std::string testoPratica(std::string_view testo);

// `CaricaFileTesto`: the practice text of a file in either code page, or
// nothing when the file cannot be read or leaves nothing to type.
std::optional<std::string> CaricaFileTesto(const std::string& percorso);

} // namespace scrivolta
