// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace scrivolta::ui {

class WidgetTastiera;

// Makes the painted keyboard readable by assistive technology, once: 63
// keys, each a child named by the caption printed on it (its plain character
// first), framed keys selected, pressed modifiers pressed, the key marked
// wrong described as wrong. The keyboard's value and description name the
// key or keys to press next; the description names the wrong key first.
// What is spoken as the learner types comes from the exercise's announcer.
void installaAccessibilitaTastiera();

// The name of key `tasto` (0-62) as a screen reader says it.
QString nomeAccessibileTasto(int tasto);

// What the keyboard announces now: the names of the framed keys, the key
// under the Shift or Alt Gr frame first ("Maj droite + A").
QString annuncioTastiera(const WidgetTastiera& tastiera);

} // namespace scrivolta::ui
