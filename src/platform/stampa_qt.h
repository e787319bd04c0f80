// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/stamparisultati.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace scrivolta::platform {

// The pictures a printed page carries, drawn by the window that prints.
using FigureStampa = std::function<QImage(Figura figura, int fascia)>;

// The desktop's default printer (through CUPS), one document of A4 pages.
std::unique_ptr<SuperficieStampa> stampantePredefinita(FigureStampa figure);

// The same page written to a PDF file instead: what a printer would
// receive, for checking a layout without paper.
std::unique_ptr<SuperficieStampa> stampanteSuPdf(const QString& file, FigureStampa figure);

// Paints one landscape page: the painter, the printer's pixels per
// millimetre, and the left margin it cannot print in (millimetres), the
// painter's origin at the paper's top left corner.
using DisegnoPagina = std::function<void(QPainter&, double pixelPerMm, double margineMm)>;

// One landscape page on `stampante`, named after the program unless it has
// a name; false when the printer could not start or send it (no printer, a
// queue that refuses the job).
bool stampaPagina(QPrinter& stampante, const DisegnoPagina& disegno);

// The same on the desktop's default printer.
bool stampaPaginaPredefinita(const DisegnoPagina& disegno);

} // namespace scrivolta::platform
