// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

class QKeyEvent;

namespace scrivolta {
class MaiuscoleDedotte;
}

namespace scrivolta::ui {

// The virtual key code of a Qt key for the keys the exercise handles on
// key-down and key-up (arrows, Pause, Caps Lock, Esc, F1); 0 for others.
int codiceVirtuale(int tastoQt);

// The character codes a key press types: Windows-1252 codes, Enter 13,
// Backspace 8, Esc 27, Tab 9, and `codiceTasto::SenzaCodice` for a
// character the code page lacks. Modifiers, dead keys and Alt with any key
// type nothing.
std::vector<int> codiciCarattere(const QKeyEvent& event);

// The codes of text composed by an input method (a dead key and a vowel).
std::vector<int> codiciTesto(const QString& testo);

// Tells the Caps Lock state inferred from the keys what a key press says:
// the Caps Lock key itself, or a letter in one case or the other.
void osservaMaiuscole(MaiuscoleDedotte& maiuscole, const QKeyEvent& event);

} // namespace scrivolta::ui
