// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace scrivolta::pdf {

// The file a document is written into. The bytes go to a new file of a
// unique name beside the chosen one and take its name only when the document
// is complete (a link at that name is replaced, not followed), so a
// reader never opens half a document and an earlier file under the same name
// survives a failed export.
class Uscita final {
public:
    Uscita() = default;
    Uscita(const Uscita&) = delete;
    Uscita& operator=(const Uscita&) = delete;
    ~Uscita();

    // False when the file beside `path` cannot be created.
    bool open(const std::filesystem::path& path);
    bool isOpen() const { return file_ != nullptr; }
    // Throws PdfError when the bytes cannot be written.
    void write(std::string_view bytes);
    // Offset of the next byte, counted from the first byte of the file.
    std::int64_t position() const { return position_; }
    // Flushes, closes and moves the file to its name; throws PdfError.
    void commit();
    // Closes and removes an unfinished file.
    void discard();

private:
    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    std::filesystem::path partial_;
    std::int64_t position_ = 0;
};

} // namespace scrivolta::pdf
