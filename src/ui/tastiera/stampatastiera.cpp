// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tastiera/stampatastiera.h"

#include "ui/tastiera/disegnotastiera.h"
#include "ui/tastiera/widgettastiera.h"

#include <QFontMetricsF>
#include <QPainter>

namespace scrivolta::ui {

namespace {

QRectF inPixel(double k, const QRectF& millimetri) {
    return {millimetri.left() * k, millimetri.top() * k, millimetri.width() * k,
            millimetri.height() * k};
}

QFont fontRiga(double punti, bool grassetto, bool corsivo) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    font.setItalic(corsivo);
    return font;
}

// The keyboard is drawn in its screen pixels, scaled onto the box: the
// printer renders every line and letter at its own resolution.
void dipingiTastieraNelRiquadro(QPainter& p, const Tastiera& tastiera, const QColor& fondo,
                                const QRectF& riquadro) {
    const Rettangolo area = areaTastiera(tastiera.scalata());
    const QSize base(area.width, area.height);
    p.save();
    p.translate(riquadro.topLeft());
    p.scale(riquadro.width() / base.width(), riquadro.height() / base.height());
    dipingiTastiera(p, tastiera, creaFontTastiera(tastiera.scalata()),
                    QRegion(QRect(QPoint(0, 0), base)), fondo, false);
    p.restore();
}

} // namespace

QString titoloTastiera() {
    return QStringLiteral("Clavier belgique - fran\u00E7ais   ");
}

void disegnaTastieraStampata(QPainter& p, double pixelPerMm, double margineMm,
                             const Tastiera& tastiera, const QColor& fondo, const QString& piede) {
    dipingiTastieraNelRiquadro(p, tastiera, fondo, inPixel(pixelPerMm, paginaTastiera::kTastiera));

    const QFont titolo = fontRiga(paginaTastiera::kPuntiTitolo, true, false);
    const QPointF posizione = paginaTastiera::kTitolo * pixelPerMm;
    const QFontMetricsF metricheTitolo(titolo, p.device());
    p.setPen(Qt::black);
    p.setFont(titolo);
    p.drawText(posizione + QPointF(0, metricheTitolo.ascent()), titoloTastiera());

    // The footer keeps to the printer's own margin.
    const QFont carattere = fontRiga(paginaTastiera::kPuntiPiede, false, true);
    const double margine = margineMm * pixelPerMm;
    const double riga = posizione.y() + metricheTitolo.lineSpacing();
    p.setFont(carattere);
    p.drawText(QPointF(margine, riga + QFontMetricsF(carattere, p.device()).ascent()), piede);
}

} // namespace scrivolta::ui
