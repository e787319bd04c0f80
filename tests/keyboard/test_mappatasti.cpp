// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/mappatasti.h"
#include "keyboard/tasti.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

using namespace scrivolta;

namespace {

// What each key of a Belgian-French keyboard types: plain, with Shift, with
// Alt Gr (Windows-1252 codes, 0 for nothing). Written from the keyboard
// itself, independently of the program's table, to check it.
struct Livelli {
    int base;
    int shift;
    int altGr;
};

const std::map<int, Livelli>& tastieraBelga() {
    static const std::map<int, Livelli> k = {
        {52, {0xB2, 0xB3, 0}},  {60, {'&', '1', '|'}},  {61, {0xE9, '2', '@'}},
        {58, {'"', '3', '#'}},  {57, {'\'', '4', 0}},   {49, {'(', '5', 0}},
        {46, {0xA7, '6', '^'}}, {45, {0xE8, '7', 0}},   {34, {'!', '8', 0}},
        {33, {0xE7, '9', '{'}}, {32, {0xE0, '0', '}'}}, {50, {')', 0xB0, 0}},
        {51, {'-', '_', 0}},    {0, {'a', 'A', 0}},     {1, {'z', 'Z', 0}},
        {2, {'e', 'E', 0x80}},  {3, {'r', 'R', 0}},     {4, {'t', 'T', 0}},
        {5, {'y', 'Y', 0}},     {6, {'u', 'U', 0}},     {7, {'i', 'I', 0}},
        {8, {'o', 'O', 0}},     {9, {'p', 'P', 0}},     {42, {0, 0, '['}},
        {43, {'$', '*', ']'}},  {10, {'q', 'Q', 0}},    {11, {'s', 'S', 0}},
        {12, {'d', 'D', 0}},    {13, {'f', 'F', 0}},    {14, {'g', 'G', 0}},
        {15, {'h', 'H', 0}},    {16, {'j', 'J', 0}},    {17, {'k', 'K', 0}},
        {18, {'l', 'L', 0}},    {19, {'m', 'M', 0}},    {40, {0xF9, '%', 0}},
        {41, {0xB5, 0xA3, 0}},  {20, {'<', '>', '\\'}}, {21, {'w', 'W', 0}},
        {22, {'x', 'X', 0}},    {23, {'c', 'C', 0}},    {24, {'v', 'V', 0}},
        {25, {'b', 'B', 0}},    {26, {'n', 'N', 0}},    {27, {',', '?', 0}},
        {28, {';', '.', 0}},    {29, {':', '/', 0}},    {53, {'=', '+', 0}},
        {35, {' ', 0, 0}},      {48, {'\r', 0, 0}},
    };
    return k;
}

// The accented letters the dead keys make from a plain vowel or letter.
int accentato(Modificatore m, int lettera) {
    static const std::map<std::pair<Modificatore, int>, int> composti = {
        {{Modificatore::Circonflesso, 'a'}, 0xE2}, {{Modificatore::Circonflesso, 'e'}, 0xEA},
        {{Modificatore::Circonflesso, 'i'}, 0xEE}, {{Modificatore::Circonflesso, 'o'}, 0xF4},
        {{Modificatore::Circonflesso, 'u'}, 0xFB}, {{Modificatore::Dieresi, 'a'}, 0xE4},
        {{Modificatore::Dieresi, 'e'}, 0xEB},      {{Modificatore::Dieresi, 'i'}, 0xEF},
        {{Modificatore::Dieresi, 'o'}, 0xF6},      {{Modificatore::Dieresi, 'u'}, 0xFC},
        {{Modificatore::AccentoAcuto, 'a'}, 0xE1}, {{Modificatore::AccentoAcuto, 'i'}, 0xED},
        {{Modificatore::AccentoAcuto, 'o'}, 0xF3}, {{Modificatore::AccentoAcuto, 'u'}, 0xFA},
        {{Modificatore::AccentoGrave, 'i'}, 0xEC}, {{Modificatore::AccentoGrave, 'o'}, 0xF2},
        {{Modificatore::Tilde, 'a'}, 0xE3},        {{Modificatore::Tilde, 'n'}, 0xF1},
        {{Modificatore::Tilde, 'o'}, 0xF5},
    };
    const auto it = composti.find({m, lettera});
    return it == composti.end() ? -1 : it->second;
}

bool manoSinistra(int tasto) {
    switch (kTasti[static_cast<std::size_t>(tasto)].dito) {
    case Dito::MignoloSinistro:
    case Dito::AnulareSinistro:
    case Dito::MedioSinistro:
    case Dito::IndiceSinistro:
        return true;
    default:
        return false;
    }
}

// The character that the entry's key and modifier type on the keyboard.
int carattereProdotto(const VoceMappa& v) {
    const Livelli& l = tastieraBelga().at(v.tasto);
    switch (v.modificatore) {
    case Modificatore::Nessuno:
        return l.base;
    case Modificatore::ShiftSinistro:
    case Modificatore::ShiftDestro:
        return l.shift;
    case Modificatore::AltGr:
        return l.altGr;
    default:
        return accentato(v.modificatore, l.base);
    }
}

} // namespace

TEST(MappaTasti, EveryEntryTypesItsCharacterOnTheBelgianKeyboard) {
    int usate = 0;
    for (int i = 0; i < kVociMappa; ++i) {
        const VoceMappa& v = mappaTasti[static_cast<std::size_t>(i)];
        if (i == 81 || i == 126) {
            EXPECT_EQ(v.carattere, 0) << i;
            EXPECT_EQ(v.tasto, 0) << i;
            EXPECT_EQ(v.modificatore, Modificatore::Nessuno) << i;
            continue;
        }
        ++usate;
        EXPECT_EQ(carattereProdotto(v), v.carattere) << "entry " << i;
    }
    EXPECT_EQ(usate, 125);
}

TEST(MappaTasti, CapitalsTakeTheShiftKeyOfTheOtherHand) {
    for (const VoceMappa& v : mappaTasti) {
        if (v.modificatore == Modificatore::ShiftSinistro) {
            EXPECT_FALSE(manoSinistra(v.tasto)) << v.carattere;
        }
        if (v.modificatore == Modificatore::ShiftDestro) {
            EXPECT_TRUE(manoSinistra(v.tasto)) << v.carattere;
        }
    }
}

TEST(MappaTasti, EachCharacterHasOneEntryAndTheTableOrderIsKept) {
    std::set<int> visti;
    for (const VoceMappa& v : mappaTasti) {
        if (v.carattere != 0) {
            EXPECT_TRUE(visti.insert(v.carattere).second) << "twice: " << v.carattere;
        }
    }
    EXPECT_EQ(cercaCarattere('a'), 0);
    EXPECT_EQ(cercaCarattere('@'), 62);
    EXPECT_EQ(cercaCarattere('\r'), kVoceInvio);
    EXPECT_EQ(cercaCarattere(0xF5), 125); // õ
}

TEST(MappaTasti, CharactersWithoutAKeyAreNotFound) {
    for (const int c :
         {0xC9 /* É */, 0x92 /* ’ */, int{'\n'}, 0xC0 /* À */, 0x9C /* œ */, int{'`'}, 0})
        EXPECT_FALSE(cercaCarattere(static_cast<unsigned char>(c)).has_value()) << c;
}

TEST(MappaTasti, ModifiersNameTheirExtraKeysInMarkingOrder) {
    using V = std::vector<int>;
    auto extra = [](Modificatore m) {
        const auto s = tastiExtra(m);
        return V(s.begin(), s.end());
    };
    EXPECT_EQ(extra(Modificatore::Nessuno), V{});
    EXPECT_EQ(extra(Modificatore::ShiftSinistro), V{30});
    EXPECT_EQ(extra(Modificatore::ShiftDestro), V{36});
    EXPECT_EQ(extra(Modificatore::AltGr), V{38});
    EXPECT_EQ(extra(Modificatore::AccentoAcuto), (V{40, 38}));
    EXPECT_EQ(extra(Modificatore::AccentoGrave), (V{41, 38}));
    EXPECT_EQ(extra(Modificatore::Tilde), (V{53, 38}));
    EXPECT_EQ(extra(Modificatore::Circonflesso), V{42});
    EXPECT_EQ(extra(Modificatore::Dieresi), (V{42, 30}));
}
