// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/tastiera.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

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

// Paints one landscape page, given the painter, the printer's pixels per
// millimetre and the left margin it cannot print in (millimetres); the
// painter's origin is the paper's top left corner. What prints it (the print
// support, loaded when first needed) calls it once the page has begun.
using DisegnoPagina = std::function<void(QPainter&, double pixelPerMm, double margineMm)>;

// Draws the keyboard as it is now, its menu key without symbol, straight
// onto such a page at the printer's own resolution, stretched into its box,
// with the title and the footer line `piede` below.
void disegnaTastieraStampata(QPainter& p, double pixelPerMm, double margineMm,
                             const Tastiera& tastiera, const QColor& fondo, const QString& piede);

} // namespace scrivolta::ui
