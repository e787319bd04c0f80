// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// The reader of Windows bitmap files for the writer's images.
namespace scrivolta::pdf {

// Pixel rows bottom row first, each without its padding; for 1, 4 and 8
// bits the packed palette indices, for 24 bits red, green, blue per pixel
// (one grey byte when grey). The palette holds red, green, blue per entry,
// or one grey byte, for every index the depth allows.
struct ImmagineBmp {
    std::vector<std::uint8_t> pixels;
    std::vector<std::uint8_t> palette;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// The largest bitmap file the writer reads: far above any picture of a
// printed page, far below what could exhaust memory.
inline constexpr std::uintmax_t kMaxBmpFileBytes = 64U * 1024U * 1024U;

// Nothing unless the bytes are an uncompressed bitmap of 1, 4, 8 or 24 bits
// per pixel whose headers, palette and pixel rows all lie within them.
std::optional<ImmagineBmp> LeggiBmp(std::span<const std::uint8_t> file, bool grey);

// As LeggiBmp, for a file on disk; a file larger than kMaxBmpFileBytes gives
// nothing. Throws PdfError when the file cannot be opened or read.
std::optional<ImmagineBmp> LeggiFileBmp(const std::filesystem::path& path, bool grey);

// A grey level for a colour, weighted as the eye sees brightness.
std::uint8_t livelloGrigio(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

} // namespace scrivolta::pdf
