// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/disegnipronti.h"

#include <QFontMetrics>
#include <QPainter>
#include <vector>

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

QPointF TestiStatici::angolo(const QRect& area, int allineamento, qreal larghezza, qreal altezza) {
    qreal x = area.left();
    if (allineamento & Qt::AlignRight)
        x += area.width() - larghezza;
    else if (allineamento & Qt::AlignHCenter)
        x += (area.width() - larghezza) / 2;
    qreal y = area.top();
    if (allineamento & Qt::AlignBottom)
        y += area.height() - altezza;
    else if (allineamento & Qt::AlignVCenter)
        y += (area.height() - altezza) / 2;
    return {x, y};
}

template <typename Disegno>
void TestiStatici::entro(QPainter& p, const QRect& area, const QRectF& occupato, Disegno disegno) {
    if (QRectF(area).contains(occupato)) {
        disegno();
        return;
    }
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    disegno();
    p.restore();
}

void TestiStatici::disegna(QPainter& p, const QRect& area, int allineamento, const QString& testo) {
    const Preparato& statico = preparato(p.font(), testo);
    const QRectF occupato(angolo(area, allineamento, statico.larghezza, statico.altezza),
                          QSizeF(statico.larghezza, statico.altezza));
    entro(p, area, occupato, [&] { p.drawStaticText(occupato.topLeft(), statico.testo); });
}

void TestiStatici::disegnaLettere(QPainter& p, const QRect& area, int allineamento,
                                  const QString& testo) {
    // Copies, not references: laying out a letter may rehash the others.
    std::vector<std::pair<QStaticText, qreal>> lettere;
    lettere.reserve(static_cast<std::size_t>(testo.size()));
    qreal larghezza = 0;
    qreal altezza = 0;
    for (const QChar c : testo) {
        const Preparato& lettera = preparato(p.font(), QString(c));
        lettere.emplace_back(lettera.testo, lettera.larghezza);
        larghezza += lettera.larghezza;
        altezza = lettera.altezza;
    }
    const QRectF occupato(angolo(area, allineamento, larghezza, altezza),
                          QSizeF(larghezza, altezza));
    entro(p, area, occupato, [&] {
        QPointF dove = occupato.topLeft();
        for (const auto& [lettera, avanzo] : lettere) {
            p.drawStaticText(dove, lettera);
            dove.rx() += avanzo;
        }
    });
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
