// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>

class QAbstractButton;
class QWidget;

namespace scrivolta::ui {

// The main window's buttons answer to Alt with the digit row, numbered as
// they sit from left to right: the categories 1-5, the modes 6 and 7. Tab is
// a typed key there and Alt types nothing (Alt Gr is another key), so no
// phrase can press these by accident.
inline constexpr int kCifraPrimaCategoria = 1;
inline constexpr int kCifraPrimaModalita = 6;

// The menu's entries answer to Ctrl with the digit row, 1 for the first.
inline constexpr int kCifraPrimaVoce = 1;

// `modificatore` with the key of the digit row that carries `cifra` (1-9):
// the digit itself, and the symbol the Belgian layout types on that key
// without Shift.
QList<QKeySequence> tastiCifra(int cifra, Qt::KeyboardModifier modificatore = Qt::AltModifier);

// `pulsante` is clicked by Alt+`cifra` while it is shown and enabled; a
// screen reader reads the key after the caption, in the button's name. A caption set later
// takes the shortcut away (it puts its own mnemonic there): call it again.
void collegaCifra(QAbstractButton* pulsante, int cifra);

} // namespace scrivolta::ui
