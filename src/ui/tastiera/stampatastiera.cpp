// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tastiera/stampatastiera.h"

#include "app/dominio.h"
#include "ui/tastiera/disegnotastiera.h"
#include "ui/tastiera/widgettastiera.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace scrivolta::ui {

namespace {

constexpr double kMillimetriPerPollice = 25.4;

double inPixel(QPrinter& stampante, double millimetri) {
    return millimetri * stampante.resolution() / kMillimetriPerPollice;
}

QRectF inPixel(QPrinter& stampante, const QRectF& millimetri) {
    return {inPixel(stampante, millimetri.left()), inPixel(stampante, millimetri.top()),
            inPixel(stampante, millimetri.width()), inPixel(stampante, millimetri.height())};
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

bool stampaTastiera(QPrinter& stampante, const Tastiera& tastiera, const QColor& fondo,
                    const QString& piede) {
    stampante.setPageOrientation(QPageLayout::Landscape);
    // Positions are measured from the paper's edges; the footer keeps to
    // the printer's own margin.
    const double margineMm = stampante.pageRect(QPrinter::Millimeter).left() -
                             stampante.paperRect(QPrinter::Millimeter).left();
    stampante.setFullPage(true);
    if (stampante.docName().isEmpty())
        stampante.setDocName(QString::fromLatin1(kNomeProgramma));
    QPainter p;
    if (!p.begin(&stampante))
        return false;
    dipingiTastieraNelRiquadro(p, tastiera, fondo, inPixel(stampante, paginaTastiera::kTastiera));

    const QFont titolo = fontRiga(paginaTastiera::kPuntiTitolo, true, false);
    const QPointF posizione(inPixel(stampante, paginaTastiera::kTitolo.x()),
                            inPixel(stampante, paginaTastiera::kTitolo.y()));
    const QFontMetricsF metricheTitolo(titolo, &stampante);
    p.setPen(Qt::black);
    p.setFont(titolo);
    p.drawText(posizione + QPointF(0, metricheTitolo.ascent()), titoloTastiera());

    const QFont carattere = fontRiga(paginaTastiera::kPuntiPiede, false, true);
    const double margine = inPixel(stampante, margineMm);
    const double riga = posizione.y() + metricheTitolo.lineSpacing();
    p.setFont(carattere);
    p.drawText(QPointF(margine, riga + QFontMetricsF(carattere, &stampante).ascent()), piede);
    return p.end();
}

} // namespace scrivolta::ui
