// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/stamparisultati.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

namespace scrivolta::platform {

// The pictures a printed page carries, drawn by the window that prints.
using FigureStampa = std::function<QImage(Figura figura, int fascia)>;

// The desktop's default printer (through CUPS), one document of A4 pages.
std::unique_ptr<SuperficieStampa> stampantePredefinita(FigureStampa figure);

// The same page written to a PDF file instead: what a printer would
// receive, for checking a layout without paper.
std::unique_ptr<SuperficieStampa> stampanteSuPdf(const QString& file, FigureStampa figure);

} // namespace scrivolta::platform
