// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf/uscita.h"

#include "pdf/errore.h"

#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace scrivolta::pdf {

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

// The permissions a plain new file gets under the process's umask.
mode_t permessiNormali() {
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return 0666 & ~maschera;
}

} // namespace

Uscita::~Uscita() {
    discard();
}

bool Uscita::open(const std::filesystem::path& path) {
    discard();
    path_ = path;
    // A new file of an unguessable name: a link planted at a predictable
    // ".part" name in a shared folder would have had its target overwritten.
    std::string modello = path.string() + ".part-XXXXXX";
    const int fd = ::mkostemp(modello.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    partial_ = modello;
    ::fchmod(fd, permessiNormali());
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        ::close(fd);
        std::error_code ignored;
        std::filesystem::remove(partial_, ignored);
        return false;
    }
    std::setvbuf(file_, nullptr, _IOFBF, kBufferBytes);
    position_ = 0;
    return true;
}

void Uscita::write(std::string_view bytes) {
    if (file_ == nullptr)
        throw PdfError("no document is open");
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        throw PdfError("the document cannot be written");
    position_ += static_cast<std::int64_t>(bytes.size());
}

void Uscita::commit() {
    if (file_ == nullptr)
        throw PdfError("no document is open");
    const bool written = std::fflush(file_) == 0 && std::ferror(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code error;
    if (written && closed)
        std::filesystem::rename(partial_, path_, error);
    if (!written || !closed || error) {
        std::filesystem::remove(partial_, error);
        throw PdfError("the document cannot be saved");
    }
}

void Uscita::discard() {
    if (file_ == nullptr)
        return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ignored;
    std::filesystem::remove(partial_, ignored);
}

} // namespace scrivolta::pdf
