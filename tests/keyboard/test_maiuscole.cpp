// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/maiuscole.h"
#include "support/servizi_finti.h"

#include <gtest/gtest.h>

using namespace scrivolta;
using prova::TastieraFinta;

TEST(MaiuscoleDedotte, KeysTellTheStateWhereTheSystemCannot) {
    TastieraFinta sistema;
    MaiuscoleDedotte m(sistema, false, false);
    EXPECT_FALSE(m.capsLockOn());
    m.tastoBloccaMaiuscole();
    EXPECT_TRUE(m.capsLockOn());
    // With Caps Lock on Shift gives a small letter: a capital typed with
    // Shift means it is off.
    m.carattere('Q', true);
    EXPECT_FALSE(m.capsLockOn());
    m.carattere('q', true);
    EXPECT_TRUE(m.capsLockOn());
    m.carattere('a', false);
    EXPECT_FALSE(m.capsLockOn());
    m.carattere('A', false);
    EXPECT_TRUE(m.capsLockOn());
    // Digits, punctuation and accented letters say nothing.
    for (const unsigned char c : {'1', ' ', '.', '\xE9', '\xC9'})
        m.carattere(c, false);
    EXPECT_TRUE(m.capsLockOn());
}

TEST(MaiuscoleDedotte, WhatCannotBeSwitchedOffStaysOn) {
    TastieraFinta sistema;
    MaiuscoleDedotte m(sistema, false, false);
    m.tastoBloccaMaiuscole();
    m.toggleCapsLock();
    EXPECT_TRUE(m.capsLockOn());
    EXPECT_EQ(sistema.tocchi, 0);
    EXPECT_FALSE(m.capsLockSwitchable());
}

TEST(MaiuscoleDedotte, AReadableSystemIsTheTruth) {
    TastieraFinta sistema;
    MaiuscoleDedotte m(sistema, true, true);
    m.carattere('A', false);
    EXPECT_FALSE(m.capsLockOn());
    sistema.maiuscole = true;
    EXPECT_TRUE(m.capsLockOn());
    m.toggleCapsLock();
    EXPECT_FALSE(sistema.maiuscole);
    EXPECT_EQ(sistema.tocchi, 1);
}
