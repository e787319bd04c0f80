// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/tasti.h"

#include "app/ridimensiona.h"

#include <cmath>

namespace scrivolta {

// Captions are Windows-1252 bytes.
// clang-format off
const std::array<Tasto, kNumeroTasti> kTasti = {{
    {"A", Simbolo::Nessuno, false, {900, 705, 435, 495}, kFontFinestra, Dito::MignoloSinistro}, // 0 A
    {"Z", Simbolo::Nessuno, false, {1485, 705, 435, 495}, kFontFinestra, Dito::AnulareSinistro}, // 1 Z
    {"E         \x80", Simbolo::Nessuno, false, {2070, 705, 435, 495}, kFontFinestra, Dito::MedioSinistro}, // 2 E / €
    {"R", Simbolo::Nessuno, false, {2655, 705, 435, 495}, kFontFinestra, Dito::IndiceSinistro}, // 3 R
    {"T", Simbolo::Nessuno, false, {3240, 705, 435, 495}, kFontFinestra, Dito::IndiceSinistro}, // 4 T
    {"Y", Simbolo::Nessuno, false, {3825, 705, 435, 495}, kFontFinestra, Dito::IndiceDestro}, // 5 Y
    {"U", Simbolo::Nessuno, false, {4410, 705, 435, 495}, kFontFinestra, Dito::IndiceDestro}, // 6 U
    {"I", Simbolo::Nessuno, false, {4995, 705, 435, 495}, kFontFinestra, Dito::MedioDestro}, // 7 I
    {"O", Simbolo::Nessuno, false, {5580, 705, 435, 495}, kFontFinestra, Dito::AnulareDestro}, // 8 O
    {"P", Simbolo::Nessuno, false, {6165, 705, 435, 495}, kFontFinestra, Dito::MignoloDestro}, // 9 P
    {"Q", Simbolo::Nessuno, false, {1005, 1335, 435, 495}, kFontFinestra, Dito::MignoloSinistro}, // 10 Q
    {"S", Simbolo::Nessuno, false, {1590, 1335, 435, 495}, kFontFinestra, Dito::AnulareSinistro}, // 11 S
    {"D", Simbolo::Nessuno, false, {2175, 1335, 435, 495}, kFontFinestra, Dito::MedioSinistro}, // 12 D
    {"F", Simbolo::Nessuno, false, {2760, 1335, 435, 495}, kFontFinestra, Dito::IndiceSinistro}, // 13 F
    {"G", Simbolo::Nessuno, false, {3345, 1335, 435, 495}, kFontFinestra, Dito::IndiceSinistro}, // 14 G
    {"H", Simbolo::Nessuno, false, {3930, 1335, 435, 495}, kFontFinestra, Dito::IndiceDestro}, // 15 H
    {"J", Simbolo::Nessuno, false, {4515, 1335, 435, 495}, kFontFinestra, Dito::IndiceDestro}, // 16 J
    {"K", Simbolo::Nessuno, false, {5100, 1335, 435, 495}, kFontFinestra, Dito::MedioDestro}, // 17 K
    {"L", Simbolo::Nessuno, false, {5685, 1335, 435, 495}, kFontFinestra, Dito::AnulareDestro}, // 18 L
    {"M", Simbolo::Nessuno, false, {6270, 1335, 435, 495}, kFontFinestra, Dito::MignoloDestro}, // 19 M
    {">      <   \\", Simbolo::Nessuno, false, {795, 1965, 435, 495}, kFontFinestra, Dito::MignoloSinistro}, // 20 <, > and backslash
    {"W", Simbolo::Nessuno, false, {1380, 1965, 435, 495}, kFontFinestra, Dito::MignoloSinistro}, // 21 W
    {"X", Simbolo::Nessuno, false, {1965, 1965, 435, 495}, kFontFinestra, Dito::AnulareSinistro}, // 22 X
    {"C", Simbolo::Nessuno, false, {2550, 1965, 435, 495}, kFontFinestra, Dito::MedioSinistro}, // 23 C
    {"V", Simbolo::Nessuno, false, {3135, 1965, 435, 495}, kFontFinestra, Dito::IndiceSinistro}, // 24 V
    {"B", Simbolo::Nessuno, false, {3720, 1965, 435, 495}, kFontFinestra, Dito::IndiceDestro}, // 25 B
    {"N", Simbolo::Nessuno, false, {4305, 1965, 435, 495}, kFontFinestra, Dito::IndiceDestro}, // 26 N
    {"?       \x92", Simbolo::Nessuno, false, {4890, 1965, 435, 495}, kFontFinestra, Dito::IndiceDestro}, // 27 , ?
    {" .       ;", Simbolo::Nessuno, false, {5475, 1965, 435, 495}, {"Arial", 9.75F}, Dito::MedioDestro}, // 28 ; .
    {"/      :", Simbolo::Nessuno, false, {6060, 1965, 435, 495}, {"Arial", 9.75F}, Dito::AnulareDestro}, // 29 : /
    {"", Simbolo::Maiuscole, false, {60, 1965, 585, 495}, {"Wingdings", 15.75F}, Dito::MignoloSinistro}, // 30 left Shift
    {" Alt", Simbolo::Nessuno, false, {1905, 2595, 750, 495}, {"Arial", 9.75F}, Dito::MedioSinistro}, // 31 Alt
    {"0    \xE0  }", Simbolo::Nessuno, false, {5910, 75, 435, 495}, {"Arial", 9.75F}, Dito::AnulareDestro}, // 32 à 0 }
    {"9     \xE7   {", Simbolo::Nessuno, false, {5325, 75, 435, 495}, {"Arial", 9.75F}, Dito::MedioDestro}, // 33 ç 9 {
    {"8       !", Simbolo::Nessuno, false, {4740, 75, 435, 495}, {"Arial", 9.75F}, Dito::IndiceDestro}, // 34 ! 8
    {"", Simbolo::Nessuno, false, {2805, 2595, 2415, 495}, kFontFinestra, Dito::Pollici}, // 35 space bar
    {"", Simbolo::Maiuscole, false, {7230, 1965, 1590, 495}, {"Wingdings", 15.75F}, Dito::MignoloDestro}, // 36 right Shift
    {"", Simbolo::Tastiera, true, {7170, 2595, 750, 495}, {"Wingdings", 15.75F}, Dito::MignoloDestro}, // 37 menu key, shows a keyboard symbol
    {" Alt Gr", Simbolo::Nessuno, false, {5370, 2595, 750, 495}, {"Arial", 9.75F}, Dito::AnulareDestro}, // 38 Alt Gr
    {"", Simbolo::Windows, false, {6270, 2595, 750, 495}, {"Wingdings", 14.25F}, Dito::MignoloDestro}, // 39 right Windows key
    {"%    \xF9   \x92", Simbolo::Nessuno, false, {6855, 1335, 435, 495}, {"Arial", 11.25F}, Dito::MignoloDestro}, // 40 ù %
    {"\xA3    \xB5   '     ", Simbolo::Nessuno, false, {7440, 1335, 435, 495}, {"Arial", 11.25F}, Dito::MignoloDestro}, // 41 µ £
    {"\xA8        \x88  [", Simbolo::Nessuno, false, {6750, 705, 435, 495}, {"Arial", 11.25F}, Dito::MignoloDestro}, // 42 circumflex / diaeresis dead key
    {"*     $   ]", Simbolo::Nessuno, false, {7335, 705, 435, 495}, {"Arial", 11.25F}, Dito::MignoloDestro}, // 43 $ *
    {" Ctrl", Simbolo::Nessuno, false, {60, 2595, 795, 495}, {"Arial", 9.75F}, Dito::MignoloSinistro}, // 44 left Ctrl
    {"7       \xE8", Simbolo::Nessuno, false, {4155, 75, 435, 495}, {"Arial", 9.75F}, Dito::IndiceDestro}, // 45 è 7
    {"6     \xA7   ^", Simbolo::Nessuno, false, {3570, 75, 435, 495}, {"Arial", 9.75F}, Dito::IndiceSinistro}, // 46 § 6 ^
    {" Ctrl", Simbolo::Nessuno, false, {8070, 2595, 750, 495}, {"Arial", 9.75F}, Dito::MignoloDestro}, // 47 right Ctrl
    {"", Simbolo::Nessuno, false, {8025, 1200, 795, 630}, {"Arial", 9.75F}, Dito::MignoloDestro}, // 48 Enter, lower part
    {"5     (", Simbolo::Nessuno, false, {2985, 75, 435, 495}, {"Arial", 9.75F}, Dito::IndiceSinistro}, // 49 ( 5
    {"\xB0      )", Simbolo::Nessuno, false, {6495, 75, 435, 495}, {"Arial", 9.75F}, Dito::MignoloDestro}, // 50 ) °
    {"_     -", Simbolo::Nessuno, false, {7080, 75, 435, 495}, {"Arial", 9.75F}, Dito::MignoloDestro}, // 51 - _
    {"\xB3       \xB2", Simbolo::Nessuno, false, {60, 75, 435, 495}, kFontFinestra, Dito::MignoloSinistro}, // 52 ² ³
    {"+     =  ~", Simbolo::Nessuno, false, {6645, 1965, 435, 495}, {"Arial", 9.75F}, Dito::MignoloDestro}, // 53 = + ~
    {"", Simbolo::Tabulazione, false, {60, 705, 690, 495}, {"Wingdings 3", 15.75F}, Dito::MignoloSinistro}, // 54 Tab
    {"", Simbolo::Nessuno, false, {60, 1335, 795, 495}, {"Arial", 9.75F}, Dito::MignoloSinistro}, // 55 Caps Lock
    {"", Simbolo::Windows, false, {1005, 2595, 750, 495}, {"Wingdings", 14.25F}, Dito::MignoloSinistro}, // 56 left Windows key
    {"4       '", Simbolo::Nessuno, false, {2400, 75, 435, 495}, {"Arial", 9.75F}, Dito::MedioSinistro}, // 57 ' 4
    {"3     \"  #    ", Simbolo::Nessuno, false, {1815, 75, 435, 495}, {"Arial", 9.75F}, Dito::AnulareSinistro}, // 58 " 3 #
    {"", Simbolo::Cancella, false, {7665, 75, 1155, 495}, {"Wingdings 3", 21.75F}, Dito::MignoloDestro}, // 59 Backspace
    {"1    &&", Simbolo::Nessuno, false, {645, 75, 435, 495}, {"Arial", 9.75F}, Dito::MignoloSinistro}, // 60 & 1 and vertical bar
    {"2     \xE9  @", Simbolo::Nessuno, false, {1230, 75, 435, 495}, {"Arial", 9.75F}, Dito::MignoloSinistro}, // 61 é 2 @
    {"Entr\xE9" "e", Simbolo::Nessuno, true, {7920, 705, 900, 495}, {"Arial", 9.75F}, Dito::MignoloDestro}, // 62 Enter, upper part
}};
// clang-format on

// clang-format off
const std::array<Rettangolo, 2> kMaschereInvio = {{
    {8025, 1080, 795, 225},
    {7920, 975, 120, 225},
}};
// clang-format on

// clang-format off
const std::array<DidascaliaEsecuzione, 23> kDidascalieEsecuzione = {{
    {27, "?", "  \x92"},
    {42, " \xA8", "  \x88    ["},
    {40, " %", "  \xF9   \x92"},
    {41, " \xA3", " \xB5   '"},
    {43, " *", "  $    ]"},
    {50, " \xB0", "  )"},
    {51, " _", "  -"},
    {28, " .", "  ;"},
    {29, " /", "  :"},
    {53, " +", "  =   ~"},
    {52, " \xB3", "  \xB2"},
    {60, " 1", "  &&    |"},
    {61, " 2", "  \xE9   @"},
    {58, " 3", "  \"     #"},
    {57, " 4", "   '"},
    {49, " 5", "  ("},
    {46, " 6", "  \xA7    ^"},
    {45, " 7", "  \xE8"},
    {34, " 8", "  !"},
    {33, " 9", "  \xE7    {"},
    {32, " 0", "  \xE0    }"},
    {2, " E", "      \x80"},
    {20, " >", "  <  \\"},
}};
// clang-format on

// clang-format off
const std::array<LineaRilievo, 4> kLineeRilievo = {{
    {2850, 3075, 1770},
    {2850, 3075, 1755},
    {4590, 4815, 1770},
    {4590, 4815, 1755},
}};
// clang-format on

namespace {

// The keyboard picture box, 594 x 212 pixels at design.
constexpr Rettangolo kAreaTastiera{0, 0, 594 * kTwipsPerPixel, 212 * kTwipsPerPixel};

// The scaled value as a control in twips keeps it.
int twips(double valore) {
    return static_cast<int>(std::lround(valore));
}

int pixel(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace

Rettangolo inPixel(const Rettangolo& t, bool scalato) {
    Rettangolo r = t;
    if (scalato) {
        using namespace ridimensiona;
        const Geometria g = scala(TipoControllo::Altro, {double(t.left), double(t.top),
                                                         double(t.width), double(t.height), 0});
        r = {twips(g.a), twips(g.b), twips(g.c), twips(g.d)};
    }
    return {pixel(r.left), pixel(r.top), pixel(r.width), pixel(r.height)};
}

// Asked for every key at every repaint: worked out once for both sizes.
Rettangolo rettangoloPixel(int tasto, bool scalato) {
    using Tabella = std::array<Rettangolo, kNumeroTasti>;
    static const std::array<Tabella, 2> tabelle = [] {
        std::array<Tabella, 2> t{};
        for (std::size_t i = 0; i < t[0].size(); ++i) {
            t[0][i] = inPixel(kTasti[i].twips, false);
            t[1][i] = inPixel(kTasti[i].twips, true);
        }
        return t;
    }();
    return tabelle[scalato ? 1 : 0].at(static_cast<std::size_t>(tasto));
}

std::array<Rettangolo, 2> maschereInvio(bool scalato) {
    return {inPixel(kMaschereInvio[0], scalato), inPixel(kMaschereInvio[1], scalato)};
}

// The bumps are lines: their end points scale, not a width.
std::array<LineaRilievo, 4> lineeRilievo(bool scalato) {
    std::array<LineaRilievo, 4> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const LineaRilievo& l = kLineeRilievo[i];
        const Rettangolo r = inPixel({l.x1, l.y, l.x2 - l.x1, 0}, scalato);
        const Rettangolo fine = inPixel({l.x2, l.y, 0, 0}, scalato);
        out[i] = {r.left, fine.left, r.top};
    }
    return out;
}

Rettangolo areaTastiera(bool scalato) {
    return inPixel(kAreaTastiera, scalato);
}

Colore coloreDito(Dito dito) {
    switch (dito) {
    case Dito::MignoloSinistro:
    case Dito::MignoloDestro:
        return rgb(185, 207, 224);
    case Dito::AnulareSinistro:
    case Dito::AnulareDestro:
        return rgb(214, 222, 181);
    case Dito::MedioSinistro:
    case Dito::MedioDestro:
        return rgb(239, 204, 197);
    case Dito::IndiceSinistro:
    case Dito::IndiceDestro:
        return kColoreIndici;
    case Dito::Pollici:
        return rgb(226, 235, 235);
    }
    return kGrigioTasti;
}

} // namespace scrivolta
