// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/mappatasti.h"

#include "keyboard/tasti.h"

namespace scrivolta {

namespace {

constexpr Modificatore M(int m) {
    return static_cast<Modificatore>(m);
}

constexpr std::array<int, 1> kShiftSinistro = {indiceTasto::ShiftSinistro};
constexpr std::array<int, 1> kShiftDestro = {indiceTasto::ShiftDestro};
constexpr std::array<int, 1> kAltGr = {indiceTasto::AltGr};
constexpr std::array<int, 2> kAcuto = {40, indiceTasto::AltGr};
constexpr std::array<int, 2> kGrave = {41, indiceTasto::AltGr};
constexpr std::array<int, 2> kTilde = {53, indiceTasto::AltGr};
constexpr std::array<int, 1> kCirconflesso = {42};
constexpr std::array<int, 2> kDieresi = {42, indiceTasto::ShiftSinistro};

} // namespace

// Capitals take the Shift key of the other hand. Entries 81 and 126 are
// empty slots.
// clang-format off
const std::array<VoceMappa, kVociMappa> mappaTasti = {{
    {0, 97, M(0)}, // 0 a
    {0, 65, M(2)}, // 1 A
    {25, 98, M(0)}, // 2 b
    {25, 66, M(1)}, // 3 B
    {23, 99, M(0)}, // 4 c
    {23, 67, M(2)}, // 5 C
    {12, 100, M(0)}, // 6 d
    {12, 68, M(2)}, // 7 D
    {2, 101, M(0)}, // 8 e
    {2, 69, M(2)}, // 9 E
    {13, 102, M(0)}, // 10 f
    {13, 70, M(2)}, // 11 F
    {14, 103, M(0)}, // 12 g
    {14, 71, M(2)}, // 13 G
    {15, 104, M(0)}, // 14 h
    {15, 72, M(1)}, // 15 H
    {7, 105, M(0)}, // 16 i
    {7, 73, M(1)}, // 17 I
    {10, 113, M(0)}, // 18 q
    {10, 81, M(2)}, // 19 Q
    {21, 119, M(0)}, // 20 w
    {21, 87, M(2)}, // 21 W
    {3, 114, M(0)}, // 22 r
    {3, 82, M(2)}, // 23 R
    {4, 116, M(0)}, // 24 t
    {4, 84, M(2)}, // 25 T
    {1, 122, M(0)}, // 26 z
    {1, 90, M(2)}, // 27 Z
    {6, 117, M(0)}, // 28 u
    {6, 85, M(1)}, // 29 U
    {8, 111, M(0)}, // 30 o
    {8, 79, M(1)}, // 31 O
    {9, 112, M(0)}, // 32 p
    {9, 80, M(1)}, // 33 P
    {11, 115, M(0)}, // 34 s
    {11, 83, M(2)}, // 35 S
    {16, 106, M(0)}, // 36 j
    {16, 74, M(1)}, // 37 J
    {17, 107, M(0)}, // 38 k
    {17, 75, M(1)}, // 39 K
    {18, 108, M(0)}, // 40 l
    {18, 76, M(1)}, // 41 L
    {5, 121, M(0)}, // 42 y
    {5, 89, M(1)}, // 43 Y
    {22, 120, M(0)}, // 44 x
    {22, 88, M(2)}, // 45 X
    {24, 118, M(0)}, // 46 v
    {24, 86, M(2)}, // 47 V
    {26, 110, M(0)}, // 48 n
    {26, 78, M(1)}, // 49 N
    {27, 44, M(0)}, // 50 ,
    {27, 63, M(1)}, // 51 ?
    {28, 46, M(1)}, // 52 .
    {28, 59, M(0)}, // 53 ;
    {29, 58, M(0)}, // 54 :
    {29, 47, M(1)}, // 55 /
    {52, 179, M(2)}, // 56 ³
    {53, 43, M(1)}, // 57 +
    {52, 178, M(0)}, // 58 ²
    {53, 61, M(0)}, // 59 =
    {60, 49, M(2)}, // 60 1
    {60, 38, M(0)}, // 61 &
    {61, 64, M(3)}, // 62 @
    {61, 233, M(0)}, // 63 é
    {61, 50, M(2)}, // 64 2
    {51, 45, M(0)}, // 65 -
    {58, 34, M(0)}, // 66 "
    {58, 51, M(2)}, // 67 3
    {58, 35, M(3)}, // 68 #
    {57, 39, M(0)}, // 69 '
    {57, 52, M(2)}, // 70 4
    {49, 40, M(0)}, // 71 (
    {49, 53, M(2)}, // 72 5
    {46, 167, M(0)}, // 73 §
    {46, 54, M(2)}, // 74 6
    {33, 123, M(3)}, // 75 {
    {45, 232, M(0)}, // 76 è
    {45, 55, M(1)}, // 77 7
    {42, 91, M(3)}, // 78 [
    {34, 33, M(0)}, // 79 !
    {34, 56, M(1)}, // 80 8
    {0, 0, M(0)}, // 81 not set
    {33, 231, M(0)}, // 82 ç
    {33, 57, M(1)}, // 83 9
    {32, 224, M(0)}, // 84 à
    {32, 48, M(1)}, // 85 0
    {50, 41, M(0)}, // 86 )
    {50, 176, M(1)}, // 87 °
    {20, 60, M(0)}, // 88 <
    {20, 62, M(2)}, // 89 >
    {46, 94, M(3)}, // 90 ^
    {19, 109, M(0)}, // 91 m
    {19, 77, M(1)}, // 92 M
    {40, 37, M(1)}, // 93 %
    {40, 249, M(0)}, // 94 ù
    {20, 92, M(3)}, // 95 backslash
    {41, 163, M(1)}, // 96 £
    {41, 181, M(0)}, // 97 µ
    {43, 93, M(3)}, // 98 ]
    {51, 95, M(1)}, // 99 _
    {60, 124, M(3)}, // 100 |
    {32, 125, M(3)}, // 101 }
    {43, 36, M(0)}, // 102 $
    {43, 42, M(1)}, // 103 *
    {2, 128, M(3)}, // 104 €
    {35, 32, M(0)}, // 105 space
    {48, 13, M(0)}, // 106 CR
    {0, 226, M(7)}, // 107 â
    {2, 234, M(7)}, // 108 ê
    {7, 238, M(7)}, // 109 î
    {8, 244, M(7)}, // 110 ô
    {6, 251, M(7)}, // 111 û
    {0, 228, M(8)}, // 112 ä
    {2, 235, M(8)}, // 113 ë
    {7, 239, M(8)}, // 114 ï
    {8, 246, M(8)}, // 115 ö
    {6, 252, M(8)}, // 116 ü
    {0, 225, M(4)}, // 117 á
    {7, 237, M(4)}, // 118 í
    {8, 243, M(4)}, // 119 ó
    {6, 250, M(4)}, // 120 ú
    {7, 236, M(5)}, // 121 ì
    {8, 242, M(5)}, // 122 ò
    {0, 227, M(6)}, // 123 ã
    {26, 241, M(6)}, // 124 ñ
    {8, 245, M(6)}, // 125 õ
    {0, 0, M(0)}, // 126 not set
}};
// clang-format on

std::optional<int> cercaCarattere(unsigned char carattere) {
    // The empty slots hold code 0, which no key types: a NUL in a text must
    // not mark the A key.
    if (carattere == 0)
        return std::nullopt;
    for (int i = 0; i < kVociMappa; ++i) {
        if (mappaTasti[static_cast<std::size_t>(i)].carattere == carattere)
            return i;
    }
    return std::nullopt;
}

std::span<const int> tastiExtra(Modificatore modificatore) {
    switch (modificatore) {
    case Modificatore::Nessuno:
        return {};
    case Modificatore::ShiftSinistro:
        return kShiftSinistro;
    case Modificatore::ShiftDestro:
        return kShiftDestro;
    case Modificatore::AltGr:
        return kAltGr;
    case Modificatore::AccentoAcuto:
        return kAcuto;
    case Modificatore::AccentoGrave:
        return kGrave;
    case Modificatore::Tilde:
        return kTilde;
    case Modificatore::Circonflesso:
        return kCirconflesso;
    case Modificatore::Dieresi:
        return kDieresi;
    }
    return {};
}

} // namespace scrivolta
