// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap reader on arbitrary bytes: it must refuse or read, never crash,
// and what it reads must be an image the writer accepts.
#include "pdf/bmp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

std::uint64_t expectedPixelBytes(const scrivolta::pdf::ImmagineBmp& image, bool grey) {
    const auto w = static_cast<std::uint64_t>(image.width);
    const auto h = static_cast<std::uint64_t>(image.height);
    if (image.bitsPerPixel == 24)
        return w * h * (grey ? 1U : 3U);
    return (w * static_cast<std::uint64_t>(image.bitsPerPixel) + 7) / 8 * h;
}

void check(std::span<const std::uint8_t> bytes, bool grey) {
    const auto image = scrivolta::pdf::LeggiBmp(bytes, grey);
    if (!image)
        return;
    const std::size_t entries =
        image->bitsPerPixel == 24 ? 0 : std::size_t{1} << image->bitsPerPixel;
    if (image->width <= 0 || image->height <= 0 ||
        image->pixels.size() != expectedPixelBytes(*image, grey) ||
        image->palette.size() != entries * (grey ? 1 : 3) || image->pixels.size() > bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    check(bytes, false);
    check(bytes, true);
    return 0;
}
