// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>

namespace scrivolta {

// Colours as the program stores them: red in the low byte, then green, then
// blue, so that RGB(r, g, b) = r + 256 g + 65536 b.
using Colore = std::uint32_t;

constexpr Colore rgb(int r, int g, int b) {
    return static_cast<Colore>(r & 0xFF) | (static_cast<Colore>(g & 0xFF) << 8) |
           (static_cast<Colore>(b & 0xFF) << 16);
}
constexpr int rosso(Colore c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int verde(Colore c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blu(Colore c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// RGB of three channels each kept within 0-255.
constexpr Colore rgbLimitato(int r, int g, int b) {
    return rgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

// The same colour with `delta` added to each channel, kept within 0-255.
constexpr Colore schiarito(Colore c, int delta) {
    return rgbLimitato(rosso(c) + delta, verde(c) + delta, blu(c) + delta);
}

} // namespace scrivolta
