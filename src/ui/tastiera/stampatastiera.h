// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/tastiera.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPrinter;

namespace scrivolta::ui {

// The printed keyboard's page, landscape, in millimetres from the paper's
// left and top edges.
namespace paginaTastiera {
inline constexpr QRectF kTastiera{16.0, 25.0, 260.0, 94.0};
inline constexpr QPointF kTitolo{16.0, 195.0};
inline constexpr double kPuntiTitolo = 10.0;
inline constexpr double kPuntiPiede = 8.0;
} // namespace paginaTastiera

// The title line, three blanks included.
QString titoloTastiera();

// Draws the keyboard as it is now, its menu key without symbol, straight
// onto one landscape page of `stampante` at the printer's own resolution,
// stretched into its box, with the title and the footer line `piede`
// below; then ends the document. False when the printer could not start
// the page (no printer, a queue that refuses the job).
bool stampaTastiera(QPrinter& stampante, const Tastiera& tastiera, const QColor& fondo,
                    const QString& piede);

} // namespace scrivolta::ui
