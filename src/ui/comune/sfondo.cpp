// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/sfondo.h"

#include "ui/comune/conversioni.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace scrivolta::ui {

namespace {

constexpr std::array<ColoriSfondo, kSchemiSfondo> kSchemi{{
    {rgb(24, 112, 54), rgb(11, 89, 101), rgb(230, 210, 35), rgb(120, 254, 253), rgb(255, 255, 255)},
    {rgb(24, 112, 54), rgb(11, 89, 101), rgb(196, 179, 23), rgb(3, 225, 225), rgb(0, 245, 245)},
    {rgb(0, 128, 192), rgb(0, 128, 192), rgb(0, 64, 128), rgb(0, 64, 128), rgb(0, 245, 245)},
    {rgb(255, 0, 0), rgb(255, 0, 0), rgb(100, 0, 0), rgb(100, 0, 0), rgb(255, 224, 224)},
    {rgb(105, 230, 0), rgb(105, 230, 0), rgb(0, 64, 0), rgb(0, 64, 0), rgb(246, 255, 190)},
    {rgb(190, 64, 255), rgb(190, 64, 255), rgb(89, 0, 126), rgb(89, 0, 126), rgb(255, 228, 255)},
    {rgb(252, 252, 0), rgb(252, 252, 0), rgb(83, 83, 0), rgb(83, 83, 0), rgb(255, 255, 168)},
    {rgb(255, 255, 168), rgb(212, 212, 212), rgb(148, 148, 148), rgb(168, 168, 115),
     rgb(223, 223, 223)},
    {rgb(255, 255, 128), rgb(128, 255, 255), rgb(255, 128, 128), rgb(125, 10, 0), rgb(0, 245, 245)},
    {rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0), rgb(244, 244, 244)},
    {rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)},
}};

constexpr std::uint32_t kBianco = rgb(255, 255, 255);
constexpr std::uint32_t kGrigioBarra = rgb(223, 223, 223);

// The upper half takes the smaller share of an odd height, so that the two
// halves always cover the whole rectangle.
QRect metaSuperiore(const QRect& r) {
    return QRect(r.left(), r.top(), r.width(), r.height() / 2);
}

QRect metaInferiore(const QRect& r) {
    const int alta = r.height() / 2;
    return QRect(r.left(), r.top() + alta, r.width(), r.height() - alta);
}

} // namespace

const ColoriSfondo& coloriSfondo(int schema) {
    const bool valido = schema >= 0 && schema < kSchemiSfondo;
    return kSchemi[static_cast<std::size_t>(valido ? schema : 0)];
}

void ColoraSfondo(QPainter& painter, const QRect& rect, int schema) {
    const auto& [c1, c2, c3, c4, c5] = coloriSfondo(schema);
    Gradiente(painter, metaInferiore(rect), {c5, c5, c3, c4}, true);
    Gradiente(painter, metaSuperiore(rect), {c1, c2, c5, c5}, true);
}

QColor coloreSfondoIn(const QRect& rect, int schema, const QPoint& punto) {
    const auto& [c1, c2, c3, c4, c5] = coloriSfondo(schema);
    const QRect alta = metaSuperiore(rect);
    const bool sopra = punto.y() < alta.bottom() + 1;
    const QRect meta = sopra ? alta : metaInferiore(rect);
    const AngoliGradiente a =
        sopra ? AngoliGradiente{c1, c2, c5, c5} : AngoliGradiente{c5, c5, c3, c4};
    const double fx =
        std::clamp((punto.x() - meta.left()) / std::max(1.0, meta.width() - 1.0), 0.0, 1.0);
    const double fy =
        std::clamp((punto.y() - meta.top()) / std::max(1.0, meta.height() - 1.0), 0.0, 1.0);
    const auto canale = [&](auto estrai) {
        const double alto =
            estrai(a.altoSinistra) + (estrai(a.altoDestra) - estrai(a.altoSinistra)) * fx;
        const double basso =
            estrai(a.bassoSinistra) + (estrai(a.bassoDestra) - estrai(a.bassoSinistra)) * fx;
        return static_cast<int>(std::lround(alto + (basso - alto) * fy));
    };
    return QColor(canale(rosso), canale(verde), canale(blu));
}

void DisegnaBarraTitolo(QPainter& painter, const QRect& rect) {
    Gradiente(painter, metaSuperiore(rect), {kBianco, kBianco, kGrigioBarra, kGrigioBarra}, true);
    painter.fillRect(metaInferiore(rect), qColore(kGrigioBarra));
}

void BarraTitolo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DisegnaBarraTitolo(p, rect());
}

} // namespace scrivolta::ui
