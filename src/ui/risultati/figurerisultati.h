// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/stamparisultati.h"

#include <QImage>
#include <QRect>

class QPainter;

// The pictures of the results and report windows, drawn rather than loaded:
// rating symbols, level bars, the small keyboard, the background banner.
namespace scrivolta::ui {

// A rating symbol 0-4, worst first: faces for a beginner, stars for an
// expert.
QImage simboloRisultato(int fascia, bool esperto);
// The bar behind the caption of level 0-2, its colour fading to white.
QImage barraLivello(int livello);
QImage tastierina();
// `imgNotes`: the tile of the banner along the top of the background.
QImage bannerNote();

// The pictures of the results print.
QImage figuraStampa(Figura figura, int fascia, bool esperto);

// `DisegnaSfondo`: a grey-to-white gradient, the banner along the top and a
// light grid below it.
void DisegnaSfondo(QPainter& painter, const QRect& superficie, const QImage& banner);

} // namespace scrivolta::ui
