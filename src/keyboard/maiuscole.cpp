// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/maiuscole.h"

namespace scrivolta {

namespace {

// Only the letters A-Z: Caps Lock does not reach the accented letters of
// the Belgian number row, so their case says nothing about it.
bool maiuscola(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}

bool minuscola(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

} // namespace

void MaiuscoleDedotte::tastoBloccaMaiuscole() {
    attivo_ = !attivo_;
}

void MaiuscoleDedotte::carattere(unsigned char codice, bool shift) {
    if (maiuscola(codice))
        attivo_ = !shift;
    else if (minuscola(codice))
        attivo_ = shift;
}

bool MaiuscoleDedotte::capsLockOn() const {
    return leggibile_ ? sistema_.capsLockOn() : attivo_;
}

// Switching off what cannot be switched would leave the inferred state
// wrong: it stays on until the learner's own keys say otherwise.
void MaiuscoleDedotte::toggleCapsLock() {
    if (!commutabile_)
        return;
    sistema_.toggleCapsLock();
    attivo_ = !attivo_;
}

} // namespace scrivolta
