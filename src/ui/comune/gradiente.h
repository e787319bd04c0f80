// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/colore.h"

#include <QImage>
#include <QRect>

class QPainter;

namespace scrivolta::ui {

struct AngoliGradiente {
    Colore altoSinistra;
    Colore altoDestra;
    Colore bassoSinistra;
    Colore bassoDestra;
};

// The small source picture of a four-corner gradient for a rectangle of the
// given size: at most 255 x 255 pixels, stretched onto the rectangle when
// drawn. Its top row and right column stop one step short of the top and
// right corner colours.
QImage sorgenteGradiente(int width, int height, const AngoliGradiente& angoli);

// `Gradiente`: fills `rect` of the painter's surface with the gradient.
void Gradiente(QPainter& painter, const QRect& rect, const AngoliGradiente& angoli, bool smooth);

} // namespace scrivolta::ui
