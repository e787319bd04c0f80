// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf/bmp.h"

#include "pdf/errore.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace scrivolta::pdf {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;

struct Intestazione {
    std::uint32_t dataOffset;
    std::uint32_t headerBytes;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t bitsPerPixel;
    std::uint32_t compression;
    std::uint32_t coloursUsed;
};

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::optional<Intestazione> leggiIntestazione(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderBytes + kInfoHeaderBytes || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    Intestazione h{u32(file, 10),
                   u32(file, 14),
                   static_cast<std::int32_t>(u32(file, 18)),
                   static_cast<std::int32_t>(u32(file, 22)),
                   u16(file, 28),
                   u32(file, 30),
                   u32(file, 46)};
    const bool depthKnown =
        h.bitsPerPixel == 1 || h.bitsPerPixel == 4 || h.bitsPerPixel == 8 || h.bitsPerPixel == 24;
    if (h.headerBytes < kInfoHeaderBytes || h.headerBytes > file.size() - kFileHeaderBytes ||
        !depthKnown || h.compression != 0 || h.width <= 0 || h.height <= 0)
        return std::nullopt;
    return h;
}

// Bytes of one stored row, padded to a multiple of four.
std::uint64_t byteRiga(const Intestazione& h) {
    return (std::uint64_t{h.bitsPerPixel} * static_cast<std::uint64_t>(h.width) + 31) / 32 * 4;
}

bool righeNelFile(const Intestazione& h, std::size_t fileBytes) {
    if (h.dataOffset < kFileHeaderBytes + h.headerBytes || h.dataOffset > fileBytes)
        return false;
    const std::uint64_t available = fileBytes - h.dataOffset;
    return byteRiga(h) <= available / static_cast<std::uint64_t>(h.height);
}

// Entries beyond those the file declares stay black.
std::optional<std::vector<std::uint8_t>> leggiTavolozza(std::span<const std::uint8_t> file,
                                                        const Intestazione& h, bool grey) {
    const std::size_t entries = std::size_t{1} << h.bitsPerPixel;
    const std::size_t stored =
        h.coloursUsed == 0 || h.coloursUsed > entries ? entries : h.coloursUsed;
    const std::size_t start = kFileHeaderBytes + h.headerBytes;
    if (stored * 4 > file.size() - start)
        return std::nullopt;
    std::vector<std::uint8_t> palette(entries * (grey ? 1 : 3), 0);
    for (std::size_t i = 0; i < stored; ++i) {
        const std::uint8_t blue = file[start + i * 4];
        const std::uint8_t green = file[start + i * 4 + 1];
        const std::uint8_t red = file[start + i * 4 + 2];
        if (grey) {
            palette[i] = livelloGrigio(red, green, blue);
        } else {
            palette[i * 3] = red;
            palette[i * 3 + 1] = green;
            palette[i * 3 + 2] = blue;
        }
    }
    return palette;
}

void copiaRiga24(std::span<const std::uint8_t> row, std::size_t width, bool grey,
                 std::vector<std::uint8_t>& out) {
    for (std::size_t x = 0; x < width; ++x) {
        const std::uint8_t blue = row[x * 3];
        const std::uint8_t green = row[x * 3 + 1];
        const std::uint8_t red = row[x * 3 + 2];
        if (grey) {
            out.push_back(livelloGrigio(red, green, blue));
        } else {
            out.insert(out.end(), {red, green, blue});
        }
    }
}

std::vector<std::uint8_t> leggiPixel(std::span<const std::uint8_t> file, const Intestazione& h,
                                     bool grey) {
    const auto width = static_cast<std::size_t>(h.width);
    const auto height = static_cast<std::size_t>(h.height);
    const auto stride = static_cast<std::size_t>(byteRiga(h));
    const std::size_t packed = (width * h.bitsPerPixel + 7) / 8;
    std::vector<std::uint8_t> pixels;
    pixels.reserve(h.bitsPerPixel == 24 ? width * height * (grey ? 1 : 3) : packed * height);
    for (std::size_t y = 0; y < height; ++y) {
        const auto row = file.subspan(h.dataOffset + y * stride, stride);
        if (h.bitsPerPixel == 24)
            copiaRiga24(row, width, grey, pixels);
        else
            pixels.insert(pixels.end(), row.begin(), row.begin() + static_cast<long>(packed));
    }
    return pixels;
}

} // namespace

std::uint8_t livelloGrigio(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const double level = std::nearbyint(0.33 * red + 0.59 * green + 0.11 * blue);
    return static_cast<std::uint8_t>(std::min(level, 255.0));
}

std::optional<ImmagineBmp> LeggiBmp(std::span<const std::uint8_t> file, bool grey) {
    const auto header = leggiIntestazione(file);
    if (!header || !righeNelFile(*header, file.size()))
        return std::nullopt;
    ImmagineBmp image;
    if (header->bitsPerPixel <= 8) {
        auto palette = leggiTavolozza(file, *header, grey);
        if (!palette)
            return std::nullopt;
        image.palette = std::move(*palette);
    }
    image.pixels = leggiPixel(file, *header, grey);
    image.width = header->width;
    image.height = header->height;
    image.bitsPerPixel = header->bitsPerPixel;
    return image;
}

std::optional<ImmagineBmp> LeggiFileBmp(const std::filesystem::path& path, bool grey) {
    std::ifstream in(path, std::ios::binary);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!in || error)
        throw PdfError("the picture file cannot be read");
    if (size > kMaxBmpFileBytes)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        throw PdfError("the picture file cannot be read");
    return LeggiBmp(bytes, grey);
}

} // namespace scrivolta::pdf
