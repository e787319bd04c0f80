// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/tastiera.h"

#include <QFont>
#include <QRect>
#include <QRegion>
#include <QString>
#include <array>

class QPainter;

namespace scrivolta::ui {

struct DisegniPronti;

// Drawing of the keyboard model, in the keyboard area's own pixels.

// The caption fonts of every key, plain and bold (a pressed key's caption
// is bold). Made once: looking fonts up at every paint costs more than the
// painting.
struct FontTastiera {
    std::array<QFont, kNumeroTasti> normale;
    std::array<QFont, kNumeroTasti> grassetto;
    QFont dita;
    // The screen's laid-out captions and frames; none on paper.
    DisegniPronti* pronti = nullptr;
    const QFont& di(int tasto, bool inGrassetto) const {
        return (inGrassetto ? grassetto : normale)[static_cast<std::size_t>(tasto)];
    }
};
// Which of the pictures kept for the screen: besides the finger pictures,
// numbered 0-9 by finger.
namespace immagine {
constexpr int kCornice = -1;
constexpr int kPremi = -2;
} // namespace immagine

// `scalata`: for the keyboard drawn at the size of a large screen.
FontTastiera creaFontTastiera(bool scalata = false);
// The caption as shown: Unicode, "&&" as "&", symbol keys as their symbol.
QString testoTasto(int tasto, const StatoTasto& stato);

// One key: background, caption (unless left out) and outline rings.
void dipingiTasto(QPainter& p, const Tastiera& tastiera, int tasto, const FontTastiera& font,
                  bool conDidascalia = true);
// The labels that hide the seam of the Enter key.
void dipingiMaschereInvio(QPainter& p, const Tastiera& tastiera);
// The bumps of the home keys, those that meet `zona`.
void dipingiRilievi(QPainter& p, const Tastiera& tastiera, const QRegion& zona);
// Frames, finger pictures and the error mark, above the keys; only those
// that meet `zona` are drawn.
void dipingiSegni(QPainter& p, const Tastiera& tastiera, const FontTastiera& font,
                  const QRegion& zona);

// The whole keyboard where it meets `zona`, on `fondo`: keys, Enter
// masks, bumps and the marks above them. On paper the menu key's symbol is
// left out, as it means something only on screen.
void dipingiTastiera(QPainter& p, const Tastiera& tastiera, const FontTastiera& font,
                     const QRegion& zona, const QColor& fondo, bool simboloMenu = true);

// The area a key's drawing covers, outline included.
QRect rettangoloDisegno(const Tastiera& tastiera, int tasto);
QRect rettangoloCornice(const Cornice& cornice);
// The part of a frame's rectangle that its pen can touch.
QRegion anelloCornice(const Cornice& cornice);
QRect rettangoloImmagine(Punto posizione);

} // namespace scrivolta::ui
