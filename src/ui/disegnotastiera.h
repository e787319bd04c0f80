#pragma once

#include "keyboard/tastiera.h"

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace scrivolta::ui {

// Drawing of the keyboard model, in the keyboard area's own pixels.

// Font of a key's caption: bold when the key is drawn pressed.
QFont fontTasto(int tasto, bool grassetto);
// The caption as shown: Unicode, "&&" as "&", symbol keys as their symbol.
QString testoTasto(int tasto, const StatoTasto& stato);

// One key: background, caption and outline rings.
void dipingiTasto(QPainter& p, const Tastiera& tastiera, int tasto);
// The labels that hide the seam of the Enter key.
void dipingiMaschereInvio(QPainter& p, const Tastiera& tastiera);
void dipingiRilievi(QPainter& p, const Tastiera& tastiera);
// Frames, finger pictures and the error mark, above the keys.
void dipingiSegni(QPainter& p, const Tastiera& tastiera);

// The area a key's drawing covers, outline included.
QRect rettangoloDisegno(int tasto, int spessore);
QRect rettangoloCornice(const Cornice& cornice);
QRect rettangoloImmagine(Punto posizione);

} // namespace scrivolta::ui
