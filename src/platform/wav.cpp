// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wav.h"

#include <algorithm>
#include <cstdint>

namespace scrivolta::platform {

namespace {

constexpr std::size_t kIntestazioneRiff = 12;
constexpr std::size_t kIntestazioneBlocco = 8;
constexpr std::size_t kFormatoMinimo = 16;
constexpr std::uint32_t kFormatoPcm = 1;
constexpr std::uint32_t kFrequenzaMinima = 1000;
constexpr std::uint32_t kFrequenzaMassima = 384000;

std::uint32_t numero(std::string_view dati, std::size_t pos, std::size_t byte) {
    std::uint32_t valore = 0;
    for (std::size_t i = byte; i-- > 0;)
        valore = (valore << 8) | static_cast<unsigned char>(dati[pos + i]);
    return valore;
}

struct Formato {
    std::uint32_t codifica, canali, frequenza, bit;
};

bool formatoValido(const Formato& f) {
    return f.codifica == kFormatoPcm && (f.canali == 1 || f.canali == 2) &&
           (f.bit == 8 || f.bit == 16) && f.frequenza >= kFrequenzaMinima &&
           f.frequenza <= kFrequenzaMassima;
}

struct Blocchi {
    std::optional<Formato> formato;
    std::string_view campioni;
};

// The format chunk and the data chunk that follows it; a length that runs
// past the image is cut to what is there.
Blocchi scandisci(std::string_view immagine) {
    Blocchi b;
    std::size_t pos = kIntestazioneRiff;
    while (immagine.size() - pos >= kIntestazioneBlocco && b.campioni.empty()) {
        const auto id = immagine.substr(pos, 4);
        const std::size_t lunghezza = numero(immagine, pos + 4, 4);
        const std::size_t inizio = pos + kIntestazioneBlocco;
        const std::size_t presenti = std::min(lunghezza, immagine.size() - inizio);
        if (id == "fmt " && presenti >= kFormatoMinimo)
            b.formato = Formato{numero(immagine, inizio, 2), numero(immagine, inizio + 2, 2),
                                numero(immagine, inizio + 4, 4), numero(immagine, inizio + 14, 2)};
        else if (id == "data" && b.formato)
            b.campioni = immagine.substr(inizio, presenti);
        // Chunks are padded to an even length.
        pos = std::min(inizio + presenti + (presenti & 1U), immagine.size());
    }
    return b;
}

} // namespace

std::optional<Wav> leggiWav(std::string_view immagine) {
    if (immagine.size() < kIntestazioneRiff || immagine.substr(0, 4) != "RIFF" ||
        immagine.substr(8, 4) != "WAVE")
        return std::nullopt;
    const Blocchi b = scandisci(immagine);
    if (!b.formato || !formatoValido(*b.formato))
        return std::nullopt;
    const Formato& f = *b.formato;
    const std::size_t fotogramma = f.canali * f.bit / 8;
    const auto campioni = b.campioni.substr(0, b.campioni.size() - b.campioni.size() % fotogramma);
    if (campioni.empty())
        return std::nullopt;
    return Wav{static_cast<int>(f.canali), static_cast<int>(f.frequenza), static_cast<int>(f.bit),
               campioni};
}

} // namespace scrivolta::platform
