// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"

#include <array>
#include <string_view>

// The 63 keys of the Belgian-French keyboard as the program draws them:
// geometry, captions, fonts and the finger that presses each key.
namespace scrivolta {

enum class Dito : unsigned char {
    MignoloSinistro,
    AnulareSinistro,
    MedioSinistro,
    IndiceSinistro,
    Pollici,
    IndiceDestro,
    MedioDestro,
    AnulareDestro,
    MignoloDestro,
};

// Keys whose caption is a picture rather than text.
enum class Simbolo : unsigned char { Nessuno, Maiuscole, Tabulazione, Cancella, Windows, Tastiera };

struct FontTasto {
    std::string_view famiglia;
    float punti;
};

// The window's own font, used by keys that name no other.
inline constexpr FontTasto kFontFinestra{"Arial", 12.0F};

struct Rettangolo {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rettangolo&, const Rettangolo&) = default;
};

struct Tasto {
    // Caption at design time, Windows-1252; "&&" stands for one "&".
    std::string_view didascalia;
    Simbolo simbolo;
    bool centrato;
    Rettangolo twips;
    FontTasto font;
    Dito dito;
};

inline constexpr int kNumeroTasti = 63;
inline constexpr int kTwipsPerPixel = 15;

extern const std::array<Tasto, kNumeroTasti> kTasti;

// Indices of the keys the program treats specially.
namespace indiceTasto {
inline constexpr int ShiftSinistro = 30;
inline constexpr int Spazio = 35;
inline constexpr int ShiftDestro = 36;
inline constexpr int Menu = 37;
inline constexpr int AltGr = 38;
inline constexpr int InvioBasso = 48;
inline constexpr int InvioAlto = 62;
} // namespace indiceTasto

// A rectangle of the design in twips, in pixels; on a large screen
// (`scalato`) after the window's proportional scaling.
Rettangolo inPixel(const Rettangolo& twips, bool scalato);

// A key's rectangle in pixels of the keyboard area.
Rettangolo rettangoloPixel(int tasto, bool scalato = false);

// The two labels that hide the seam of the L-shaped Enter key.
std::array<Rettangolo, 2> maschereInvio(bool scalato);

// Background of a key coloured by its finger.
Colore coloreDito(Dito dito);
inline constexpr Colore kGrigioTasti = rgb(224, 224, 224);
// The index fingers' colour, which the bumps of F and J take too.
inline constexpr Colore kColoreIndici = rgb(162, 204, 184);

// Captions that replace the design ones once the keyboard is drawn: the
// Shift character above, the plain and the Alt Gr characters below.
struct DidascaliaEsecuzione {
    int tasto;
    std::string_view primaRiga;
    std::string_view secondaRiga;
};
extern const std::array<DidascaliaEsecuzione, 23> kDidascalieEsecuzione;

// The four lines of the tactile bumps of F and J, in pixels.
struct LineaRilievo {
    int x1;
    int x2;
    int y;
};
std::array<LineaRilievo, 4> lineeRilievo(bool scalato);

// The keyboard area's size in pixels.
Rettangolo areaTastiera(bool scalato);

// Home keys of the finger pictures 0-7; pictures 8 and 9 sit on the space bar.
inline constexpr std::array<int, 8> kTastiBaseDita = {10, 11, 12, 13, 16, 17, 18, 19};

} // namespace scrivolta
