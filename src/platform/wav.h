// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace scrivolta::platform {

// The playable part of a PCM WAV image: its format and a view of its samples
// inside the image.
struct Wav {
    int canali = 0;
    int frequenza = 0;
    int bitPerCampione = 0;
    std::string_view campioni;
};

// Reads a RIFF WAV image of 8- or 16-bit PCM, mono or stereo. Nothing for
// anything else, for a damaged header or for an image without samples; a
// data chunk longer than the image is cut to what is there.
std::optional<Wav> leggiWav(std::string_view immagine);

} // namespace scrivolta::platform
