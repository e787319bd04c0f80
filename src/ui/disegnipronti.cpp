#include "ui/disegnipronti.h"

#include <QFontMetrics>
#include <QPainter>

namespace scrivolta::ui {

const TestiStatici::Preparato& TestiStatici::preparato(const QFont& font, const QString& testo) {
    Chiave chiave{font, testo};
    if (const auto trovato = testi_.constFind(chiave); trovato != testi_.cend())
        return *trovato;
    if (testi_.size() >= kMassimo)
        testi_.clear();
    QStaticText statico(testo);
    statico.setTextFormat(Qt::PlainText);
    statico.prepare(QTransform(), font);
    const QFontMetricsF metriche(font);
    return *testi_.insert(std::move(chiave),
                          Preparato{std::move(statico), metriche.ascent(),
                                    metriche.horizontalAdvance(testo), metriche.height()});
}

void TestiStatici::disegna(QPainter& p, const QRect& area, int allineamento, const QString& testo) {
    const Preparato& statico = preparato(p.font(), testo);
    const qreal larghezza = statico.larghezza;
    qreal x = area.left();
    if (allineamento & Qt::AlignRight)
        x += area.width() - larghezza;
    else if (allineamento & Qt::AlignHCenter)
        x += (area.width() - larghezza) / 2;
    qreal y = area.top();
    if (allineamento & Qt::AlignBottom)
        y += area.height() - statico.altezza;
    else if (allineamento & Qt::AlignVCenter)
        y += (area.height() - statico.altezza) / 2;
    // A text too wide for its place is cut at its edge, as drawText cuts it.
    const QRectF occupato(x, y, larghezza, statico.altezza);
    if (QRectF(area).contains(occupato)) {
        p.drawStaticText(occupato.topLeft(), statico.testo);
        return;
    }
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.drawStaticText(occupato.topLeft(), statico.testo);
    p.restore();
}

void TestiStatici::disegna(QPainter& p, QPoint linea, const QString& testo) {
    const Preparato& statico = preparato(p.font(), testo);
    p.drawStaticText(QPointF(linea.x(), linea.y() - statico.ascesa), statico.testo);
}

qreal ImmaginiPronte::rapporto(QPainter& p) {
    return p.device()->devicePixelRatioF();
}

QImage ImmaginiPronte::prepara(QSize dimensione, qreal rapporto,
                               const std::function<void(QPainter&, const QRect&)>& disegno) {
    QImage immagine(dimensione * rapporto, QImage::Format_ARGB32_Premultiplied);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno(pittore, QRect(QPoint(0, 0), dimensione));
    return immagine;
}

void ImmaginiPronte::disegnaImmagine(QPainter& p, QPoint dove, const QImage& immagine) {
    p.drawImage(dove, immagine);
}

} // namespace scrivolta::ui
