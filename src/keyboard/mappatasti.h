// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// `mappaTasti`: which key, and which modifier or dead key, types each
// character on the Belgian-French keyboard.
namespace scrivolta {

// How a character is reached besides its main key.
enum class Modificatore : std::int16_t {
    Nessuno = 0,
    ShiftSinistro = 1,
    ShiftDestro = 2,
    AltGr = 3,
    AccentoAcuto = 4, // dead key Alt Gr + ù, then the vowel
    AccentoGrave = 5, // dead key Alt Gr + µ, then the vowel
    Tilde = 6,        // dead key Alt Gr + =, then the letter
    Circonflesso = 7, // dead key ^, then the vowel
    Dieresi = 8,      // dead key Shift + ^, then the vowel
};

struct VoceMappa {
    std::int16_t tasto;
    std::int16_t carattere; // Windows-1252 code
    Modificatore modificatore;
};

inline constexpr int kVociMappa = 127;
// The entry of the Enter key, which stands for CR LF.
inline constexpr int kVoceInvio = 106;

extern const std::array<VoceMappa, kVociMappa> mappaTasti;

// The first entry that types `carattere`, or nothing when no key does.
std::optional<int> cercaCarattere(unsigned char carattere);

// The keys pressed besides the main one, in the order they are marked.
std::span<const int> tastiExtra(Modificatore modificatore);

// Alt Gr and the dead keys mark keys that are not restored one by one, so
// the whole keyboard must be redrawn before the next character.
constexpr bool richiedeRipristino(Modificatore m) {
    return static_cast<int>(m) >= static_cast<int>(Modificatore::AltGr);
}

} // namespace scrivolta
