// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dominio.h"
#include "ui/comune/gradiente.h"

#include <QColor>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>

class QPainter;

namespace scrivolta::ui {

// Each of the `kSchemiSfondo` background schemes a learner can cycle
// through gives five colours c1-c5 (see `ColoraSfondo`).
using ColoriSfondo = std::array<std::uint32_t, 5>;

// The colours of `schema`; a scheme outside 0-10 (an edited options file)
// gets those of scheme 0.
const ColoriSfondo& coloriSfondo(int schema);

// `ColoraSfondo`: the upper half runs from c1 (left) and c2 (right) at the
// top down to c5; the lower half from c5 down to c3 and c4 at the bottom.
void ColoraSfondo(QPainter& painter, const QRect& rect, int schema);

// The colour `ColoraSfondo` gives the point `punto` of `rect`: what a panel
// paints in the corners it rounds off, to look cut out of the background.
QColor coloreSfondoIn(const QRect& rect, int schema, const QPoint& punto);

// `DisegnaBarraTitolo`: the upper half a vertical gradient from white to
// light grey, the lower half that grey.
void DisegnaBarraTitolo(QPainter& painter, const QRect& rect);

// A strip painted by `DisegnaBarraTitolo` under the controls it holds: a
// window's title or its row of buttons.
class BarraTitolo final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace scrivolta::ui
